#pragma once

#include "ini/SearchsiteIni.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The decisions of the address and search bars, free of widgets.
namespace SearchRules {

// What a search-site name stands for.
enum class SiteKind { Site, Separator, AllSites };
SiteKind KindOf(const QString& name);

// Addresses an all-sites search opens, in site order: every site whose name
// occurs in namesText (the all-sites entry's "url_%d" text) and that has an
// address, followed by the words.
QStringList AllSitesTargets(const QList<SearchsiteIni::Site>& sites, const QString& namesText,
                            const QString& words);

// The address in canonical form, unsafe characters escaped; none when it is
// not an absolute address or does not fit the 1000-byte buffer it was made for.
std::optional<QByteArray> CanonicalizeUrl(const QString& url);

// "http://www." + typed + ending, for the completion commands.
QString CompleteAddress(const QString& typed, const QString& ending);

} // namespace SearchRules
