#include "panes/CHisTree.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "ini/WindowListIni.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QStyle>

CHisTree::CHisTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setMouseTracking(true);
    setObjectName(QStringLiteral("tabListPane"));
    connect(this, &QTreeWidget::itemSelectionChanged, this, &CHisTree::OnSelectionChanged);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
    });
}

void CHisTree::Refill()
{
    const QSignalBlocker quiet(this);
    clear();
    auto* root = new QTreeWidgetItem(this, {QStringLiteral("タブウインドの切り替え")});
    root->setData(0, Qt::UserRole, kRootData);
    root->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
    const int count = WindowListIni::Count();
    for (int i = 0; i <= count; ++i) {
        // Titles are page text: a tree item shows them as plain text.
        auto* child = new QTreeWidgetItem(root, {WindowListIni::Title(i)});
        child->setData(0, Qt::UserRole, i);
        child->setIcon(0, style()->standardIcon(QStyle::SP_FileIcon));
    }
    QFile::remove(ProfileStore::ResolvePath(SettingsPath(QStringLiteral("Window_List.ini"))));
    expandItem(root);
}

void CHisTree::OnSelectionChanged()
{
    const QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    const int index = item->data(0, Qt::UserRole).toInt();
    if (index != kRootData)
        emit activateTab(index);
}

void CHisTree::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        if (QTreeWidgetItem* item = itemAt(event->position().toPoint())) {
            setCurrentItem(item);
            const int index = item->data(0, Qt::UserRole).toInt();
            if (index != kRootData)
                emit tabMenuRequested(index, event->globalPosition().toPoint());
        }
    }
    QTreeWidget::mousePressEvent(event);
}
