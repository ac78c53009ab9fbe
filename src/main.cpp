#include "app/ProgramDir.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zelvo"));
    ProgramDir::Prepare();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zelvo"));
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
