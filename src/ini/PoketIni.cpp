#include "ini/PoketIni.h"

#include "core/ProfileStore.h"
#include "core/ProgramDir.h"

#include <QFile>

namespace {

constexpr const char* kSection = "Poket";

QString Path()
{
    return SettingsPath(QStringLiteral("poket.ini"));
}

} // namespace

namespace PoketIni {

int Count()
{
    return GetPrivateProfileIntA(kSection, "count", 0, Path());
}

QString Address(int key, int size)
{
    return ProfileStore::GetText(kSection, QByteArray::number(key).constData(), QString(), size,
                                 Path());
}

bool Append(const QString& address)
{
    const int count = Count() + 1;
    ProfileStore::Batch batch(Path());
    batch.SetInt(kSection, "count", count)
        .SetText(kSection, QByteArray::number(count).constData(), address);
    return batch.Commit();
}

bool Clear()
{
    const QString path = Path();
    WritePrivateProfileStringA(kSection, nullptr, nullptr, path);
    const QString onDisk = ProfileStore::ResolvePath(path);
    return !QFile::exists(onDisk) || QFile::remove(onDisk);
}

} // namespace PoketIni
