#include "core/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

QString ExecutableDir()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

// A portable copy keeps its settings beside the program; an installed or
// freshly built one does not, so a rebuild or an update never takes them away.
bool HoldsSettings(const QString& dir)
{
    const QStringList names = QDir(dir).entryList(QDir::Files);
    return std::any_of(names.begin(), names.end(), [](const QString& name) {
        return name.compare(QLatin1String("Tablist.ini"), Qt::CaseInsensitive) == 0 ||
               name.compare(QLatin1String("Security.ini"), Qt::CaseInsensitive) == 0;
    });
}

QString Fallback()
{
    QString exeDir = ExecutableDir();
    if (!exeDir.isEmpty() && HoldsSettings(exeDir))
        return exeDir;
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Zelvo");
}

QString WithoutTrailingSeparator(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace

namespace ProgramDir {

QString Path()
{
    QString home = qEnvironmentVariable("ZELVO_HOME");
    if (!home.isEmpty())
        return WithoutTrailingSeparator(home);
    static const QString fallback = WithoutTrailingSeparator(Fallback());
    return fallback;
}

bool Prepare()
{
    const QString dir = Path();
    if (!QDir().mkpath(dir))
        return false;
    QDirIterator it(QStringLiteral(":/data"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = dir + source.mid(QStringLiteral(":/data").size());
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).path());
        if (QFile::copy(source, target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
    }
    return true;
}

QString EngineProfilePath()
{
    return Path() + QStringLiteral("/profile");
}

} // namespace ProgramDir

QString SettingsPath(const QString& name)
{
    QString rel = name;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    while (rel.contains(QStringLiteral("//")))
        rel.replace(QStringLiteral("//"), QStringLiteral("/"));
    return ProgramDir::Path() + QLatin1Char('/') + rel;
}
