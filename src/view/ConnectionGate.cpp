#include "view/ConnectionGate.h"

#include "view/CookieGate.h"

#include <QMutex>
#include <QSet>

#include <atomic>

namespace {

// The engine may ask from a thread of its own.
std::atomic<bool> g_online{true};
std::atomic<bool> g_requested{false};
std::atomic<bool> g_firstAsksCookies{false};
QMutex g_exemptLock;
QUrl g_exempt;

bool IsNetworkScheme(const QString& scheme)
{
    static const QSet<QString> kSchemes = {QStringLiteral("http"), QStringLiteral("https"),
                                           QStringLiteral("ws"), QStringLiteral("wss"),
                                           QStringLiteral("ftp")};
    return kSchemes.contains(scheme.toLower());
}

} // namespace

bool ConnectionGate::IsOnline()
{
    return g_online;
}

void ConnectionGate::SetOnline(bool online)
{
    g_online = online;
}

bool ConnectionGate::EngineHasRequested()
{
    return g_requested;
}

bool ConnectionGate::FirstRequestSent()
{
    return g_requested && (!g_firstAsksCookies || CookieGate::HasAnswered());
}

void ConnectionGate::SetExempt(const QUrl& url)
{
    QMutexLocker lock(&g_exemptLock);
    g_exempt = url;
}

bool ConnectionGate::Refuses(bool online, const QUrl& url)
{
    return !online && IsNetworkScheme(url.scheme());
}

ConnectionGate::ConnectionGate(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}

void ConnectionGate::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    if (!g_requested) {
        const QString scheme = info.requestUrl().scheme();
        g_firstAsksCookies = scheme == QLatin1String("http") || scheme == QLatin1String("https");
        g_requested = true;
    }
    if (!Refuses(IsOnline(), info.requestUrl()))
        return;
    {
        QMutexLocker lock(&g_exemptLock);
        if (!g_exempt.isEmpty() && info.requestUrl() == g_exempt)
            return;
    }
    info.block(true);
}
