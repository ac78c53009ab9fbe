#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

// One remembered address: the last visit of a top-level page.
struct UrlHistoryEntry {
    QString url;
    QString title;
    QDateTime lastVisit;
    bool topLevel = true;
};

// The browsing history of every view: an SQLite database under the program
// directory's profile/, one row per address. Visits are queued and written
// in one transaction a moment later, so a page load never waits for the disk.
// A database that cannot be read is set aside and a new one started.
class UrlHistory : public QObject {
    Q_OBJECT

public:
    // The store of the current program directory; opened on first use and
    // again whenever the program directory changes.
    static UrlHistory& Instance();

    ~UrlHistory() override;

    // Queues a completed top-level navigation; a revisit updates the row.
    void Record(const QString& url, const QString& title,
                const QDateTime& when = QDateTime::currentDateTime());
    // Top-level entries whose address starts with prefix, latest visit first.
    QList<UrlHistoryEntry> Entries(const QString& prefix = QString());
    // Forgets every address. False when the store cannot be had.
    bool ClearHistory();
    // Writes the queued visits now.
    void Flush();

    QString DatabasePath() const { return m_path; }

private:
    explicit UrlHistory(const QString& path);
    bool Open();
    void Close();
    bool SetUp();
    // Moves a damaged database out of the way and starts an empty one.
    bool StartAfresh();
    bool WritePending();

    QString m_path;
    QString m_connection;
    bool m_open = false;
    QList<UrlHistoryEntry> m_pending;
    QTimer m_flushTimer;
};
