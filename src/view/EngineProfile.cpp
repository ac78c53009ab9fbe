#include "view/EngineProfile.h"

#include "core/ProgramDir.h"

#include <QDir>
#include <QWebEngineProfile>

namespace {

QWebEngineProfile* g_profile = nullptr;
QString g_defaultUserAgent;

} // namespace

QWebEngineProfile* EngineProfile::Instance()
{
    if (g_profile)
        return g_profile;
    const QString path = ProgramDir::EngineProfilePath();
    QDir().mkpath(path);
    g_profile = new QWebEngineProfile(QStringLiteral("Zelvo"));
    g_profile->setPersistentStoragePath(path);
    g_profile->setCachePath(path + QStringLiteral("/cache"));
    g_profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    g_profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    g_defaultUserAgent = g_profile->httpUserAgent();
    return g_profile;
}

void EngineProfile::Shutdown()
{
    delete g_profile;
    g_profile = nullptr;
}

QString EngineProfile::DefaultUserAgent()
{
    Instance();
    return g_defaultUserAgent;
}
