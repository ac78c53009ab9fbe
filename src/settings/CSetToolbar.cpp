#include "settings/CSetToolbar.h"

#include "chrome/BuiltinImages.h"
#include "chrome/ToolbarImages.h"
#include "commands/CommandTable.h"
#include "commands/MenuResources.h"
#include "ini/StateIni.h"
#include "settings/ColumnShares.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

CSetToolbar::CSetToolbar(const SettingsHost& host, QWidget* parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("page106"));
    auto* heading = new QLabel(QStringLiteral("ツールバーのカスタマイズ"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("1017"));
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setHeaderLabels({QStringLiteral("項目"), QStringLiteral("コマンドの説明")});
    m_list->header()->setStretchLastSection(true);
    new ColumnShares(m_list, {1, 4});
    m_list->setIconSize(QSize(20, 20));
    m_list->setStyleSheet(
        QStringLiteral("QTreeView::item { border-bottom: 1px solid palette(mid); }"));
    const QList<QPixmap> images =
        LoadToolbarImages(QStringLiteral("tool.bmp"), BuiltinImages::MainToolbarStrip(), 20);
    const QList<ToolbarButtonDef>& buttons = MainToolbarButtons();
    for (int i = 0; i < buttons.size(); ++i) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, StateIni::ToolbarButton(i) == 1 ? Qt::Checked : Qt::Unchecked);
        if (i < images.size())
            item->setIcon(0, images[i]);
        item->setText(1, CommandPrompt(buttons[i].id).section(QLatin1Char('\n'), 0, 0));
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_list, 1);
    for (const char* text : {"*表示したくないツールバーのアイテムにチェックを入れてください！",
                             "*表示したいときは、チェックをはずしてください！"}) {
        auto* notice = new QLabel(QString::fromUtf8(text), this);
        notice->setWordWrap(true);
        layout->addWidget(notice);
    }
}

void CSetToolbar::OnOK()
{
    QList<bool> hidden;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i)
        hidden.append(m_list->topLevelItem(i)->checkState(0) == Qt::Checked);
    StateIni::SaveToolbarButtons(hidden);
    if (m_host.applyToolbarButtons)
        m_host.applyToolbarButtons();
}
