#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QString>

class CChildFrame;

// The open tabs in their order, with what the tab strips and panes show of
// each: one owner (the main frame), any number of widgets observing it.
class TabModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        FrameRole = Qt::UserRole + 1,
        TitleRole,
        LockedRole,
        BusyRole,
        CanGoBackRole,
        CanGoForwardRole,
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // DisplayRole: the label; ToolTipRole: the title.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    int Count() const { return static_cast<int>(m_tabs.size()); }
    bool IsEmpty() const { return m_tabs.isEmpty(); }
    CChildFrame* Frame(int row) const;
    int IndexOf(const CChildFrame* frame) const;
    QList<CChildFrame*> Frames() const;

    void Append(CChildFrame* frame);
    void Remove(int row);

    bool IsLocked(int row) const;
    void SetLocked(int row, bool locked);
    bool IsBusy(int row) const;
    bool CanGoBack(int row) const;
    bool CanGoForward(int row) const;
    void SetBackForward(const CChildFrame* frame, bool back, bool forward);
    QString Label(int row) const;
    QString Title(int row) const;
    // What a strip shows: the label, the full title, and whether the page loads.
    void SetShown(int row, const QString& label, const QString& title, bool busy);

private:
    struct Tab {
        CChildFrame* frame = nullptr;
        QString label;
        QString title;
        bool locked = false;
        bool busy = false;
        bool canGoBack = false;
        bool canGoForward = false;
    };
    bool Valid(int row) const { return row >= 0 && row < m_tabs.size(); }
    void Changed(int row, const QList<int>& roles);

    QList<Tab> m_tabs;
};
