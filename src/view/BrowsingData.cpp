#include "view/BrowsingData.h"

#include "view/CookieGate.h"
#include "view/EngineProfile.h"

#include <QDirIterator>
#include <QEventLoop>
#include <QRegularExpression>
#include <QTimer>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

#include <QPointer>

#include <functional>

namespace {

// Long enough for a large cache on a slow disk; a deletion that takes longer
// is reported as not done.
constexpr int kLimitMs = 60000;
constexpr int kLookEveryMs = 25;
// The engine replies that the cache is empty a moment after its files are
// gone, and only then starts its network anew; nothing tells when that is.
constexpr int kNetworkRestartMs = 750;

bool WaitFor(const std::function<bool()>& done)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    look.start(kLookEveryMs);
    QTimer::singleShot(kLimitMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

// The engine tells nobody when its cache is empty, so the files show it: an
// entry of the disk cache is a file named by its hash.
bool CacheHoldsEntries(const QString& cachePath)
{
    static const QRegularExpression kEntry(QStringLiteral("^[0-9a-f]{16}_[0-9s]$"));
    QDirIterator it(cachePath, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (kEntry.match(it.fileName()).hasMatch())
            return true;
    }
    return false;
}

} // namespace

namespace BrowsingData {

void ClearVisitedLinks()
{
    EngineProfile::Instance()->clearAllVisitedLinks();
}

bool ClearHttpCache()
{
    QWebEngineProfile* profile = EngineProfile::Instance();
    // The engine starts its network anew after clearing its cache, which ends
    // the cookies of the session; they are set again afterwards.
    const QPointer<CookieGate> gate = CookieGate::Instance();
    const QList<QNetworkCookie> session = gate ? gate->SessionCookies() : QList<QNetworkCookie>();
    profile->clearHttpCache();
    const QString path = profile->cachePath();
    const bool done = WaitFor([&path] { return !CacheHoldsEntries(path); });
    QEventLoop restart;
    QTimer::singleShot(kNetworkRestartMs, &restart, &QEventLoop::quit);
    restart.exec();
    if (gate)
        for (const QNetworkCookie& cookie : session)
            gate->Put(cookie);
    return done;
}

bool DeleteAllCookies()
{
    EngineProfile::Instance();
    QPointer<CookieGate> gate = CookieGate::Instance();
    if (!gate)
        return false;
    const QSet<QString> before = gate->StoredCookies();
    gate->Store()->deleteAllCookies();
    return WaitFor(
        [gate, &before] { return !gate->Settling() && !gate->StoredCookies().intersects(before); });
}

} // namespace BrowsingData
