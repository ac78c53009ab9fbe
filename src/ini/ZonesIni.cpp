#include "ini/ZonesIni.h"

#include "ini/UserConfigFile.h"

namespace {

QByteArray Section(int zone)
{
    return QByteArray::number(zone);
}

QByteArray ActionKey(uint32_t action)
{
    return QByteArray::number(action, 16).toUpper();
}

std::optional<uint32_t> Read(int zone, const QByteArray& key)
{
    return UserConfigFile::Number(ZonesIni::Path(), Section(zone), key);
}

bool Write(int zone, const QByteArray& key, uint32_t value)
{
    return UserConfigFile::SetNumber(ZonesIni::Path(), Section(zone), key, value);
}

} // namespace

namespace ZonesIni {

QString Path()
{
    return UserConfigFile::Path("zones.ini");
}

std::optional<uint32_t> Policy(int zone, uint32_t action)
{
    return Read(zone, ActionKey(action));
}

bool SetPolicy(int zone, uint32_t action, uint32_t policy)
{
    return Write(zone, ActionKey(action), policy);
}

std::optional<uint32_t> CurrentLevel(int zone)
{
    return Read(zone, "CurrentLevel");
}

bool SetCurrentLevel(int zone, uint32_t level)
{
    return Write(zone, "CurrentLevel", level);
}

} // namespace ZonesIni
