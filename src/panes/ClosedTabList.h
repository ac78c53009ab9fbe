#pragma once

#include <QObject>
#include <QStringList>

// The last closed tabs, oldest first, as the closed-tab pane shows them; kept in
// DeleteTab_List.ini between runs.
class ClosedTabList : public QObject {
    Q_OBJECT

public:
    static constexpr int kCapacity = 30;

    explicit ClosedTabList(QObject* parent = nullptr) : QObject(parent) {}

    void AddClosedTab(const QString& title, const QString& url);
    void LoadClosedTabs();
    void SaveClosedTabs() const;
    void ClearClosedTabs();

    const QStringList& Titles() const { return m_titles; }
    const QStringList& Urls() const { return m_urls; }
    int Count() const { return static_cast<int>(m_titles.size()); }

signals:
    // An entry was added or the list was emptied.
    void changed();
    // The list was read from the file.
    void loaded();

private:
    QStringList m_titles;
    QStringList m_urls;
};
