#include "panes/PaneTree.h"

#include <QApplication>
#include <QStyle>
#include <QTreeWidget>

namespace {

QIcon Picture(QStyle::StandardPixmap which)
{
    return QApplication::style()->standardIcon(which);
}

} // namespace

namespace PaneTree {

void SetUp(QTreeWidget& tree)
{
    tree.setHeaderHidden(true);
    tree.setColumnCount(1);
    tree.setRootIsDecorated(true);
    tree.setIconSize(QSize(16, 16));
    tree.setMouseTracking(true);
    tree.setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(&tree, &QTreeWidget::itemExpanded, &tree, [](QTreeWidgetItem* item) {
        if (Data(*item) == -1)
            item->setIcon(0, Picture(QStyle::SP_DirOpenIcon));
    });
    QObject::connect(&tree, &QTreeWidget::itemCollapsed, &tree, [](QTreeWidgetItem* item) {
        if (Data(*item) == -1)
            item->setIcon(0, Picture(QStyle::SP_DirClosedIcon));
    });
}

QTreeWidgetItem* ResetRoot(QTreeWidget& tree, const QString& text)
{
    tree.clear();
    auto* root = new QTreeWidgetItem(&tree, {text});
    root->setData(0, Qt::UserRole, -1);
    root->setIcon(0, Picture(QStyle::SP_DirClosedIcon));
    return root;
}

QTreeWidgetItem* AddLeaf(QTreeWidgetItem& root, const QString& text, int data)
{
    auto* item = new QTreeWidgetItem(&root, {text});
    item->setData(0, Qt::UserRole, data);
    item->setIcon(0, Picture(QStyle::SP_FileIcon));
    return item;
}

void Expand(QTreeWidgetItem& root)
{
    root.setExpanded(true);
    root.setIcon(0, Picture(QStyle::SP_DirOpenIcon));
}

int Data(const QTreeWidgetItem& item)
{
    return item.data(0, Qt::UserRole).toInt();
}

} // namespace PaneTree
