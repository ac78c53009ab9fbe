#include "settings/CSetFirst.h"

#include "commands/CommandId.h"
#include "ini/StopListIni.h"
#include "ini/TablistIni.h"
#include "platform/MessageBox.h"
#include "settings/SpinEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSetFirst::CSetFirst(const SettingsHost& host, QWidget* parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("page102"));
    auto* group = new QGroupBox(QStringLiteral("タブ最大数"), this);
    m_count = new SpinEdit(1, 99, group);
    m_count->setObjectName(QStringLiteral("1034"));
    m_count->Edit()->setObjectName(QStringLiteral("1002"));
    m_count->SetText(QString::number(TablistIni::TabCountOnSettingsPage()));
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(m_count);

    m_urlList = new QPushButton(QStringLiteral("禁止URLリスト"), this);
    m_urlList->setObjectName(QStringLiteral("1059"));
    connect(m_urlList, &QPushButton::clicked, this,
            [this] { m_host.Send(ToInt(CommandId::ForbiddenUrlList)); });
    m_titleList = new QPushButton(QStringLiteral("禁止タイトルリスト"), this);
    m_titleList->setObjectName(QStringLiteral("1060"));
    connect(m_titleList, &QPushButton::clicked, this,
            [this] { m_host.Send(ToInt(CommandId::ForbiddenTitleList)); });
    m_urlList->setEnabled(m_host.Enabled(ToInt(CommandId::ForbiddenUrlList)));
    m_titleList->setEnabled(m_host.Enabled(ToInt(CommandId::ForbiddenTitleList)));

    m_urlCheck = new QCheckBox(QStringLiteral("禁止URLの有効"), this);
    m_urlCheck->setObjectName(QStringLiteral("1083"));
    m_urlCheck->setChecked(StopListIni::Url().Check() == 1);
    m_titleCheck = new QCheckBox(QStringLiteral("禁止タイトルの有効"), this);
    m_titleCheck->setObjectName(QStringLiteral("1084"));
    m_titleCheck->setChecked(StopListIni::Title().Check() == 1);

    auto* lists = new QHBoxLayout;
    lists->addWidget(m_urlList);
    lists->addWidget(m_titleList);
    lists->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(lists);
    layout->addWidget(m_urlCheck);
    layout->addWidget(m_titleCheck);
    layout->addStretch(1);
}

void CSetFirst::OnOK()
{
    const QString text = m_count->Text();
    if (text.size() >= 3) {
        ShowMessageBox(this, QStringLiteral("桁が多すぎます！最大99までです。"),
                       QStringLiteral("注意"), MbIcon::Stop);
        m_count->SetText(QString());
        return;
    }
    const int count = text.toInt();
    if (count <= 0) {
        ShowMessageBox(this, QStringLiteral("不正な入力はしないでください！"),
                       QStringLiteral("注意"), MbIcon::Stop);
        m_count->SetText(QString());
        return;
    }
    TablistIni::SetTabCountOnSettingsPage(count);
    StopListIni::Url().SetCheck(m_urlCheck->isChecked());
    StopListIni::Title().SetCheck(m_titleCheck->isChecked());
}
