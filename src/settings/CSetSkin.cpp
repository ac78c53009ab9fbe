#include "settings/CSetSkin.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "ini/TablistIni.h"
#include "platform/MessageBox.h"
#include "settings/ColumnShares.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Found as the settings files are, without regard to case.
QString SkinPath(const QString& name)
{
    return ProfileStore::ResolvePath(SettingsPath(QStringLiteral("res\\") + name));
}

} // namespace

CSetSkin::CSetSkin(const SettingsHost& host, QWidget* parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("page184"));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("1017"));
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels({QString(), QStringLiteral("スキンファイル名")});
    m_list->header()->setStretchLastSection(true);
    new ColumnShares(m_list, {1, 4});
    const QStringList files =
        QDir(SkinPath(QString())).entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
    for (int i = 0; i < files.size(); ++i)
        new QTreeWidgetItem(m_list, {QString::number(i + 1), files[i]});

    m_name = new QLineEdit(TablistIni::SkinName(), this);
    m_name->setObjectName(QStringLiteral("1002"));
    m_name->setReadOnly(true);
    m_noSkin = new QPushButton(QStringLiteral("スキン無し"), this);
    m_noSkin->setObjectName(QStringLiteral("1101"));
    connect(m_noSkin, &QPushButton::clicked, m_name, &QLineEdit::clear);
    connect(m_list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { m_name->setText(item->text(1)); });

    auto* notice = new QLabel(
        QStringLiteral("・バーの背景となるスキンファイルを設定・変更します(再起動不要)"), this);
    notice->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("ファイル名"), this));
    row->addWidget(m_name, 1);
    row->addWidget(m_noSkin);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice);
    layout->addWidget(m_list, 1);
    layout->addLayout(row);
}

void CSetSkin::OnOK()
{
    const QString name = m_name->text();
    const QString path = SkinPath(name);
    if (!QFileInfo::exists(path)) {
        ShowMessageBox(this, QStringLiteral("ファイルが存在しません！"), QStringLiteral("Zelvo"));
        return;
    }
    TablistIni::SetSkinName(name);
    if (m_host.applySkin)
        m_host.applySkin(name.isEmpty() ? QString() : path);
}
