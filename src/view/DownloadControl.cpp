#include "view/DownloadControl.h"

#include <QFileInfo>
#include <QWebEngineSettings>

DownloadControl::PageSettings DownloadControl::SettingsFor(quint32 word,
                                                           const ZoneStore::EngineSwitches& zone)
{
    PageSettings s;
    s.scripts = !(word & DLCTL_NO_SCRIPTS) && zone.scripts;
    s.images = word & DLCTL_DLIMAGES;
    s.plugins = !(word & (DLCTL_NO_JAVA | DLCTL_NO_RUNACTIVEXCTLS)) && zone.java;
    return s;
}

DownloadControl::Media DownloadControl::MediaKind(const QUrl& url)
{
    static const QStringList soundSuffixes = {
        QStringLiteral("mp3"), QStringLiteral("wav"),  QStringLiteral("wma"),
        QStringLiteral("mid"), QStringLiteral("midi"), QStringLiteral("ogg"),
        QStringLiteral("oga"), QStringLiteral("opus"), QStringLiteral("m4a"),
        QStringLiteral("aac"), QStringLiteral("flac"), QStringLiteral("weba"),
    };
    const QString suffix = QFileInfo(url.path()).suffix().toLower();
    return soundSuffixes.contains(suffix) ? Media::Sound : Media::Video;
}

bool DownloadControl::Blocks(quint32 word, QWebEngineUrlRequestInfo::ResourceType type,
                             const QUrl& url)
{
    if (type != QWebEngineUrlRequestInfo::ResourceTypeMedia)
        return false;
    const quint32 bit = MediaKind(url) == Media::Sound ? DLCTL_BGSOUNDS : DLCTL_VIDEOS;
    return !(word & bit);
}

DownloadControl::DownloadControl(QObject* parent) : QWebEngineUrlRequestInterceptor(parent) {}

void DownloadControl::apply(quint32 word, const ZoneStore::EngineSwitches& zone,
                            QWebEngineSettings* settings)
{
    m_word = word;
    const PageSettings s = SettingsFor(word, zone);
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, s.scripts);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, s.images);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, s.plugins);
}

void DownloadControl::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    if (Blocks(m_word, info.resourceType(), info.requestUrl())) {
        info.block(true);
        return;
    }
    // The request headers are what the engine's cache obeys, so this also
    // keeps it from answering out of the cache.
    if (BypassesCache(m_word)) {
        info.setHttpHeader("Pragma", "no-cache");
        info.setHttpHeader("Cache-Control", "no-cache");
    }
}
