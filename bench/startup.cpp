// Process start to the main window shown: median over several runs of the real
// executable, offscreen, in a fresh program directory each time.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("ZELVO_HOME", home.path());
        env.insert("ZELVO_HOMEPAGE", "about:blank");
        env.insert("ZELVO_EXIT_AFTER", "shown");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
        env.insert("DISPLAY", QStringLiteral(":zelvo-bench-%1").arg(app.applicationPid()));
        QProcess zelvo;
        zelvo.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        zelvo.start(ZELVO_BINARY, {});
        bool shown = false;
        while (zelvo.waitForReadyRead(30000)) {
            if (zelvo.readAll().contains("shown")) {
                shown = true;
                break;
            }
        }
        const qint64 ms = clock.elapsed();
        zelvo.waitForFinished(30000);
        if (!shown) {
            std::fprintf(stderr, "run %d: the window was never shown\n", i);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("start to main window shown: median %lld ms (min %lld, max %lld, %d runs)\n",
                static_cast<long long>(times[times.size() / 2]),
                static_cast<long long>(times.front()), static_cast<long long>(times.back()), runs);
    return 0;
}
