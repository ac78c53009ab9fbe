#include "platform/UrlHistory.h"

#include "core/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <memory>

namespace {

// Visits wait this long for company before they are written.
constexpr int kFlushDelayMs = 1000;
// A queue this long is written at once.
constexpr int kFlushCount = 200;

QString CurrentDatabasePath()
{
    return ProgramDir::Path() + QStringLiteral("/profile/history.sqlite");
}

// Closed with the application object, while the database layer still
// stands; never by a static destructor, which may run after that layer is
// gone (a process ended by exit() from elsewhere).
std::unique_ptr<UrlHistory>& Current()
{
    static auto* store = new std::unique_ptr<UrlHistory>;
    return *store;
}

void CloseAtExit()
{
    Current().reset();
}

} // namespace

UrlHistory& UrlHistory::Instance()
{
    std::unique_ptr<UrlHistory>& store = Current();
    const QString path = CurrentDatabasePath();
    if (!store || store->m_path != path) {
        if (!store)
            qAddPostRoutine(CloseAtExit);
        store.reset(new UrlHistory(path));
    }
    return *store;
}

UrlHistory::UrlHistory(const QString& path)
    : m_path(path), m_connection(QStringLiteral("zelvo-history-") + path)
{
    m_flushTimer.setSingleShot(true);
    m_flushTimer.setInterval(kFlushDelayMs);
    connect(&m_flushTimer, &QTimer::timeout, this, &UrlHistory::Flush);
}

UrlHistory::~UrlHistory()
{
    Flush();
    Close();
}

bool UrlHistory::Open()
{
    if (m_open)
        return true;
    // The program directory is not made here: a store left over from another
    // directory must not bring it back.
    const QFileInfo profile(QFileInfo(m_path).absolutePath());
    if (!QFileInfo(profile.absolutePath()).isDir() || !QDir().mkpath(profile.filePath()))
        return false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_path);
        m_open = db.open();
    }
    if (!m_open) {
        Close();
        return false;
    }
    if (!SetUp())
        return StartAfresh();
    return true;
}

void UrlHistory::Close()
{
    m_open = false;
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool UrlHistory::SetUp()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    // A file that is no database fails the first statement; a damaged one the check.
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() ||
        q.value(0).toString() != QLatin1String("ok"))
        return false;
    q.finish();
    return q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) &&
           q.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) &&
           q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS visits ("
                                 "url TEXT PRIMARY KEY, title TEXT NOT NULL, "
                                 "last_visit INTEGER NOT NULL, toplevel INTEGER NOT NULL)")) &&
           q.exec(QStringLiteral(
               "CREATE INDEX IF NOT EXISTS visits_by_time ON visits(last_visit DESC)"));
}

bool UrlHistory::StartAfresh()
{
    Close();
    // Kept beside the new one, so that nothing is lost for good.
    QString aside = m_path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + QStringLiteral(".damaged") + QString::number(n);
    QFile::rename(m_path, aside);
    for (const char* suffix : {"-wal", "-shm"})
        QFile::remove(m_path + QLatin1String(suffix));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_path);
        m_open = db.open();
    }
    if (m_open && SetUp())
        return true;
    Close();
    return false;
}

void UrlHistory::Record(const QString& url, const QString& title, const QDateTime& when)
{
    if (url.isEmpty())
        return;
    m_pending.append({url, title, when, true});
    if (m_pending.size() >= kFlushCount)
        Flush();
    else if (!m_flushTimer.isActive())
        m_flushTimer.start();
}

void UrlHistory::Flush()
{
    m_flushTimer.stop();
    if (m_pending.isEmpty() || !Open())
        return;
    // A store that still passes its check keeps the visits for the next try.
    if (WritePending() || (!SetUp() && StartAfresh() && WritePending()))
        m_pending.clear();
}

bool UrlHistory::WritePending()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("INSERT INTO visits(url, title, last_visit, toplevel) VALUES(?, ?, ?, ?) "
                       "ON CONFLICT(url) DO UPDATE SET "
                       "title = CASE WHEN excluded.title <> '' THEN excluded.title ELSE title END, "
                       "last_visit = excluded.last_visit, toplevel = excluded.toplevel"));
    for (const UrlHistoryEntry& e : std::as_const(m_pending)) {
        q.addBindValue(e.url);
        q.addBindValue(e.title.isNull() ? QString(QLatin1String("")) : e.title);
        q.addBindValue(e.lastVisit.toMSecsSinceEpoch());
        q.addBindValue(e.topLevel ? 1 : 0);
        if (!q.exec()) {
            db.rollback();
            return false;
        }
    }
    return db.commit();
}

QList<UrlHistoryEntry> UrlHistory::Entries(const QString& prefix)
{
    Flush();
    QList<UrlHistoryEntry> entries;
    if (!Open())
        return entries;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT url, title, last_visit FROM visits WHERE toplevel = 1 "
                               "ORDER BY last_visit DESC, url")))
        return entries;
    // In UTC: a local time would look at the zone file again for every row.
    while (q.next()) {
        QString url = q.value(0).toString();
        if (!url.startsWith(prefix))
            continue;
        entries.append({std::move(url), q.value(1).toString(),
                        QDateTime::fromMSecsSinceEpoch(q.value(2).toLongLong(), Qt::UTC), true});
    }
    return entries;
}

bool UrlHistory::ClearHistory()
{
    m_flushTimer.stop();
    m_pending.clear();
    if (!Open())
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    return q.exec(QStringLiteral("DELETE FROM visits")) || StartAfresh();
}
