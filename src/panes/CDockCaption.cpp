#include "panes/CDockCaption.h"

#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kHeight = 21;
const QColor kCyan(0, 255, 255);
const QColor kTextColour(143, 143, 241);

} // namespace

CDockCaption::CDockCaption(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dockCaption"));
    m_close = new QPushButton(QStringLiteral("x"), this);
    m_close->setObjectName(QStringLiteral("dockCaptionClose"));
    m_close->setFocusPolicy(Qt::NoFocus);
    connect(m_close, &QPushButton::clicked, this, &CDockCaption::closeClicked);
}

QSize CDockCaption::sizeHint() const
{
    return {200, kHeight};
}

QSize CDockCaption::minimumSizeHint() const
{
    return {0, kHeight};
}

void CDockCaption::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_close->setGeometry(width() - 17, 3, 14, height() - 5);
}

void CDockCaption::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, kCyan);
    // 254 bands, each a 255th of the width: a strip narrower than 255 pixels
    // keeps the plain fill.
    const int band = r.width() / 255;
    if (band > 0) {
        for (int i = 0; i < 254; ++i) {
            const QColor c(kCyan.red() + (255 - kCyan.red()) * i / 255,
                           kCyan.green() + (255 - kCyan.green()) * i / 255,
                           kCyan.blue() + (255 - kCyan.blue()) * i / 255);
            p.fillRect(QRect(r.left() + i * band, r.top(), band, r.height()), c);
        }
    }
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(palette().color(QPalette::Shadow));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(kTextColour);
    p.drawText(r.adjusted(0, 1, 0, -2), Qt::AlignCenter | Qt::TextSingleLine,
               QStringLiteral("ドッキングバー"));
}
