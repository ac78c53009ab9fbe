// URL history and extraction pages: (a) recording one visit, the call itself
// and a written batch; (b) link extraction of a page with 10,000 links, and
// (c) the all-history page with 10,000 entries, each from the command to the
// list on the screen, beside the minimal engine program loading the same
// generated file; the steps on the way are timed on their own. Medians of
// several runs, in milliseconds. On an X display (xvfb-run -a
// tests/with_wm.sh) the runs end at the pixels; offscreen at the load event.
#include "ScreenWatch.h"

#include "commands/CommandId.h"
#include "core/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "pagetools/ExtractionPage.h"
#include "pagetools/LocalTimeText.h"
#include "platform/UrlHistory.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWebEngineView>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

constexpr int kEntries = 10000;
constexpr int kRuns = 7;
constexpr int kTimeoutMs = 30000;
constexpr int kQuietMs = 700;

double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Ms(const QElapsedTimer& clock)
{
    return clock.nsecsElapsed() / 1e6;
}

// Runs the event loop until done() holds. Not QTest::qWait: it sleeps between
// turns of the loop, and the engine's browser side runs on that loop, so
// every step of a page load would wait out the sleep.
bool WaitUntil(const std::function<bool()>& done)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done() || clock.elapsed() > kTimeoutMs)
            loop.quit();
    });
    poll.start(1);
    loop.exec();
    return done();
}

void RecordVisits()
{
    TempHome home;
    UrlHistory& store = UrlHistory::Instance();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kEntries; ++i)
        store.Record(QStringLiteral("http://site%1.example/page").arg(i),
                     QStringLiteral("ページ %1").arg(i));
    const double perCall = Ms(clock) / kEntries;
    // One batch as the timer writes it.
    std::vector<double> batches;
    for (int run = 0; run < 5; ++run) {
        for (int i = 0; i < 50; ++i)
            store.Record(QStringLiteral("http://again%1.example/").arg(i), QStringLiteral("t"));
        clock.restart();
        store.Flush();
        batches.push_back(Ms(clock));
    }
    std::printf("record one visit (queued, incl. amortised writes): %.4f ms\n", perCall);
    std::printf("write a batch of 50 visits: %.3f ms\n", Median(batches));
}

struct Steps {
    std::vector<double> tab, loaded, shown;
};

void PrintSteps(const char* who, const Steps& s)
{
    std::printf("  %-8s", who);
    if (!s.tab.empty())
        std::printf(" new tab %6.1f ", Median(s.tab));
    std::printf(" loaded %6.1f  on screen %6.1f  (runs:", Median(s.loaded), Median(s.shown));
    for (const double ms : s.shown)
        std::printf(" %.0f", ms);
    std::printf(")\n");
}

