#include "settings/ColumnShares.h"

#include <QEvent>
#include <QTreeView>

#include <numeric>

ColumnShares::ColumnShares(QTreeView* view, QList<int> shares)
    : QObject(view), m_view(view), m_shares(std::move(shares))
{
    view->viewport()->installEventFilter(this);
}

bool ColumnShares::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        Apply();
    return QObject::eventFilter(watched, event);
}

void ColumnShares::Apply()
{
    const int total = std::accumulate(m_shares.begin(), m_shares.end(), 0);
    const int width = m_view->viewport()->width();
    // The last column takes what is left, so no scroll bar appears.
    for (int i = 0; i + 1 < m_shares.size(); ++i)
        m_view->setColumnWidth(i, width * m_shares[i] / qMax(total, 1));
}
