#include "security/PrivacyStore.h"

#include "security/ZoneStore.h"

namespace PrivacyStore {

namespace {

constexpr int kSiteNameLength = 779;
const CookieRule kBlocked{false, Fate::Drop, Fate::Drop};

bool IsLevel(uint32_t level)
{
    return level <= kAcceptAll;
}

// The decision stored for the most specific site that host belongs to.
std::optional<int> SiteDecisionFor(const QList<PrivacyIni::SiteDecision>& sites,
                                   const QString& host)
{
    std::optional<int> found;
    qsizetype longest = -1;
    for (const PrivacyIni::SiteDecision& entry : sites) {
        const QString& site = entry.site;
        const bool covers =
            host.compare(site, Qt::CaseInsensitive) == 0 ||
            (host.endsWith(site, Qt::CaseInsensitive) && host.size() > site.size() &&
             host.at(host.size() - site.size() - 1) == QLatin1Char('.'));
        if (covers && site.size() > longest) {
            longest = site.size();
            found = entry.decision;
        }
    }
    return found;
}

// No compact policies on this engine: a level grades by where a cookie
// comes from and how long it wants to stay.
CookieRule LevelRule(uint32_t level, bool thirdParty)
{
    if (!IsLevel(level))
        level = kMedium;
    if (thirdParty) {
        if (level == kLow)
            return {true, Fate::Session, Fate::Keep};
        return level == kAcceptAll ? CookieRule{} : kBlocked;
    }
    switch (level) {
    case kBlockAll:
        return kBlocked;
    case kHigh:
        return {true, Fate::Drop, Fate::Keep};
    case kMediumHigh:
        return {true, Fate::Session, Fate::Keep};
    default:
        return {};
    }
}

std::optional<CookieRule> SiteRule(int decision, bool thirdParty)
{
    switch (decision) {
    case kAccept:
        return CookieRule{};
    // The engine cannot ask the user, so asking refuses.
    case kAsk:
    case kReject:
        return kBlocked;
    case kFirstPartyOnly:
        return thirdParty ? kBlocked : CookieRule{};
    case kSessionOnly:
        return CookieRule{true, Fate::Session, Fate::Keep};
    default:
        return std::nullopt;
    }
}

} // namespace

uint32_t Template(int type)
{
    return PrivacyIni::Template(kInternetZone, type).value_or(kMedium);
}

bool SetLevel(uint32_t level)
{
    return PrivacyIni::SetTemplate(kInternetZone, kTypeFirstParty, level) &&
           PrivacyIni::SetTemplate(kInternetZone, kTypeThirdParty, level);
}

std::optional<uint32_t> CommonLevel(uint32_t firstParty, uint32_t thirdParty)
{
    if (firstParty != thirdParty || !IsLevel(firstParty))
        return std::nullopt;
    return firstParty;
}

QString SiteName(const QString& domain)
{
    const qsizetype www = domain.indexOf(QLatin1String("www."));
    const QString site = www < 0 ? domain : domain.mid(www + 4);
    return site.left(kSiteNameLength);
}

QString DecisionText(int state)
{
    switch (state) {
    case kAccept:
        return QStringLiteral("Cookie受諾");
    case kAsk:
        return QStringLiteral("プロンプト");
    case kFirstPartyOnly:
        return QStringLiteral("ファーストパーティー");
    case kSessionOnly:
        return QStringLiteral("セッションクッキー");
    case kReject:
        return QStringLiteral("Cookie拒絶");
    default:
        return QStringLiteral("不明");
    }
}

std::optional<int> Decision(const QString& site)
{
    for (const PrivacyIni::SiteDecision& entry : PrivacyIni::SiteDecisions())
        if (entry.site.compare(site, Qt::CaseInsensitive) == 0)
            return entry.decision;
    return std::nullopt;
}

bool SetDecision(const QString& site, int state)
{
    return PrivacyIni::SetSiteDecision(site, state);
}

QString CoveringSite(const QStringList& stored, const QString& host)
{
    for (const QString& site : stored)
        if (!site.isEmpty() && host.contains(site, Qt::CaseInsensitive))
            return site;
    return QString();
}

QStringList StoredSites()
{
    QStringList sites;
    for (const PrivacyIni::SiteDecision& entry : PrivacyIni::SiteDecisions())
        sites.append(entry.site);
    return sites;
}

CookiePolicy LoadPolicy()
{
    CookiePolicy policy;
    policy.firstParty = Template(kTypeFirstParty);
    policy.thirdParty = Template(kTypeThirdParty);
    policy.sites = PrivacyIni::SiteDecisions();
    policy.zonePersistent = ZoneStore::Checked(ZoneStore::Switch::Cookies);
    policy.zoneSession = ZoneStore::Checked(ZoneStore::Switch::SessionCookies);
    return policy;
}

CookieRule Decide(const CookiePolicy& policy, const QString& host, bool thirdParty)
{
    // A decision for the site beats the level and the zone's switches.
    if (const std::optional<int> decision = SiteDecisionFor(policy.sites, host))
        if (const std::optional<CookieRule> rule = SiteRule(*decision, thirdParty))
            return *rule;
    CookieRule rule = LevelRule(thirdParty ? policy.thirdParty : policy.firstParty, thirdParty);
    if (!rule.allowed)
        return rule;
    if (!policy.zonePersistent)
        rule.persistent = Fate::Drop;
    if (!policy.zoneSession)
        rule.session = Fate::Drop;
    return rule.persistent == Fate::Drop && rule.session == Fate::Drop ? kBlocked : rule;
}

} // namespace PrivacyStore
