#include "view/EngineProfile.h"

#include "core/ProgramDir.h"
#include "view/ConnectionGate.h"
#include "view/CookieGate.h"
#include "view/EngineProxy.h"

#include <QDir>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

QWebEngineProfile* g_profile = nullptr;
QString g_defaultUserAgent;

const QString kJapaneseGothic = QStringLiteral("IPAGothic");

// The engine reads its locale once, when its first profile is made: its error
// pages and built-in texts then come in Japanese.
void StartEngineInJapanese()
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--lang="))
        return;
    if (!flags.isEmpty())
        flags += ' ';
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + "--lang=ja");
}

// What a browser on a Japanese system sets up.
void SetJapaneseDefaults(QWebEngineProfile& profile)
{
    profile.setHttpAcceptLanguage(EngineProfile::kAcceptLanguage);
    QWebEngineSettings* settings = profile.settings();
    settings->setFontFamily(QWebEngineSettings::StandardFont, kJapaneseGothic);
    settings->setFontFamily(QWebEngineSettings::SansSerifFont, kJapaneseGothic);
}

} // namespace

QWebEngineProfile* EngineProfile::Instance()
{
    if (g_profile)
        return g_profile;
    const QString path = ProgramDir::EngineProfilePath();
    QDir().mkpath(path);
    StartEngineInJapanese();
    g_profile = new QWebEngineProfile(QStringLiteral("Zelvo"));
    g_profile->setPersistentStoragePath(path);
    g_profile->setCachePath(path + QStringLiteral("/cache"));
    g_profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    g_profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
    g_defaultUserAgent = g_profile->httpUserAgent();
    SetJapaneseDefaults(*g_profile);
    // Owned by the profile; the pages' own interceptors run after it.
    g_profile->setUrlRequestInterceptor(new ConnectionGate(g_profile));
    CookieGate::Install(*g_profile);
    return g_profile;
}

void EngineProfile::Shutdown()
{
    EngineProxy::Release();
    delete g_profile;
    g_profile = nullptr;
}

QString EngineProfile::DefaultUserAgent()
{
    Instance();
    return g_defaultUserAgent;
}