QRect ScreenRect(QWidget* widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

class Bench {
public:
    Bench(CMainFrame& frame, ScreenWatch* watch, const QElapsedTimer& clock)
        : m_frame(frame), m_watch(watch), m_clock(clock)
    {
    }

    // Command to the list on the screen in a new tab of Zelvo.
    bool Zelvo(CommandId id, Steps& steps)
    {
        const int before = m_frame.TabCount();
        QWidget* page = m_frame.TabView(before - 1)->GetWebView();
        const double start = Ms(m_clock);
        if (m_watch)
            m_watch->arm(ScreenRect(page));
        m_frame.SendCommand(id);
        if (!WaitUntil([&] { return m_frame.TabCount() == before + 1; }))
            return false;
        const double tab = Ms(m_clock);
        bool loaded = false;
        double loadedAt = 0;
        CZelvoView* view = m_frame.TabView(before);
        QObject::connect(view->GetPage(), &QWebEnginePage::loadFinished, [&](bool) {
            if (!loaded)
                loadedAt = Ms(m_clock);
            loaded = true;
        });
        const bool ok = WaitUntil([&] { return loaded && (!m_watch || m_watch->shownAt() >= 0); });
        steps.tab.push_back(tab - start);
        steps.loaded.push_back(loadedAt - start);
        if (m_watch)
            steps.shown.push_back(m_watch->shownAt() - start);
        if (m_watch)
            m_watch->disarm();
        QObject::disconnect(view->GetPage(), &QWebEnginePage::loadFinished, nullptr, nullptr);
        m_frame.SendCommand(CommandId::TabClose);
        return ok && WaitUntil([&] { return m_frame.TabCount() == before; }) && Pause(kQuietMs);
    }

    // The minimal program, already showing from, loading the file in the
    // same view. It shows the list once untimed first, as Zelvo has shown
    // pages before: a renderer's first text of a script needs fonts found.
    bool Minimal(const QString& from, const QString& file, Steps& steps)
    {
        QProcess minimal;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZELVO_MORE_URLS"), QStringLiteral("1"));
        minimal.setProcessEnvironment(env);
        minimal.setProcessChannelMode(QProcess::SeparateChannels);
        minimal.setStandardErrorFile(QProcess::nullDevice());
        int loads = 0;
        double loadedAt = 0;
        QObject::connect(&minimal, &QProcess::readyReadStandardOutput, [&] {
            while (minimal.canReadLine())
                if (minimal.readLine().startsWith("loaded") && ++loads == 4)
                    loadedAt = Ms(m_clock);
        });
        auto load = [&](const QString& url, int count) {
            minimal.write(url.toUtf8() + '\n');
            return WaitUntil([&] { return loads == count; });
        };
        const QString list = QString::fromUtf8(QUrl::fromLocalFile(file).toEncoded());
        m_frame.hide();
        minimal.start(QStringLiteral(MINIMAL_BINARY), {from});
        bool ok = WaitUntil([&] { return loads == 1; }) && load(list, 2) && load(from, 3);
        // Not timed: until the start page is surely on the screen again.
        QElapsedTimer settle;
        settle.start();
        WaitUntil([&] { return settle.elapsed() > 500; });
        const double start = Ms(m_clock);
        if (m_watch)
            m_watch->arm(m_frame.screen()->geometry());
        minimal.write(list.toUtf8() + '\n');
        ok = ok && WaitUntil([&] { return loads == 4 && (!m_watch || m_watch->shownAt() >= 0); });
        steps.loaded.push_back(loadedAt - start);
        if (m_watch) {
            steps.shown.push_back(m_watch->shownAt() - start);
            m_watch->disarm();
        }
        minimal.kill();
        minimal.waitForFinished();
        m_frame.showMaximized();
        return ok && Settle();
    }

private:
    // Shown again, the window is where the window manager put it only once
    // its place stays put for a while.
    bool Settle()
    {
        if (!WaitUntil([&] { return m_frame.windowHandle()->isExposed(); }))
            return false;
        QElapsedTimer still;
        still.start();
        QPoint at = m_frame.mapToGlobal(QPoint(0, 0));
        return WaitUntil([&] {
                   if (m_frame.mapToGlobal(QPoint(0, 0)) != at) {
                       at = m_frame.mapToGlobal(QPoint(0, 0));
                       still.restart();
                   }
                   return still.elapsed() > 300;
               }) &&
               Pause(kQuietMs);
    }

    // Each run starts from a still screen and an idle machine: the page
    // before is drawn again and a program just ended has let go of the CPU.
    static bool Pause(int ms)
    {
        QElapsedTimer quiet;
        quiet.start();
        return WaitUntil([&] { return quiet.elapsed() > ms; });
    }

    CMainFrame& m_frame;
    ScreenWatch* m_watch;
    const QElapsedTimer& m_clock;
};

// The steps before the tab, each on its own: the collecting script on the
// page, reading the history store, and writing the list.
void TimeSteps(CZelvoView& view)
{
    QFile file(QStringLiteral(":/pagetools/scripts/extract.js"));
    file.open(QIODevice::ReadOnly);
    const QString script = QString::fromUtf8(file.readAll());
    std::vector<double> scripts, reads, linkWrites, historyWrites;
    QList<QString> hrefs;
    QElapsedTimer clock;
    for (int run = 0; run < kRuns; ++run) {
        bool done = false;
        clock.start();
        view.GetPage()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                      [&](const QVariant&) { done = true; });
        WaitUntil([&] { return done; });
        scripts.push_back(Ms(clock));

        clock.restart();
        const QList<UrlHistoryEntry> entries =
            UrlHistory::Instance().Entries(QStringLiteral("http"));
        reads.push_back(Ms(clock));

        const QString path = SettingsPath(QStringLiteral("bench.html"));
        ExtractionPage page;
        clock.restart();
        page.Begin(path, QStringLiteral("抽出リンクリスト"), ExtractionPage::Style::Background,
                   QStringLiteral("links"), ExtractionPage::Header::Page);
        for (int i = 0; i < kEntries; ++i)
            page.Append(
                ExtractionPage::SameSiteLink(QStringLiteral("http://127.0.0.1:4711/l%1").arg(i)));
        page.End(ExtractionPage::Footer::Page);
        linkWrites.push_back(Ms(clock));

        clock.restart();
        const LocalTimeText times;
        page.Begin(path, QStringLiteral("「履歴」リスト"), ExtractionPage::Style::Background,
                   QString(), ExtractionPage::Header::History);
        for (const UrlHistoryEntry& e : entries)
            page.Append(ExtractionPage::HistoryLine(e.url, e.title, times.Stamp(e.lastVisit)));
        page.End(ExtractionPage::Footer::History);
        historyWrites.push_back(Ms(clock));
    }
    std::printf("steps: collecting script %.1f, history store read %.1f, link list written "
                "%.1f, history list written %.1f\n",
                Median(scripts), Median(reads), Median(linkWrites), Median(historyWrites));
}

