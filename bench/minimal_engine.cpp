// The least a Qt WebEngine program does to show one page: the yardstick for
// Zelvo's own cold start. With ZELVO_MORE_URLS set, each line on standard
// input is one more address for the same view, and each finished load says
// "loaded".
#include <QApplication>
#include <QSocketNotifier>
#include <QUrl>
#include <QWebEngineView>

#include <cstdio>
#include <unistd.h>

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
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    input.setEnabled(qEnvironmentVariableIsSet("ZELVO_MORE_URLS"));
    if (input.isEnabled()) {
        QObject::connect(&view, &QWebEngineView::loadFinished, [](bool) {
            std::fputs("loaded\n", stdout);
            std::fflush(stdout);
        });
        QObject::connect(&input, &QSocketNotifier::activated, [&view, &input] {
            char line[4096];
            const ssize_t n = read(STDIN_FILENO, line, sizeof line);
            if (n <= 0) {
                input.setEnabled(false);
                return;
            }
            view.load(QUrl(QString::fromLocal8Bit(line, n).trimmed()));
        });
    }
    view.resize(1024, 720);
    view.show();
    view.load(QUrl(QString::fromLocal8Bit(argv[1])));
    return app.exec();
}
