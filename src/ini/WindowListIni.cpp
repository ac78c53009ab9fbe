#include "ini/WindowListIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

namespace {

QString Path()
{
    return SettingsPath(QStringLiteral("Window_List.ini"));
}

} // namespace

namespace WindowListIni {

int Count()
{
    return GetPrivateProfileIntA("Window_count", "count", 0, Path());
}

QString Title(int position)
{
    return ProfileStore::GetText("Window_List", QByteArray::number(position).constData(), QString(),
                                 520, Path());
}

bool Save(const QMap<int, QString>& titles)
{
    if (titles.isEmpty())
        return true;
    ProfileStore::Batch batch(Path());
    batch.SetInt("Window_count", "count", titles.lastKey());
    for (auto it = titles.cbegin(); it != titles.cend(); ++it)
        batch.SetText("Window_List", QByteArray::number(it.key()).constData(), it.value());
    return batch.Commit();
}

} // namespace WindowListIni
