// Writes the program icon as the PNG files of the hicolor icon theme:
// <dir>/<size>/zelvo.png for every size the desktop asks for.
#include "chrome/BuiltinImages.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString sub = dir + QStringLiteral("/%1").arg(size);
        if (!QDir().mkpath(sub) ||
            !BuiltinImages::ProgramIcon(size).save(sub + QStringLiteral("/zelvo.png")))
            return 1;
    }
    return 0;
}
