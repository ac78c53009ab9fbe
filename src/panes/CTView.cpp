#include "panes/CTView.h"

#include <QPainter>

CTView::CTView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("propertiesPane"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void CTView::SetText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void CTView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::Text));
    QString lines = m_text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Text of the page: drawn as it is, never read as markup.
    p.drawText(rect().adjusted(10, 10, -10, -10),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, lines);
}
