#include "FrameHarness.h"

#include "frame/CMainFrame.h"
#include "view/CZelvoView.h"

#include <QTest>

std::unique_ptr<CMainFrame> OpenFrame(const QByteArray& commandLine)
{
    auto frame = std::make_unique<CMainFrame>(1);
    frame->SetStartupCommandLine(commandLine);
    if (!frame->OnCreate())
        return nullptr;
    frame->resize(900, 600);
    frame->show();
    frame->OnFileNew();
    return frame;
}

bool OpenNewTab(CMainFrame& frame, const QString& url)
{
    const int before = frame.TabCount();
    frame.OpenUrlInNewTab(url);
    return QTest::qWaitFor([&] { return frame.TabCount() == before + 1; }, 5000);
}

bool WaitTabsIdle(const CMainFrame& frame, int timeoutMs)
{
    auto idle = [&frame] {
        for (int i = 0; i < frame.TabCount(); ++i) {
            CZelvoView* view = frame.TabView(i);
            if (!view || view->GetBusy() || view->GetLocationURL().isEmpty())
                return false;
        }
        return true;
    };
    QElapsedTimer clock;
    clock.start();
    while (!idle()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}
