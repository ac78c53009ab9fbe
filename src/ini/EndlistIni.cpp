#include "ini/EndlistIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

#include <QFile>

namespace {

QString Path()
{
    return SettingsPath(QStringLiteral("Endlist.ini"));
}

} // namespace

namespace EndlistIni {

int TabCount()
{
    return GetPrivateProfileIntA("Endlist", "tab_count", 0, Path());
}

QString Tab(int i)
{
    return ProfileStore::GetText("Endlist", QByteArray::number(i).constData(), QString(), 780,
                                 Path());
}

int WindowSize()
{
    return GetPrivateProfileIntA("Window", "size", 0, Path());
}

void Remove()
{
    QFile::remove(ProfileStore::ResolvePath(Path()));
}

bool Save(const QStringList& urls, bool maximized)
{
    // An empty "0" first, as the list has always begun.
    ProfileStore::Batch batch(Path());
    batch.Set("Endlist", "0", "");
    if (!urls.isEmpty())
        batch.SetInt("Endlist", "tab_count", static_cast<int>(urls.size()));
    for (int i = 0; i < urls.size(); ++i)
        batch.SetText("Endlist", QByteArray::number(i + 1).constData(), urls[i]);
    return batch.Set("Window", "size", maximized ? "1" : "0").Commit();
}

} // namespace EndlistIni
