#pragma once

#include "ini/PrivacyIni.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The cookie privacy of the Internet zone as the browser's cookie menus see it:
// one of six levels for cookies of the site itself and of other sites, and
// decisions stored per site, kept in the per-user privacy store beside the
// zones, and what the engine does with a cookie under them.
namespace PrivacyStore {

constexpr int kInternetZone = 3;
constexpr int kTypeFirstParty = 0;
constexpr int kTypeThirdParty = 1;

// The levels, from refusing every cookie to accepting every one.
constexpr uint32_t kBlockAll = 0;
constexpr uint32_t kHigh = 1;
constexpr uint32_t kMediumHigh = 2;
constexpr uint32_t kMedium = 3;
constexpr uint32_t kLow = 4;
constexpr uint32_t kAcceptAll = 5;

// Stored per-site states.
constexpr int kNoDecision = 0;
constexpr int kAccept = 1;
constexpr int kAsk = 2;
constexpr int kFirstPartyOnly = 3;
constexpr int kSessionOnly = 4;
constexpr int kReject = 5;

// The zone's template for one cookie type; medium where none is stored.
uint32_t Template(int type);
// Both types, the site's own first; false at the first write that failed.
bool SetLevel(uint32_t level);
// The level both types share; nothing when they differ or hold no level.
std::optional<uint32_t> CommonLevel(uint32_t firstParty, uint32_t thirdParty);

// The name a page's domain is stored under: what follows its first "www.".
QString SiteName(const QString& domain);
QString DecisionText(int state);
std::optional<int> Decision(const QString& site);
bool SetDecision(const QString& site, int state);
// The first stored name that occurs in host; empty when none does.
QString CoveringSite(const QStringList& stored, const QString& host);
QStringList StoredSites();

// What becomes of one kind of cookie.
enum class Fate { Keep, Session, Drop };

// The decision for one cookie access: whether it may happen at all, and what
// becomes of the persistent and the session cookies it sets.
struct CookieRule {
    bool allowed = true;
    Fate persistent = Fate::Keep;
    Fate session = Fate::Keep;
    bool operator==(const CookieRule&) const = default;
};

// Everything a cookie decision reads, taken from the stores at once.
struct CookiePolicy {
    uint32_t firstParty = kMedium;
    uint32_t thirdParty = kMedium;
    QList<PrivacyIni::SiteDecision> sites;
    // The zone's older switches: cookies kept on disk, cookies of the session.
    bool zonePersistent = true;
    bool zoneSession = true;
};
CookiePolicy LoadPolicy();

CookieRule Decide(const CookiePolicy& policy, const QString& host, bool thirdParty);

} // namespace PrivacyStore
