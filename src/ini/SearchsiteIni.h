#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Searchsite.ini: the search sites ([Searchsite] `count`, "name_%d" and
// "url_%d" for 1 … count) and the two halves of each translation service's
// address ([Trancelate], [Trancelate2], [Trancelate3]: `url_1`, `url_2`).
namespace SearchsiteIni {

struct Site {
    QString name;
    QString url;
};

// `count` as the original read it: a string, default "0", converted with the
// C library's rules (leading blanks and sign, then digits; clamped to int).
int Count();

// Sites 1 … count in file order. A count larger than the keys present is cut
// to the highest numbered key, and to kMaxSites, so a hostile count never hangs.
QList<Site> Sites();
constexpr int kMaxSites = 1000;

QString Name(int i);
QString Url(int i);

// Appends a site as number count + 1 and sets `count` to it; its number.
qint64 AddSite(const QString& name, const QString& url);

// `url_1` and `url_2` of a translation section.
QByteArray TranslationPrefix(const QByteArray& section);
QByteArray TranslationSuffix(const QByteArray& section);

// Replaces the section with these sites, numbered from 1 with `count` first;
// the other sections are kept.
bool SaveSites(const QList<Site>& sites);
} // namespace SearchsiteIni
