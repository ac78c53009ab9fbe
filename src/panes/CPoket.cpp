#include "panes/CPoket.h"

#include "ini/PoketIni.h"
#include "panes/PaneTree.h"
#include "platform/MessageBox.h"

#include <QMouseEvent>

CPoket::CPoket(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("pocketPane"));
    PaneTree::SetUp(*this);
    // The file is first read when something goes into the pocket.
    PaneTree::ResetRoot(*this, QStringLiteral("ポケットの中身"));
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { OnDoubleClicked(item); });
}

void CPoket::Refresh()
{
    const QSignalBlocker quiet(this);
    QTreeWidgetItem* root = PaneTree::ResetRoot(*this, QStringLiteral("ポケットの中身"));
    const int count = PoketIni::Count();
    for (int key = 1; key <= count; ++key) {
        QTreeWidgetItem* item = PaneTree::AddLeaf(*root, PoketIni::Address(key), key - 1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
    }
    PaneTree::Expand(*root);
}

QStringList CPoket::CheckedAddresses() const
{
    const QTreeWidgetItem* selected = currentItem();
    if (!selected)
        return {};
    const QTreeWidgetItem* root = nullptr;
    if (PaneTree::Data(*selected) == kFolder)
        root = selected;
    else if (selected->parent() && PaneTree::Data(*selected->parent()) == kFolder)
        root = selected->parent();
    if (!root)
        return {};
    QStringList addresses;
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->checkState(0) == Qt::Checked)
            addresses.append(root->child(i)->text(0));
    return addresses;
}

void CPoket::OnRunChecked()
{
    for (const QString& address : CheckedAddresses())
        emit openRequested(address);
}

void CPoket::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        if (QTreeWidgetItem* hit = itemAt(event->position().toPoint()))
            setCurrentItem(hit);
        emit menuRequested(event->globalPosition().toPoint());
    }
    QTreeWidget::mousePressEvent(event);
}

void CPoket::OnDoubleClicked(QTreeWidgetItem* item)
{
    QTreeWidgetItem* selected = currentItem() ? currentItem() : item;
    if (!selected)
        return;
    if (PaneTree::Data(*selected) == kFolder) {
        ShowMessageBox(this, QStringLiteral("アイテムを選択してください！"),
                       QStringLiteral("Zelvo"));
        return;
    }
    emit openRequested(selected->text(0));
}
