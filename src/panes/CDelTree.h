#pragma once

#include <QPointer>
#include <QTreeWidget>

class ClosedTabList;

// The closed-tab pane: the titles of the closed-tab history under one root,
// oldest first. It shows the list it is given and follows its changes; picking
// an entry asks for its address in a new tab.
class CDelTree : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kFolder = -1;

    explicit CDelTree(QWidget* parent = nullptr);

    void SetList(const ClosedTabList* list);
    QTreeWidgetItem* Root() const { return topLevelItem(0); }

signals:
    void openRequested(const QString& url);

private:
    enum class EmptyTitles { Shown, Hidden };

    void Rebuild(EmptyTitles emptyTitles);
    void OnCurrentItemChanged(QTreeWidgetItem* item);

    QPointer<const ClosedTabList> m_list;
};
