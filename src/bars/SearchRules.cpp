#include "bars/SearchRules.h"

#include <QUrl>

namespace {

constexpr int kCanonicalBufferSize = 1000;

} // namespace

namespace SearchRules {

SiteKind KindOf(const QString& name)
{
    if (name.contains(QStringLiteral("全検索")))
        return SiteKind::AllSites;
    if (name == QLatin1String("-----"))
        return SiteKind::Separator;
    return SiteKind::Site;
}

QStringList AllSitesTargets(const QList<SearchsiteIni::Site>& sites, const QString& namesText,
                            const QString& words)
{
    // Compared as characters, not bytes: a double-byte name must not match
    // across the boundary of two characters of the text.
    QStringList targets;
    for (const SearchsiteIni::Site& site : sites)
        if (!site.name.isEmpty() && namesText.contains(site.name) && !site.url.isEmpty())
            targets.append(site.url + words);
    return targets;
}

std::optional<QByteArray> CanonicalizeUrl(const QString& url)
{
    const QUrl parsed(url, QUrl::TolerantMode);
    if (!parsed.isValid() || parsed.scheme().isEmpty())
        return std::nullopt;
    const QByteArray canonical = parsed.toEncoded();
    if (canonical.isEmpty() || canonical.size() >= kCanonicalBufferSize)
        return std::nullopt;
    return canonical;
}

QString CompleteAddress(const QString& typed, const QString& ending)
{
    return QStringLiteral("http://www.") + typed + ending;
}

} // namespace SearchRules
