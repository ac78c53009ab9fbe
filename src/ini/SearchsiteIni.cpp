#include "ini/SearchsiteIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

#include <algorithm>
#include <climits>

namespace {

constexpr const char* kSection = "Searchsite";
constexpr int kNameSize = 520;
constexpr int kUrlSize = 1000;
constexpr int kTranslationSize = 1000;

QString Path()
{
    return SettingsPath(QStringLiteral("Searchsite.ini"));
}

qint64 Atoi(const QByteArray& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    qint64 n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        n = std::min<qint64>(n * 10 + (text[i] - '0'), qint64(INT_MAX) + 1);
    return negative ? std::max<qint64>(-n, INT_MIN) : std::min<qint64>(n, INT_MAX);
}

// Highest i of any "name_i" or "url_i" key in the section.
int HighestKeyIndex(const QString& path)
{
    int highest = 0;
    for (const QByteArray& key : ProfileStore::KeyNames(kSection, path)) {
        const QByteArray lower = key.toLower();
        QByteArray digits;
        if (lower.startsWith("name_"))
            digits = lower.mid(5);
        else if (lower.startsWith("url_"))
            digits = lower.mid(4);
        bool ok = false;
        const int i = digits.toInt(&ok);
        if (ok && i > highest)
            highest = i;
    }
    return highest;
}

QByteArray Key(const char* prefix, qint64 i)
{
    return QByteArray(prefix) + QByteArray::number(i);
}

} // namespace

namespace SearchsiteIni {

int Count()
{
    return static_cast<int>(Atoi(ProfileStore::GetString(kSection, "count", "0", 260, Path())));
}

QString Name(int i)
{
    return ProfileStore::GetText(kSection, Key("name_", i).constData(), QString(), kNameSize,
                                 Path());
}

QString Url(int i)
{
    return ProfileStore::GetText(kSection, Key("url_", i).constData(), QString(), kUrlSize, Path());
}

QList<Site> Sites()
{
    const int count = Count();
    QList<Site> sites;
    if (count < 1)
        return sites;
    const int last = std::min({count, HighestKeyIndex(Path()), kMaxSites});
    for (int i = 1; i <= last; ++i)
        sites.append(Site{Name(i), Url(i)});
    return sites;
}

qint64 AddSite(const QString& name, const QString& url)
{
    const QString path = Path();
    const qint64 n = qint64(Count()) + 1;
    ProfileStore::Batch(path)
        .SetText(kSection, Key("url_", n).constData(), url)
        .SetText(kSection, Key("name_", n).constData(), name)
        .Set(kSection, "count", QByteArray::number(n))
        .Commit();
    return n;
}

QByteArray TranslationPrefix(const QByteArray& section)
{
    return ProfileStore::GetString(section.constData(), "url_1", "", kTranslationSize, Path());
}

QByteArray TranslationSuffix(const QByteArray& section)
{
    return ProfileStore::GetString(section.constData(), "url_2", "", kTranslationSize, Path());
}

bool SaveSites(const QList<Site>& sites)
{
    ProfileStore::Batch batch(Path());
    batch.RemoveSection(kSection);
    for (int i = 1; i <= sites.size(); ++i) {
        batch.SetInt(kSection, "count", i);
        batch.SetText(kSection, QByteArray("name_" + QByteArray::number(i)).constData(),
                      sites[i - 1].name);
        batch.SetText(kSection, QByteArray("url_" + QByteArray::number(i)).constData(),
                      sites[i - 1].url);
    }
    return batch.Commit();
}

} // namespace SearchsiteIni
