#include "core/RecentFiles.h"

#include <QSettings>

namespace {

QSettings& Profile(QSettings& settings)
{
    settings.beginGroup(QStringLiteral("Recent File List"));
    return settings;
}

} // namespace

namespace RecentFiles {

QStringList Load()
{
    QSettings settings(QStringLiteral("Zelvo"), QStringLiteral("Zelvo"));
    Profile(settings);
    QStringList files;
    for (int i = 1; i <= kCount; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty())
            files.append(file);
    }
    return files;
}

void Add(const QString& path)
{
    QStringList files = Load();
    files.removeAll(path);
    files.prepend(path);
    QSettings settings(QStringLiteral("Zelvo"), QStringLiteral("Zelvo"));
    Profile(settings);
    for (int i = 1; i <= kCount; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files.size())
            settings.setValue(key, files[i - 1]);
        else
            settings.remove(key);
    }
}

} // namespace RecentFiles
