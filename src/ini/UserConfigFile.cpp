#include "ini/UserConfigFile.h"

#include "core/ProfileStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace UserConfigFile {

QString Path(const char* name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Zelvo/") + QLatin1String(name);
}

bool MakeFolder(const QString& path)
{
    return QDir().mkpath(QFileInfo(path).path());
}

std::optional<uint32_t> Number(const QString& path, const QByteArray& section,
                               const QByteArray& key)
{
    const QByteArray text =
        ProfileStore::GetString(section.constData(), key.constData(), "", 32, path);
    bool ok = false;
    const uint32_t value = text.toUInt(&ok);
    return ok ? std::optional<uint32_t>(value) : std::nullopt;
}

bool SetNumber(const QString& path, const QByteArray& section, const QByteArray& key,
               uint32_t value)
{
    return MakeFolder(path) &&
           ProfileStore::Batch(path)
               .Set(section.constData(), key.constData(), QByteArray::number(value))
               .Commit();
}

} // namespace UserConfigFile
