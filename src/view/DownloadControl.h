#pragma once

#include "security/ZoneStore.h"

#include <QUrl>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>

class QWebEngineSettings;

// Bits of the download-control word, the values the settings files were
// written with.
constexpr quint32 DLCTL_DLIMAGES = 0x10;
constexpr quint32 DLCTL_VIDEOS = 0x20;
constexpr quint32 DLCTL_BGSOUNDS = 0x40;
constexpr quint32 DLCTL_NO_SCRIPTS = 0x80;
constexpr quint32 DLCTL_NO_JAVA = 0x100;
constexpr quint32 DLCTL_NO_RUNACTIVEXCTLS = 0x200;
constexpr quint32 DLCTL_NO_DLACTIVEXCTLS = 0x400;
constexpr quint32 DLCTL_PRAGMA_NO_CACHE = 0x4000;

// The word a view uses when its owner gives none: everything loads and runs.
constexpr quint32 kDefaultDownloadControl = DLCTL_DLIMAGES | DLCTL_VIDEOS | DLCTL_BGSOUNDS;

// One page's download-control word: the engine settings it implies, and the
// requests it blocks or marks as it watches the page's traffic.
class DownloadControl : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT

public:
    struct PageSettings {
        bool scripts = true;
        bool images = true;
        // The engine has one switch for embedded objects; Java applets and
        // ActiveX controls were both such objects, so either bit turns it off.
        bool plugins = true;
    };

    enum class Media { Video, Sound };

    // The zone can forbid what the word allows, never the other way round.
    static PageSettings SettingsFor(quint32 word, const ZoneStore::EngineSwitches& zone = {});
    // Media requests carry no kind of their own; the file name tells.
    static Media MediaKind(const QUrl& url);
    static bool Blocks(quint32 word, QWebEngineUrlRequestInfo::ResourceType type, const QUrl& url);
    static bool BypassesCache(quint32 word) { return word & DLCTL_PRAGMA_NO_CACHE; }

    explicit DownloadControl(QObject* parent = nullptr);

    quint32 word() const { return m_word; }
    void apply(quint32 word, const ZoneStore::EngineSwitches& zone, QWebEngineSettings* settings);

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    quint32 m_word = kDefaultDownloadControl;
};
