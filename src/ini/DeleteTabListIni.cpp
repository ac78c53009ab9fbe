#include "ini/DeleteTabListIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

#include <algorithm>

namespace {

constexpr const char* kSection = "DeleteTab";

QString Path()
{
    return SettingsPath(QStringLiteral("DeleteTab_List.ini"));
}

QByteArray Key(const char* prefix, int i)
{
    return QByteArray(prefix) + QByteArray::number(i);
}

} // namespace

namespace DeleteTabListIni {

int Count()
{
    return GetPrivateProfileIntA(kSection, "count", 0, Path());
}

QString Name(int i)
{
    return ProfileStore::GetText(kSection, Key("name_", i).constData(), QString(), 520, Path());
}

QString Url(int i)
{
    return ProfileStore::GetText(kSection, Key("url_", i).constData(), QString(), 780, Path());
}

bool Save(const QStringList& names, const QStringList& urls)
{
    ProfileStore::Batch batch(Path());
    const int n = static_cast<int>(std::min(names.size(), urls.size()));
    if (n > 0)
        batch.SetInt(kSection, "count", n);
    for (int i = 1; i <= n; ++i) {
        batch.SetText(kSection, Key("name_", i).constData(), names[i - 1])
            .SetText(kSection, Key("url_", i).constData(), urls[i - 1]);
    }
    return batch.Commit();
}

bool Clear()
{
    return WritePrivateProfileStringA(kSection, nullptr, nullptr, Path());
}

} // namespace DeleteTabListIni
