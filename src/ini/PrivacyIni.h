#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// privacy.ini in the user's configuration folder, beside zones.ini: the
// privacy template of each zone for cookies of the site itself (type 0) and of
// other sites (type 1), and the cookie decisions stored per site. Every Zelvo
// process of the user shares the file, so each call reads or writes it anew.
namespace PrivacyIni {

QString Path();

// Nothing when the key is missing or not a number.
std::optional<uint32_t> Template(int zone, int type);
bool SetTemplate(int zone, int type, uint32_t level);

struct SiteDecision {
    QString site;
    int decision = 0;
};
// The stored decisions in the file's order.
QList<SiteDecision> SiteDecisions();
// Decision 0 removes the site's entry.
bool SetSiteDecision(const QString& site, int decision);

} // namespace PrivacyIni
