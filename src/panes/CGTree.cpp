#include "panes/CGTree.h"

#include "commands/CommandId.h"
#include "core/ProgramDir.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>

namespace {

QString GroupFile()
{
    return SettingsPath(QStringLiteral("Grouprun.ini"));
}

void SayPickItem(QWidget* parent)
{
    ShowMessageBox(parent, QStringLiteral("アイテムを選択してください！"), QString());
}

} // namespace

CGTree::CGTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("groupsPane"));
    setHeaderHidden(true);
    m_groups.Load(GroupFile());
    Rebuild();
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) {
        item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
    });
}

void CGTree::Rebuild()
{
    clear();
    for (int g = 0; g < GroupRunList::kGroupCount; ++g) {
        auto* group = new QTreeWidgetItem(this, {GroupRunList::GroupName(g)});
        for (const QString& name : m_groups.Items(g)) {
            auto* item = new QTreeWidgetItem(group, {name});
            item->setIcon(0, style()->standardIcon(QStyle::SP_FileLinkIcon));
        }
        group->setExpanded(true);
        group->setIcon(0, style()->standardIcon(QStyle::SP_DirOpenIcon));
    }
}

void CGTree::Save()
{
    if (!m_groups.Save(GroupFile()))
        ShowMessageBox(this, QStringLiteral("Grouprun.ini を保存できません"),
                       QStringLiteral("失敗"), MbIcon::Exclamation);
}

int CGTree::GroupOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return -1;
    const QTreeWidgetItem* group = item->parent() ? item->parent() : item;
    return indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(group));
}

bool CGTree::IsFavorite(const QTreeWidgetItem* item) const
{
    return item && item->parent();
}

void CGTree::AddFavorite(const QString& name)
{
    m_groups.Add(name);
    Rebuild();
    Save();
}

void CGTree::RunGroup(int group)
{
    if (group < 0 || m_groups.Items(group).isEmpty())
        return;
    emit runRequested(m_groups.Items(group));
}

bool CGTree::CommandEnabled(int id) const
{
    if (id == ToInt(CommandId::GroupItemRun) || id == ToInt(CommandId::GroupItemDelete))
        return IsFavorite(currentItem());
    return true;
}

void CGTree::OnCommand(int id)
{
    QTreeWidgetItem* item = currentItem();
    switch (static_cast<CommandId>(id)) {
    case CommandId::GroupRun:
        RunGroup(GroupOf(item));
        break;
    case CommandId::GroupDeleteAll:
        if (m_groups.Clear(GroupOf(item))) {
            Rebuild();
            Save();
        }
        break;
    case CommandId::GroupItemRun:
        if (!IsFavorite(item))
            SayPickItem(this);
        else
            emit runRequested({item->text(0)});
        break;
    case CommandId::GroupItemDelete:
        if (!IsFavorite(item)) {
            SayPickItem(this);
        } else if (m_groups.Remove(GroupOf(item), item->parent()->indexOfChild(item))) {
            Rebuild();
            Save();
        }
        break;
    default:
        break;
    }
}

void CGTree::Drop(QTreeWidgetItem* dragged, QTreeWidgetItem* target)
{
    if (!IsFavorite(dragged) || !target || target == dragged)
        return;
    if (m_groups.Move(GroupOf(dragged), dragged->parent()->indexOfChild(dragged),
                      GroupOf(target))) {
        Rebuild();
        Save();
    }
}

void CGTree::mousePressEvent(QMouseEvent* event)
{
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (item)
            setCurrentItem(item);
        emit menuRequested(event->globalPosition().toPoint());
        return;
    }
    m_dragItem = IsFavorite(item) ? item : nullptr;
    m_pressPos = event->position().toPoint();
    QTreeWidget::mousePressEvent(event);
}

void CGTree::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragItem && (event->buttons() & Qt::LeftButton) &&
        (event->position().toPoint() - m_pressPos).manhattanLength() >=
            QApplication::startDragDistance()) {
        m_dragging = true;
        setCursor(Qt::DragMoveCursor);
    }
    if (m_dragging) {
        // The item under the cursor shows where the favourite would go.
        if (QTreeWidgetItem* over = itemAt(event->position().toPoint()))
            setCurrentItem(over);
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CGTree::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        unsetCursor();
        QTreeWidgetItem* dragged = m_dragItem;
        m_dragItem = nullptr;
        Drop(dragged, itemAt(event->position().toPoint()));
        return;
    }
    m_dragItem = nullptr;
    QTreeWidget::mouseReleaseEvent(event);
}

void CGTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (event->button() == Qt::RightButton && item && !IsFavorite(item))
        RunGroup(GroupOf(item));
    else if (event->button() == Qt::LeftButton && IsFavorite(currentItem()))
        OnCommand(ToInt(CommandId::GroupItemRun));
    QTreeWidget::mouseDoubleClickEvent(event);
}
