#pragma once

#include <QList>
#include <QObject>

class QTreeView;

// Keeps a list's columns at fixed shares of its width, as the pages' list
// controls are laid out, whenever the list is resized.
class ColumnShares : public QObject {
    Q_OBJECT

public:
    // shares are parts of their sum, one per column.
    ColumnShares(QTreeView* view, QList<int> shares);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply();

    QTreeView* m_view = nullptr;
    QList<int> m_shares;
};