void ExtractionPages()
{
    TempHome home;
    HttpServer server;
    QByteArray page = "<html><head><title>links</title></head><body>";
    for (int i = 0; i < kEntries; ++i)
        page += "<a href=\"/l" + QByteArray::number(i) + "\">" + QByteArray::number(i) + "</a> ";
    page += "</body></html>";
    server.route("/links", "text/html", page);
    const QString links = server.url("/links").toString();
    // The minimal program starts on a page of another site, so the list gets
    // a renderer of its own there too, as in Zelvo's new tab.
    server.route("/start", "text/html", "<html><body>start</body></html>");
    const QString start = server.url("/start").toString();
    qputenv("ZELVO_HOMEPAGE", links.toUtf8());
    for (int i = 0; i < kEntries; ++i)
        UrlHistory::Instance().Record(QStringLiteral("http://site%1.example/").arg(i),
                                      QStringLiteral("ページ %1 title").arg(i),
                                      QDateTime::currentDateTime().addSecs(-i));
    UrlHistory::Instance().Flush();
    std::unique_ptr<CMainFrame> frame = OpenFrame();
    frame->showMaximized();
    WaitUntil([&] {
        CZelvoView* view = frame->TabView(0);
        return view && !view->GetBusy() && !view->GetLocationURL().isEmpty();
    });
    TimeSteps(*frame->TabView(0));

    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<ScreenWatch> watch;
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        watch = std::make_unique<ScreenWatch>(clock);
    if (watch && !watch->connected())
        watch.reset();
    Bench bench(*frame, watch.get(), clock);
    Steps zelvoLinks, zelvoHistory, minimalLinks, minimalHistory;
    bool ok = true;
    for (int run = 0; run < kRuns && ok; ++run) {
        ok = bench.Zelvo(CommandId::ExtractLinks, zelvoLinks) &&
             bench.Minimal(start, home.file(QStringLiteral("Link.html")), minimalLinks) &&
             bench.Zelvo(CommandId::ExtractIeHistory, zelvoHistory) &&
             bench.Minimal(start, home.file(QStringLiteral("history.html")), minimalHistory);
    }
    if (!ok)
        std::printf("a run did not finish\n");
    std::printf("%s\n", watch ? "to the list on the screen (X display)"
                              : "to the load event only (no X display)");
    std::printf("link extraction, 10,000 links:\n");
    PrintSteps("Zelvo", zelvoLinks);
    PrintSteps("minimal", minimalLinks);
    std::printf("history page, 10,000 entries:\n");
    PrintSteps("Zelvo", zelvoHistory);
    PrintSteps("minimal", minimalHistory);
    frame.reset();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    RecordVisits();
    ExtractionPages();
    EngineProfile::Shutdown();
    return 0;
}
