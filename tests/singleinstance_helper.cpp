// A second Zelvo start in miniature: hands its command line to the running
// instance and exits 0 when it was taken, 1 when not. With --listen it plays
// the running instance instead, printing each hand-over on its own line.
#include "core/CommandLine.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) != QLatin1String("--listen"))
        return SingleInstance::SendToRunning(CommandLine::RawCommandLine(arguments.mid(1)), 10000)
                   ? 0
                   : 1;

    SingleInstance instance;
    if (!instance.Listen())
        return 2;
    QFile out;
    if (!out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 3;
    QObject::connect(&instance, &SingleInstance::received, &out,
                     [&out](const QByteArray& text) { out.write(text + '\n'); });
    out.write("listening\n");
    return app.exec();
}
