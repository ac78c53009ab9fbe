#include "settings/CSetCgi.h"

#include "commands/CommandId.h"
#include "ini/ProxyIni.h"
#include "ini/SecurityIni.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kEntrySize = 520;

} // namespace

CSetCgi::CSetCgi(std::function<void(int)> sendCommand, QWidget* parent)
    : QWidget(parent), m_sendCommand(std::move(sendCommand))
{
    setObjectName(QStringLiteral("page178"));
    m_address = new QComboBox(this);
    m_address->setObjectName(QStringLiteral("1032"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->lineEdit()->setMaxLength(kEntrySize - 1);
    m_address->addItems(ProxyIni::CgiProxies());
    m_address->setEditText(SecurityIni::CgiProxy(kEntrySize));

    const int command = SecurityIni::CgiCommand();
    m_rewrite = new QCheckBox(QStringLiteral("コード変換有り"), this);
    m_rewrite->setObjectName(QStringLiteral("1016"));
    m_rewrite->setChecked(command == SecurityIni::kCgiRewrite);
    m_keep = new QCheckBox(QStringLiteral("コード変換無し"), this);
    m_keep->setObjectName(QStringLiteral("1020"));
    m_keep->setChecked(command == SecurityIni::kCgiKeep);
    // The two work as a pair, but neither is ticked for a value they do not name.
    connect(m_rewrite, &QCheckBox::clicked, this, [this] {
        m_rewrite->setChecked(true);
        m_keep->setChecked(false);
    });
    connect(m_keep, &QCheckBox::clicked, this, [this] {
        m_keep->setChecked(true);
        m_rewrite->setChecked(false);
    });

    m_proxyButton = new QPushButton(QStringLiteral("通常のプロキシ設定"), this);
    m_proxyButton->setObjectName(QStringLiteral("1045"));
    connect(m_proxyButton, &QPushButton::clicked, this,
            [this] { m_sendCommand(ToInt(CommandId::ProxySettings)); });
    m_add = new QPushButton(QStringLiteral("CGIプロキシの追加"), this);
    m_add->setObjectName(QStringLiteral("1046"));
    connect(m_add, &QPushButton::clicked, this, &CSetCgi::OnAdd);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("CGIプロキシ"), this));
    layout->addWidget(m_address);
    layout->addWidget(m_rewrite);
    layout->addWidget(m_keep);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_proxyButton);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);
}

void CSetCgi::OnAdd()
{
    const QString text = m_address->currentText();
    if (ShowMessageBox(this, text, QStringLiteral("下記のアドレスを追加しますか？"),
                       MbIcon::Question, MbButtons::YesNo) != MbAnswer::Yes)
        return;
    if (ProxyIni::AddCgiProxy(text))
        m_address->addItem(text);
}

void CSetCgi::OnOK()
{
    SecurityIni::SetCgiProxy(m_address->currentText());
    if (m_rewrite->isChecked())
        SecurityIni::SetCgiCommand(SecurityIni::kCgiRewrite);
    else if (m_keep->isChecked())
        SecurityIni::SetCgiCommand(SecurityIni::kCgiKeep);
}
