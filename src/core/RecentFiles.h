#pragma once

#include <QStringList>

// The files opened last, newest first, kept in the application profile.
namespace RecentFiles {

constexpr int kCount = 4;

QStringList Load();
void Add(const QString& path);

} // namespace RecentFiles
