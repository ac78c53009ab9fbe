#include "settings/CSetSecond.h"

#include "ini/ColorIni.h"
#include "platform/MessageBox.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QVBoxLayout>

namespace {

// The component's value, or -1 when the text is not one.
int Component(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 && value <= 255 ? value : -1;
}

} // namespace

CSetSecond::CSetSecond(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("page160"));
    const ColorIni::Rgb stored = ColorIni::Background();
    const int values[3] = {stored.red, stored.green, stored.blue};
    const char* names[3] = {"赤", "緑", "青"};
    auto* grid = new QGridLayout;
    for (int which = 0; which < 3; ++which) {
        m_edit[which] = new QLineEdit(QString::number(values[which]), this);
        m_edit[which]->setObjectName(QString::number(1035 + which));
        m_edit[which]->setMaxLength(9);
        m_edit[which]->setMaximumWidth(m_edit[which]->fontMetrics().horizontalAdvance("00000") * 2);
        m_slider[which] = new QSlider(Qt::Horizontal, this);
        m_slider[which]->setObjectName(QString::number(1041 + which));
        m_slider[which]->setRange(0, 255);
        m_slider[which]->setValue(values[which]);
        grid->addWidget(new QLabel(QString::fromUtf8(names[which]), this), which, 0);
        grid->addWidget(m_edit[which], which, 1);
        grid->addWidget(m_slider[which], which, 2);
        connect(m_slider[which], &QSlider::valueChanged, this, [this, which](int value) {
            m_edit[which]->setText(QString::number(value));
            Repaint();
        });
        connect(m_edit[which], &QLineEdit::textEdited, this, &CSetSecond::Repaint);
    }
    grid->setColumnStretch(2, 1);

    m_preview = new QFrame(this);
    m_preview->setObjectName(QStringLiteral("1044"));
    m_preview->setFrameShape(QFrame::Box);
    m_preview->setAutoFillBackground(true);
    m_preview->setMinimumHeight(40);
    auto* notice =
        new QLabel(QStringLiteral("変更された設定を反映するには再起動が必要です。"), this);
    notice->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_preview);
    layout->addWidget(notice);
    layout->addStretch(1);
    Repaint();
}

QColor CSetSecond::PreviewColor() const
{
    return m_preview->palette().color(QPalette::Window);
}

void CSetSecond::Repaint()
{
    int rgb[3];
    for (int which = 0; which < 3; ++which)
        rgb[which] = qMax(Component(m_edit[which]->text()), 0);
    QPalette palette = m_preview->palette();
    palette.setColor(QPalette::Window, QColor(rgb[0], rgb[1], rgb[2]));
    m_preview->setPalette(palette);
}

void CSetSecond::OnOK()
{
    int rgb[3];
    for (int which = 0; which < 3; ++which) {
        rgb[which] = Component(m_edit[which]->text());
        if (rgb[which] < 0) {
            ShowMessageBox(this, QStringLiteral("0から255までを入力してください。"),
                           QStringLiteral("Zelvo"));
            m_edit[which]->setText(QStringLiteral("0"));
            return;
        }
    }
    ColorIni::SetBackground({rgb[0], rgb[1], rgb[2]});
}
