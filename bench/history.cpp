// URL history and extraction pages: (a) recording one visit, the call itself
// and a written batch; (b) link extraction of a page with 10,000 links, command
// to the opened list; (c) the all-history page with 10,000 entries, command to
// the opened list. Medians of several runs, in milliseconds.
#include "commands/CommandId.h"
#include "frame/CMainFrame.h"
#include "platform/UrlHistory.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kEntries = 10000;
constexpr int kRuns = 5;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Ms(const QElapsedTimer& clock)
{
    return clock.nsecsElapsed() / 1e6;
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
    for (int run = 0; run < kRuns; ++run) {
        for (int i = 0; i < 50; ++i)
            store.Record(QStringLiteral("http://again%1.example/").arg(i), QStringLiteral("t"));
        clock.restart();
        store.Flush();
        batches.push_back(Ms(clock));
    }
    std::printf("record one visit (queued, incl. amortised writes): %.4f ms\n", perCall);
    std::printf("write a batch of 50 visits: %.3f ms\n", Median(batches));
}

double TimeToNewTab(CMainFrame& frame, CommandId id)
{
    const int before = frame.TabCount();
    QElapsedTimer clock;
    clock.start();
    frame.SendCommand(id);
    if (!QTest::qWaitFor([&] { return frame.TabCount() == before + 1; }, 30000))
        return -1;
    const double tabMs = Ms(clock);
    CZelvoView* view = frame.TabView(before);
    if (!QTest::qWaitFor(
            [&] { return view && !view->GetLocationURL().isEmpty() && !view->GetBusy(); }, 30000))
        return -1;
    const double ms = Ms(clock);
    if (qEnvironmentVariableIsSet("ZELVO_BENCH_PHASES"))
        std::printf("  tab after %.1f ms, shown after %.1f ms\n", tabMs, ms);
    frame.SendCommand(CommandId::TabClose);
    if (!QTest::qWaitFor([&] { return frame.TabCount() == before; }, 30000))
        return -1;
    return ms;
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
    qputenv("ZELVO_HOMEPAGE", server.url("/links").toString().toUtf8());
    for (int i = 0; i < kEntries; ++i)
        UrlHistory::Instance().Record(QStringLiteral("http://site%1.example/").arg(i),
                                      QStringLiteral("ページ %1 title").arg(i),
                                      QDateTime::currentDateTime().addSecs(-i));
    UrlHistory::Instance().Flush();
    {
        std::unique_ptr<CMainFrame> frame = OpenFrame();
        WaitTabsIdle(*frame);
        std::vector<double> links, history;
        for (int run = 0; run < kRuns; ++run) {
            links.push_back(TimeToNewTab(*frame, CommandId::ExtractLinks));
            history.push_back(TimeToNewTab(*frame, CommandId::ExtractIeHistory));
        }
        std::printf("link extraction, 10,000 links, to the opened list: %.1f ms\n", Median(links));
        std::printf("history page, 10,000 entries, to the opened list: %.1f ms\n", Median(history));
    }
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
