// Tabs: (a) opening 19 tabs of a local page one after another, command to
// document complete; (b) one label refresh with 19 tabs; (c) cold start to the
// first local page, Zelvo against a minimal engine program.
#include "core/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include "HttpServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the event loop until pred holds; unlike a polling sleep, the engine's
// messages are handled the moment they arrive.
template <typename Pred>
void WaitUntil(Pred pred, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!pred() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

bool Idle(CZelvoView* view)
{
    return view && !view->GetBusy() && !view->GetLocationURL().isEmpty();
}

void OpenTabs(HttpServer& server)
{
    CMainFrame frame(1);
    frame.OnCreate();
    frame.show();
    frame.OnFileNew();
    WaitUntil([&] { return Idle(frame.TabView(0)); }, 20000);
    std::vector<double> opens;
    QElapsedTimer clock;
    QObject::connect(&server, &HttpServer::requestReceived, [&](const QByteArray& path) {
        if (qEnvironmentVariableIsSet("ZELVO_BENCH_VERBOSE"))
            std::printf("  request %s at %.1f\n", path.constData(), clock.nsecsElapsed() / 1e6);
    });
    for (int i = 1; i < 19; ++i) {
        clock.start();
        frame.OpenUrlInNewTab(server.url("/page").toString());
        WaitUntil([&] { return frame.TabCount() == i + 1; }, 20000);
        const double created = clock.nsecsElapsed() / 1e6;
        WaitUntil([&] { return !frame.TabView(i)->GetLocationURL().isEmpty(); }, 20000);
        const double committed = clock.nsecsElapsed() / 1e6;
        WaitUntil([&] { return Idle(frame.TabView(i)); }, 20000);
        if (qEnvironmentVariableIsSet("ZELVO_BENCH_VERBOSE"))
            std::printf("  created %.1f committed %.1f\n", created, committed);
        opens.push_back(clock.nsecsElapsed() / 1e6);
        if (qEnvironmentVariableIsSet("ZELVO_BENCH_VERBOSE"))
            std::printf("  tab %d: %.1f ms\n", i + 1, opens.back());
    }
    std::vector<double> refreshes;
    const QString windowList = SettingsPath(QStringLiteral("Window_List.ini"));
    for (int i = 0; i < 200; ++i) {
        // Gone, so that every relabelling writes the whole list anew.
        QFile::remove(windowList);
        clock.start();
        frame.RefreshTabLabels();
        refreshes.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("(a) new tab to document complete, 18 tabs: median %.1f ms\n", Median(opens));
    std::printf("(b) RefreshTabLabels with %d tabs, Window_List.ini written: median %.3f ms\n",
                frame.TabCount(), Median(refreshes));
}

// One cold start: a new process, timed from its start to its "loaded" line.
double ColdStart(const QString& program, const QStringList& args, const QString& page,
                 const QString& home, int run)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ZELVO_HOME", home);
    env.insert("ZELVO_HOMEPAGE", page);
    env.insert("ZELVO_EXIT_AFTER", "loaded");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
    env.insert("DISPLAY", QStringLiteral(":zelvo-bench-%1").arg(run));
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, args);
    QByteArray out;
    while (!out.contains("loaded") && process.waitForReadyRead(30000))
        out += process.readAll();
    const double ms = clock.nsecsElapsed() / 1e6;
    process.waitForFinished(30000);
    return ms;
}

// The two programs take turns, so a slow spell of the machine weighs on both;
// the program directory (like the minimal program's engine storage) is kept
// from run to run, and the first round only warms it.
void ColdStarts(const QString& page)
{
    constexpr int kRounds = 16;
    QTemporaryDir home;
    std::vector<double> zelvo, minimal, ratios;
    for (int run = 0; run < kRounds; ++run) {
        const double z = ColdStart(ZELVO_BINARY, {}, page, home.path(), run);
        const double m = ColdStart(MINIMAL_BINARY, {page}, page, home.path(), run);
        if (run == 0)
            continue;
        zelvo.push_back(z);
        minimal.push_back(m);
        ratios.push_back(z / m);
    }
    std::printf("(c) cold start to the first local page: Zelvo %.0f ms, minimal %.0f ms, "
                "ratio %.2f (median of %d rounds)\n",
                Median(zelvo), Median(minimal), Median(ratios), kRounds - 1);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("ZELVO_HOME", QFile::encodeName(home.path()));
    HttpServer server;
    const QByteArray page =
        "<html><head><title>ベンチ</title></head><body><p>local page</p></body></html>";
    server.route("/page", "text/html; charset=utf-8", page);
    qputenv("ZELVO_HOMEPAGE", server.url("/page").toString().toUtf8());
    OpenTabs(server);
    EngineProfile::Shutdown();

    QFile file(home.path() + "/page.html");
    file.open(QIODevice::WriteOnly);
    file.write(page);
    file.close();
    const QString url = QUrl::fromLocalFile(file.fileName()).toString();
    ColdStarts(url);
    return 0;
}
