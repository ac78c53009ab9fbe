#pragma once

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

// What the list panes share: one column without a header, lines and buttons,
// a folder picture that opens with its item, and the item's number in its data.
namespace PaneTree {

void SetUp(QTreeWidget& tree);
// Empties the tree and gives it its one root, numbered -1.
QTreeWidgetItem* ResetRoot(QTreeWidget& tree, const QString& text);
QTreeWidgetItem* AddLeaf(QTreeWidgetItem& root, const QString& text, int data);
// Opens the root, its picture with it, also while the tree's signals are held.
void Expand(QTreeWidgetItem& root);
int Data(const QTreeWidgetItem& item);

} // namespace PaneTree
