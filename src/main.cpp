#include "app/CZelvoApp.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    // The page engine shares its GL contexts with the widgets; must precede the app.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    CZelvoApp app(argc, argv);
    if (!app.InitInstance())
        return 0;
    const int code = CZelvoApp::exec();
    return app.ExitInstance(code);
}
