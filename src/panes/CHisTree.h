#pragma once

#include <QTreeWidget>

// The tab-list pane: the titles of the open tabs under one root, filled from
// the transfer file Window_List.ini, which it deletes after reading.
// Selecting a title asks for its tab; a right click on one asks for the tab menu.
class CHisTree : public QTreeWidget {
    Q_OBJECT

public:
    static constexpr int kRootData = -1;

    explicit CHisTree(QWidget* parent = nullptr);

    // Rebuilds the tree from Window_List.ini.
    void Refill();

signals:
    void activateTab(int index);
    void tabMenuRequested(int index, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void OnSelectionChanged();
};
