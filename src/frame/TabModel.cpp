#include "frame/TabModel.h"

int TabModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant TabModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !Valid(index.row()))
        return {};
    const Tab& tab = m_tabs[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return tab.label;
    case Qt::ToolTipRole:
    case TitleRole:
        return tab.title;
    case FrameRole:
        return QVariant::fromValue(static_cast<void*>(tab.frame));
    case LockedRole:
        return tab.locked;
    case BusyRole:
        return tab.busy;
    case CanGoBackRole:
        return tab.canGoBack;
    case CanGoForwardRole:
        return tab.canGoForward;
    default:
        return {};
    }
}

CChildFrame* TabModel::Frame(int row) const
{
    return Valid(row) ? m_tabs[row].frame : nullptr;
}

int TabModel::IndexOf(const CChildFrame* frame) const
{
    for (int i = 0; i < m_tabs.size(); ++i) {
        if (m_tabs[i].frame == frame)
            return i;
    }
    return -1;
}

QList<CChildFrame*> TabModel::Frames() const
{
    QList<CChildFrame*> frames;
    frames.reserve(m_tabs.size());
    for (const Tab& tab : m_tabs)
        frames.append(tab.frame);
    return frames;
}

void TabModel::Append(CChildFrame* frame)
{
    const int row = Count();
    beginInsertRows(QModelIndex(), row, row);
    Tab tab;
    tab.frame = frame;
    m_tabs.append(tab);
    endInsertRows();
}

void TabModel::Remove(int row)
{
    if (!Valid(row))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_tabs.removeAt(row);
    endRemoveRows();
}

bool TabModel::IsLocked(int row) const
{
    return Valid(row) && m_tabs[row].locked;
}

void TabModel::SetLocked(int row, bool locked)
{
    if (!Valid(row) || m_tabs[row].locked == locked)
        return;
    m_tabs[row].locked = locked;
    Changed(row, {LockedRole});
}

bool TabModel::IsBusy(int row) const
{
    return Valid(row) && m_tabs[row].busy;
}

bool TabModel::CanGoBack(int row) const
{
    return Valid(row) && m_tabs[row].canGoBack;
}

bool TabModel::CanGoForward(int row) const
{
    return Valid(row) && m_tabs[row].canGoForward;
}

void TabModel::SetBackForward(const CChildFrame* frame, bool back, bool forward)
{
    const int row = IndexOf(frame);
    if (row < 0)
        return;
    Tab& tab = m_tabs[row];
    if (tab.canGoBack == back && tab.canGoForward == forward)
        return;
    tab.canGoBack = back;
    tab.canGoForward = forward;
    Changed(row, {CanGoBackRole, CanGoForwardRole});
}

QString TabModel::Label(int row) const
{
    return Valid(row) ? m_tabs[row].label : QString();
}

QString TabModel::Title(int row) const
{
    return Valid(row) ? m_tabs[row].title : QString();
}

void TabModel::SetShown(int row, const QString& label, const QString& title, bool busy)
{
    if (!Valid(row))
        return;
    Tab& tab = m_tabs[row];
    QList<int> roles;
    if (tab.label != label)
        roles << Qt::DisplayRole;
    if (tab.title != title)
        roles << Qt::ToolTipRole << TitleRole;
    if (tab.busy != busy)
        roles << BusyRole;
    if (roles.isEmpty())
        return;
    tab.label = label;
    tab.title = title;
    tab.busy = busy;
    Changed(row, roles);
}

void TabModel::Changed(int row, const QList<int>& roles)
{
    const QModelIndex at = index(row);
    emit dataChanged(at, at, roles);
}
