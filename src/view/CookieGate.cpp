#include "view/CookieGate.h"

#include "security/PrivacyStore.h"

#include <atomic>
#include <QDateTime>
#include <QMutex>
#include <QNetworkCookie>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

namespace {

using PrivacyStore::CookieRule;
using PrivacyStore::Fate;
using Outcome = CookieRecord::Outcome;

// The filter runs on the engine's network thread: it reads and records
// under this lock and never touches the stores on disk.
struct Access {
    CookieRule rule;
    QString page;
    bool thirdParty = false;
};
QMutex g_lock;
PrivacyStore::CookiePolicy g_policy;
// The last decision per host, for the cookies it lets through.
QHash<QString, Access> g_recent;
QHash<QString, QList<CookieRecord>> g_pages;
// A long run keeps the report of this many sites, and the decisions for
// this many hosts, at most.
constexpr qsizetype kPagesKept = 256;
constexpr qsizetype kHostsKept = 1024;

CookieGate* g_gate = nullptr;

QString SiteOf(const QUrl& url)
{
    return url
        .adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment |
                  QUrl::RemoveUserInfo)
        .toString();
}

void Record(const QString& page, const CookieRecord& record)
{
    if (!g_pages.contains(page) && g_pages.size() >= kPagesKept)
        g_pages.clear();
    QList<CookieRecord>& records = g_pages[page];
    for (CookieRecord& known : records) {
        if (known.site == record.site && known.name == record.name) {
            known.outcome = record.outcome;
            return;
        }
    }
    records.append(record);
}

std::atomic<bool> g_answered = false;

bool Filter(const QWebEngineCookieStore::FilterRequest& request)
{
    g_answered = true;
    const QString host = request.origin.host();
    const QString page =
        SiteOf(request.firstPartyUrl.isEmpty() ? request.origin : request.firstPartyUrl);
    QMutexLocker lock(&g_lock);
    const CookieRule rule = PrivacyStore::Decide(g_policy, host, request.thirdParty);
    if (!g_recent.contains(host) && g_recent.size() >= kHostsKept)
        g_recent.clear();
    g_recent.insert(host, {rule, page, request.thirdParty});
    if (!rule.allowed)
        Record(page, {host, QString(), Outcome::Refused});
    return rule.allowed;
}

// The access that let a cookie of that domain through: its own host's, else
// that of a host below the domain.
std::optional<std::pair<QString, Access>> AccessFor(const QString& domain)
{
    const QString bare = domain.startsWith(QLatin1Char('.')) ? domain.mid(1) : domain;
    const auto exact = g_recent.constFind(bare);
    if (exact != g_recent.constEnd())
        return std::pair{exact.key(), exact.value()};
    const QString suffix = QLatin1Char('.') + bare;
    for (auto it = g_recent.constBegin(); it != g_recent.constEnd(); ++it)
        if (it.key().endsWith(suffix, Qt::CaseInsensitive))
            return std::pair{it.key(), it.value()};
    return std::nullopt;
}

QUrl OriginOf(const QNetworkCookie& cookie)
{
    QString host = cookie.domain();
    if (host.startsWith(QLatin1Char('.')))
        host.remove(0, 1);
    QUrl origin;
    origin.setScheme(cookie.isSecure() ? QStringLiteral("https") : QStringLiteral("http"));
    origin.setHost(host);
    origin.setPath(cookie.path().isEmpty() ? QStringLiteral("/") : cookie.path());
    return origin;
}

} // namespace

void CookieGate::Install(QWebEngineProfile& profile)
{
    {
        QMutexLocker lock(&g_lock);
        g_recent.clear();
        g_pages.clear();
    }
    g_gate = new CookieGate(profile);
    Reload();
}

bool CookieGate::HasAnswered()
{
    return g_answered;
}

CookieGate* CookieGate::Instance()
{
    return g_gate;
}

void CookieGate::Reload()
{
    PrivacyStore::CookiePolicy policy = PrivacyStore::LoadPolicy();
    QMutexLocker lock(&g_lock);
    g_policy = std::move(policy);
}

QList<CookieRecord> CookieGate::Report(const QUrl& pageUrl) const
{
    QMutexLocker lock(&g_lock);
    return g_pages.value(SiteOf(pageUrl));
}

QString CookieGate::Key(const QNetworkCookie& cookie)
{
    return QString::fromUtf8(cookie.name()) + QLatin1Char(';') + cookie.domain() +
           QLatin1Char(';') + cookie.path();
}

CookieGate::CookieGate(QWebEngineProfile& profile)
    : QObject(&profile), m_store(profile.cookieStore())
{
    m_store->setCookieFilter(Filter);
    connect(m_store, &QWebEngineCookieStore::cookieAdded, this, &CookieGate::OnCookieAdded);
    connect(m_store, &QWebEngineCookieStore::cookieRemoved, this, &CookieGate::OnCookieRemoved);
    connect(this, &QObject::destroyed, [] { g_gate = nullptr; });
    m_store->loadAllCookies();
}

void CookieGate::OnCookieAdded(const QNetworkCookie& cookie)
{
    const QString key = Key(cookie);
    m_cookies.insert(key, cookie);
    if (m_adding.remove(key))
        return;
    Fate fate = Fate::Keep;
    bool thirdParty = false;
    {
        QMutexLocker lock(&g_lock);
        const auto access = AccessFor(cookie.domain());
        if (!access)
            return;
        const CookieRule& rule = access->second.rule;
        thirdParty = access->second.thirdParty;
        fate = cookie.isSessionCookie() ? rule.session : rule.persistent;
        if (fate == Fate::Session && cookie.isSessionCookie())
            fate = Fate::Keep;
        const Outcome outcome = fate == Fate::Keep      ? Outcome::Accepted
                                : fate == Fate::Session ? Outcome::Session
                                                        : Outcome::Refused;
        Record(access->second.page, {access->first, QString::fromUtf8(cookie.name()), outcome});
    }
    if (fate != Fate::Keep)
        Rework(cookie, fate == Fate::Session, thirdParty);
}

void CookieGate::OnCookieRemoved(const QNetworkCookie& cookie)
{
    const QString key = Key(cookie);
    m_removing.remove(key);
    m_cookies.remove(key);
}

// The engine has no way to take a cookie for the session only: the cookie
// goes, and a copy without an expiry date comes back.
void CookieGate::Rework(const QNetworkCookie& cookie, bool keepForSession, bool thirdParty)
{
    const QUrl origin = OriginOf(cookie);
    const QString key = Key(cookie);
    m_removing.insert(key);
    m_store->deleteCookie(cookie, origin);
    if (!keepForSession)
        return;
    QNetworkCookie copy = cookie;
    copy.setExpirationDate(QDateTime());
    // The engine does not say how a cookie is shared; one set for another
    // site's page was shared with every site, or the engine had refused it.
    if (thirdParty)
        copy.setSameSitePolicy(QNetworkCookie::SameSite::None);
    Put(copy);
}

void CookieGate::Put(const QNetworkCookie& cookie)
{
    m_adding.insert(Key(cookie));
    m_store->setCookie(cookie, OriginOf(cookie));
}

QList<QNetworkCookie> CookieGate::SessionCookies() const
{
    QList<QNetworkCookie> cookies;
    for (const QNetworkCookie& cookie : m_cookies)
        if (cookie.isSessionCookie())
            cookies.append(cookie);
    return cookies;
}
