// The least a Qt WebEngine program does to show one page: the yardstick for
// Zelvo's own cold start.
#include <QApplication>
#include <QUrl>
#include <QWebEngineView>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWebEngineView view;
    // Timed to the load event, it quits there; timed to the screen, it stays.
    if (qEnvironmentVariable("ZELVO_EXIT_AFTER") == QLatin1String("loaded"))
        QObject::connect(&view, &QWebEngineView::loadFinished, [](bool) {
            std::fputs("loaded\n", stdout);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    view.resize(1024, 720);
    view.show();
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    return app.exec();
}
