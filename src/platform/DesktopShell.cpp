#include "platform/DesktopShell.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>

namespace {

// What a program prints, or nothing when it cannot run or fails.
bool Run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished())
        return false;
    if (output)
        *output = process.readAllStandardOutput().trimmed();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString HomeDir()
{
    return QDir::homePath();
}

QString XdgDir(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? value : HomeDir() + fallback;
}

QString DesktopDir()
{
    QByteArray printed;
    if (Run(QStringLiteral("xdg-user-dir"), {QStringLiteral("DESKTOP")}, &printed)) {
        const QString dir = QString::fromLocal8Bit(printed);
        // The tool names the home folder itself when no desktop is set up.
        if (!dir.isEmpty() && QDir(dir) != QDir(HomeDir()) && QDir(dir).exists())
            return dir;
    }
    const QString fallback = HomeDir() + QStringLiteral("/Desktop");
    return QDir(fallback).exists() ? fallback : QString();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// Values of desktop entries escape backslashes, and Exec arguments go in quotes.
QByteArray ExecArgument(const QString& program)
{
    QString quoted = program;
    for (const char* special : {"\\", "\"", "`", "$"})
        quoted.replace(QLatin1String(special), QLatin1String("\\") + QLatin1String(special));
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    return quoted.replace(QLatin1String("\\"), QLatin1String("\\\\")).toUtf8();
}

} // namespace

namespace DesktopShell {

bool CreateDesktopShortcut(const QString& program, const QString& workingDir)
{
    const QString dir = DesktopDir();
    if (dir.isEmpty())
        return false;
    QByteArray entry = "[Desktop Entry]\nType=Application\nName=Zelvo\nComment=Zelvo\n";
    entry += "Exec=" + ExecArgument(program) + " %u\n";
    entry += "Path=" + workingDir.toUtf8() + "\n";
    entry += "Icon=zelvo\nTerminal=false\n";
    const QString path = dir + QStringLiteral("/Zelvo.desktop");
    if (!WriteFile(path, entry))
        return false;
    // Desktops start only launchers marked executable.
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
    return true;
}

bool ClearRecentDocuments()
{
    const QString path = XdgDir("XDG_DATA_HOME", QStringLiteral("/.local/share")) +
                         QStringLiteral("/recently-used.xbel");
    if (!QFile::exists(path))
        return true;
    return WriteFile(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                           "<xbel version=\"1.0\"\n"
                           "      xmlns:bookmark=\"http://www.freedesktop.org/standards/"
                           "desktop-bookmarks\"\n"
                           "      xmlns:mime=\"http://www.freedesktop.org/standards/"
                           "shared-mime-info\"\n>\n</xbel>\n");
}

bool QueryDefault(const QString& type, QString* desktopId)
{
    QByteArray printed;
    if (!Run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type},
             &printed))
        return false;
    *desktopId = QString::fromUtf8(printed);
    return true;
}

bool SetDefault(const QString& type)
{
    return Run(QStringLiteral("xdg-mime"),
               {QStringLiteral("default"), QString::fromLatin1(kDesktopId), type});
}

bool RemoveDefault(const QString& type)
{
    const QString path =
        XdgDir("XDG_CONFIG_HOME", QStringLiteral("/.config")) + QStringLiteral("/mimeapps.list");
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray before = file.readAll();
    file.close();
    const QByteArray after = WithoutDefault(before, type.toUtf8(), kDesktopId);
    return after == before || WriteFile(path, after);
}

QByteArray WithoutDefault(const QByteArray& list, const QByteArray& type,
                          const QByteArray& desktopId)
{
    QList<QByteArray> lines = list.split('\n');
    bool inDefaults = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('[')) {
            inDefaults = line == "[Default Applications]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inDefaults || equals < 0 || line.left(equals).trimmed() != type)
            continue;
        QList<QByteArray> ids = line.mid(equals + 1).split(';');
        if (!ids.contains(desktopId))
            continue;
        ids.removeIf([&](const QByteArray& id) { return id == desktopId || id.isEmpty(); });
        if (ids.isEmpty())
            lines.removeAt(i--);
        else
            lines[i] = type + '=' + ids.join(';') + ';';
    }
    return lines.join('\n');
}

} // namespace DesktopShell
