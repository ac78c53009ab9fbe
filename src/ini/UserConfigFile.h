#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// The per-user files shared by every Zelvo process (zones, privacy), under
// $XDG_CONFIG_HOME/Zelvo: numbers in sections, the folder made on first write.
namespace UserConfigFile {

QString Path(const char* name);
bool MakeFolder(const QString& path);
std::optional<uint32_t> Number(const QString& path, const QByteArray& section,
                               const QByteArray& key);
bool SetNumber(const QString& path, const QByteArray& section, const QByteArray& key,
               uint32_t value);

} // namespace UserConfigFile
