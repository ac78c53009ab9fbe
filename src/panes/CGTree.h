#pragma once

#include "favorites/GroupRunList.h"

#include <QTreeWidget>

// The group-run pane: twelve groups of favourites by name, kept in
// Grouprun.ini and rewritten after every change. Favourites come in from the
// favourites pane into the first group and move between groups by dragging.
class CGTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit CGTree(QWidget* parent = nullptr);

    const GroupRunList& Groups() const { return m_groups; }
    QTreeWidgetItem* GroupItem(int group) const { return topLevelItem(group); }

    // Appends name as the last favourite of the first group.
    void AddFavorite(const QString& name);
    // The commands of the pane's menu.
    void OnCommand(int id);
    bool CommandEnabled(int id) const;
    // Moves favourite dragged to the end of target's group; dropping on itself
    // or on nothing changes nothing.
    void Drop(QTreeWidgetItem* dragged, QTreeWidgetItem* target);

signals:
    // The names to open, the first by the tab rule, the others in new tabs.
    void runRequested(const QStringList& names);
    void menuRequested(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Group of item (a group or one of its favourites); -1 for nothing.
    int GroupOf(const QTreeWidgetItem* item) const;
    bool IsFavorite(const QTreeWidgetItem* item) const;
    void RunGroup(int group);
    void Rebuild();
    void Save();

    GroupRunList m_groups;
    QTreeWidgetItem* m_dragItem = nullptr;
    QPoint m_pressPos;
    bool m_dragging = false;
};
