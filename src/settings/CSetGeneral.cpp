#include "settings/CSetGeneral.h"

#include "ini/TablistIni.h"
#include "platform/DesktopShell.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const kFailures[3] = {"失敗", "失敗2", "失敗3"};

bool IsDefaultBrowser()
{
    QString handler;
    return DesktopShell::QueryDefault(QStringLiteral("x-scheme-handler/http"), &handler) &&
           handler == QLatin1String(DesktopShell::kDesktopId);
}

} // namespace

CSetGeneral::CSetGeneral(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("page183"));
    m_shortcut = new QPushButton(QStringLiteral("デスクトップにショートカット作成"), this);
    m_shortcut->setObjectName(QStringLiteral("1089"));
    connect(m_shortcut, &QPushButton::clicked, this, &CSetGeneral::OnShortcut);
    m_defaultBrowser = new QCheckBox(QStringLiteral("標準で使用するブラウザにする"), this);
    m_defaultBrowser->setObjectName(QStringLiteral("1090"));
    m_defaultBrowser->setChecked(IsDefaultBrowser());
    connect(m_defaultBrowser, &QCheckBox::clicked, this, [this] { m_associationChanged = true; });
    m_recent = new QPushButton(QStringLiteral("最近使ったファイルのクリア"), this);
    m_recent->setObjectName(QStringLiteral("1091"));
    connect(m_recent, &QPushButton::clicked, this, &CSetGeneral::OnClearRecent);
    m_xpStyle = new QCheckBox(QStringLiteral("メニューをXPスタイルにする(再起動要)"), this);
    m_xpStyle->setObjectName(QStringLiteral("1097"));
    m_xpStyle->setChecked(TablistIni::XpStyle() == 0);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* button : {static_cast<QWidget*>(m_shortcut), static_cast<QWidget*>(m_recent)}) {
        auto* row = new QHBoxLayout;
        row->addWidget(button);
        row->addStretch(1);
        layout->addLayout(row);
    }
    layout->insertWidget(1, m_defaultBrowser);
    layout->addWidget(m_xpStyle);
    layout->addStretch(1);
}

void CSetGeneral::OnShortcut()
{
    if (!DesktopShell::CreateDesktopShortcut(QCoreApplication::applicationFilePath(),
                                             QDir::currentPath()))
        ShowMessageBox(this, QStringLiteral("ショートカット作成失敗"), QStringLiteral("Zelvo"));
}

void CSetGeneral::OnClearRecent()
{
    DesktopShell::ClearRecentDocuments();
    ShowMessageBox(this, QStringLiteral("最近使ったファイルをクリアしました。"),
                   QStringLiteral("Zelvo"), MbIcon::Question);
}

void CSetGeneral::ApplyAssociation()
{
    const bool make = m_defaultBrowser->isChecked();
    for (int i = 0; i < 3; ++i) {
        const QString type = QString::fromLatin1(DesktopShell::kHandledTypes[i]);
        bool done = true;
        if (make) {
            done = DesktopShell::SetDefault(type);
        } else {
            QString handler;
            done = DesktopShell::QueryDefault(type, &handler);
            if (done && handler == QLatin1String(DesktopShell::kDesktopId))
                done = DesktopShell::RemoveDefault(type);
        }
        if (!done)
            ShowMessageBox(this, QString::fromUtf8(kFailures[i]), QStringLiteral("Zelvo"));
    }
}

void CSetGeneral::OnApply()
{
    if (m_associationChanged) {
        ApplyAssociation();
        m_associationChanged = false;
    }
    TablistIni::SetXpStyle(m_xpStyle->isChecked() ? 0 : 1);
}
