#include "settings/CSetUserAgent.h"

#include "commands/CommandId.h"
#include "ini/ProxyIni.h"
#include "ini/SecurityIni.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CSetUserAgent::CSetUserAgent(std::function<void(int)> sendCommand, QWidget* parent)
    : QWidget(parent), m_sendCommand(std::move(sendCommand))
{
    setObjectName(QStringLiteral("page161"));
    m_agent = new QComboBox(this);
    m_agent->setObjectName(QStringLiteral("1032"));
    m_agent->setEditable(true);
    m_agent->setInsertPolicy(QComboBox::NoInsert);
    m_agent->lineEdit()->setMaxLength(519);
    m_agent->addItems(ProxyIni::UserAgents());
    m_agent->setEditText(SecurityIni::UserAgent());

    auto* layout = new QVBoxLayout(this);
    auto* notice = new QLabel(
        QStringLiteral("USER_AGENT(変更しますと、うまく表示されなくなることがあります)"), this);
    notice->setWordWrap(true);
    layout->addWidget(notice);
    layout->addWidget(m_agent);
    layout->addStretch(1);
}

void CSetUserAgent::OnOK()
{
    const QString agent = m_agent->currentText();
    SecurityIni::SetUserAgent(agent);
    if (!agent.isEmpty())
        m_sendCommand(ToInt(CommandId::UpdateUserAgent));
}
