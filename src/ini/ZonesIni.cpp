#include "ini/ZonesIni.h"

#include "core/ProfileStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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
    const QByteArray text = ProfileStore::GetString(Section(zone).constData(), key.constData(), "",
                                                    32, ZonesIni::Path());
    bool ok = false;
    const uint32_t value = text.toUInt(&ok);
    return ok ? std::optional<uint32_t>(value) : std::nullopt;
}

bool Write(int zone, const QByteArray& key, uint32_t value)
{
    const QString path = ZonesIni::Path();
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    return ProfileStore::Batch(path)
        .Set(Section(zone).constData(), key.constData(), QByteArray::number(value))
        .Commit();
}

} // namespace

namespace ZonesIni {

QString Path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Zelvo/zones.ini");
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
