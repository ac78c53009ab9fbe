#include "settings/CSetFilter.h"

#include "ini/SecurityIni.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSetFilter::CSetFilter(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("page182"));
    auto* heading = new QLabel(QStringLiteral("拡張子フィルター"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_filter = new QLineEdit(SecurityIni::Filter(), this);
    m_filter->setObjectName(QStringLiteral("1085"));
    m_filter->setMaxLength(260);
    m_clear = new QPushButton(QStringLiteral("クリア"), this);
    m_clear->setObjectName(QStringLiteral("1086"));
    connect(m_clear, &QPushButton::clicked, this, [this] {
        m_filter->clear();
        m_filter->setFocus();
    });
    auto* notice = new QLabel(
        QStringLiteral(".html+.pdf・・・と言う風にブラウザに表示したくない拡張子を記載します。"),
        this);
    notice->setWordWrap(true);

    auto* row = new QHBoxLayout;
    row->addWidget(m_filter, 1);
    row->addWidget(m_clear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(row);
    layout->addWidget(notice);
    layout->addStretch(1);
    setFocusProxy(m_filter);
}

void CSetFilter::OnOK()
{
    SecurityIni::SetFilter(m_filter->text());
}
