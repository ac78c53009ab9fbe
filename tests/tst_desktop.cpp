#include "frame/CMainFrame.h"
#include "frame/CTabBarCtrl.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QProcess>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

// The main window as a user drives it on a desktop: clicks and keys from the
// X server, and a window manager that activates, maximises, resizes and
// minimises it. Run by with_wm.sh under xvfb-run.
class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void clickOnScrolledTabBar_data();
    void clickOnScrolledTabBar();
    void boxesFollowResize_data();
    void boxesFollowResize();
    void toolbarAfterMinimise();

private:
    CMainFrame* Open();
    static bool Xdo(const QStringList& args);
    static bool ClickAt(const QPoint& global, int clicks = 1);
    QString WindowId() const { return QString::number(m_frame->winId()); }
    QPoint TitleBar() const;
    bool BandsFitRow() const;

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestDesktop::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server with a window manager (with_wm.sh under xvfb-run)");
}

void TestDesktop::init()
{
    m_home = std::make_unique<TempHome>();
    m_server = std::make_unique<HttpServer>();
    for (const char* path : {"/home", "/a"})
        m_server->route(path, "text/html",
                        QByteArray("<html><head><title>") + path + "</title></head></html>");
    qputenv("ZELVO_HOMEPAGE", m_server->url("/home").toString().toUtf8());
}

void TestDesktop::cleanup()
{
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestDesktop::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

CMainFrame* TestDesktop::Open()
{
    m_frame = OpenFrame();
    CMainFrame* frame = m_frame.get();
    if (!frame || !WaitTabsIdle(*frame))
        return nullptr;
    // Managed: framed by the window manager and given the focus.
    if (!QTest::qWaitFor([frame] { return frame->frameGeometry() != frame->geometry(); }))
        return nullptr;
    frame->activateWindow();
    if (!QTest::qWaitFor([frame] { return frame->isActiveWindow(); }))
        return nullptr;
    return frame;
}

bool TestDesktop::Xdo(const QStringList& args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

bool TestDesktop::ClickAt(const QPoint& global, int clicks)
{
    return Xdo({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y()),
                "click", "--repeat", QString::number(clicks), "--delay", "80", "1"});
}

QPoint TestDesktop::TitleBar() const
{
    const QRect outer = m_frame->frameGeometry();
    return QPoint(outer.center().x(), (outer.top() + m_frame->geometry().top()) / 2);
}

void TestDesktop::clickOnScrolledTabBar_data()
{
    QTest::addColumn<bool>("onFragment");
    // The sliver of the tab cut off at the left edge: nothing is drawn there,
    // and a click there leaves the tab on screen as it is.
    QTest::newRow("left edge") << true;
    QTest::newRow("whole tab") << false;
}

void TestDesktop::clickOnScrolledTabBar()
{
    QFETCH(bool, onFragment);
    CMainFrame* frame = Open();
    QVERIFY(frame);
    frame->resize(720, 480);
    QTRY_COMPARE(frame->width(), 720);
    while (frame->TabCount() < 9) {
        const int before = frame->TabCount();
        frame->OpenUrlInNewTab(m_server->url("/a").toString());
        QTRY_COMPARE(frame->TabCount(), before + 1);
    }
    QVERIFY(WaitTabsIdle(*frame));
    // The bar is scrolled to its end; the focus goes one tab back.
    frame->SendCommand(CommandId::PreviousTab);
    CTabBarCtrl* bar = frame->m_wndTabBar;
    int cut = 0;
    while (cut < bar->count() && bar->tabRect(cut).right() < 0)
        ++cut;
    QVERIFY2(bar->tabRect(cut).left() < 0, "no tab is cut at the left edge");
    const int shown = onFragment ? bar->currentIndex() : cut + 2;
    CZelvoView* page = frame->TabView(shown);
    const QPoint at(onFragment ? 2 : bar->tabRect(shown).center().x(), bar->height() / 2);
    const QRect place = bar->tabRect(shown);
    QVERIFY(ClickAt(bar->mapToGlobal(at)));
    // The tab comes up where it was clicked, its page with it.
    QTRY_COMPARE(bar->currentIndex(), shown);
    QCOMPARE(bar->tabRect(shown), place);
    // Lock the tab on screen, close it (refused), close every tab right of it.
    QVERIFY(Xdo({"key", "--delay", "80", "ctrl+alt+Insert", "ctrl+Delete", "ctrl+shift+1"}));
    QTRY_VERIFY(frame->TabCount() == shown + 1 && frame->IsTabLocked(shown));
    QCOMPARE(frame->TabView(shown), page);
    QCOMPARE(frame->ActiveZelvoView(), page);
    QCOMPARE(bar->currentIndex(), shown);
}

bool TestDesktop::BandsFitRow() const
{
    // The search band keeps its own width; the address band takes the rest.
    const QToolBar* address = m_frame->Band(kBandAddress);
    const QToolBar* search = m_frame->Band(kBandSearch);
    return m_frame->m_wndAddressBar->isVisible() && m_frame->m_wndSearchWords->isVisible() &&
           m_frame->m_wndSearchSites->isVisible() && address->x() == 0 &&
           search->x() == address->width() && search->width() == search->sizeHint().width() &&
           search->x() + search->width() == m_frame->width();
}

void TestDesktop::boxesFollowResize_data()
{
    QTest::addColumn<bool>("maximise");
    QTest::newRow("maximise, restore") << true;
    QTest::newRow("widen, narrow") << false;
}

void TestDesktop::boxesFollowResize()
{
    QFETCH(bool, maximise);
    CMainFrame* frame = Open();
    QVERIFY(frame);
    QTRY_VERIFY(BandsFitRow());
    const int wordsWidth = frame->m_wndSearchWords->width();
    const QSize normal = frame->size();
    // The screen is twice as wide as the window.
    const QSize wide(normal.width() * 2 - 100, normal.height());
    for (int round = 0; round < 2; ++round) {
        if (maximise) {
            // A double click on the title bar maximises, the next one restores.
            QVERIFY(ClickAt(TitleBar(), 2));
            QTRY_VERIFY(frame->isMaximized());
        } else {
            QVERIFY(Xdo({"windowsize", WindowId(), QString::number(wide.width()),
                         QString::number(wide.height())}));
            QTRY_COMPARE(frame->size(), wide);
        }
        QTRY_VERIFY(BandsFitRow());
        QVERIFY(frame->m_wndAddressBar->width() > normal.width());
        if (maximise)
            QVERIFY(ClickAt(TitleBar(), 2));
        else
            QVERIFY(Xdo({"windowsize", WindowId(), QString::number(normal.width()),
                         QString::number(normal.height())}));
        QTRY_COMPARE(frame->size(), normal);
        QTRY_VERIFY2(BandsFitRow(), qPrintable(QStringLiteral("address box %1 wide, visible %2")
                                                   .arg(frame->m_wndAddressBar->width())
                                                   .arg(frame->m_wndAddressBar->isVisible())));
        QCOMPARE(frame->m_wndSearchWords->width(), wordsWidth);
    }
}

void TestDesktop::toolbarAfterMinimise()
{
    CMainFrame* frame = Open();
    QVERIFY(frame);
    // Stop, refresh, print and translate need the active page.
    const CommandId buttons[] = {CommandId::Stop, CommandId::Refresh, CommandId::FilePrint,
                                 CommandId::TranslateExciteEnJa};
    auto enabled = [frame, &buttons] {
        for (CommandId id : buttons)
            if (!frame->ToolButton(id) || !frame->ToolButton(id)->isEnabled())
                return false;
        return true;
    };
    QTRY_VERIFY(enabled());
    QVERIFY(Xdo({"windowminimize", "--sync", WindowId()}));
    QTRY_VERIFY(frame->isMinimized());
    // The page goes on meanwhile and the buttons are recomputed for it.
    frame->TabView(0)->Navigate2(m_server->url("/a").toString());
    QTRY_COMPARE(frame->TabView(0)->GetLocationURL(), m_server->url("/a").toString());
    QVERIFY(WaitTabsIdle(*frame));
    QVERIFY(Xdo({"windowactivate", "--sync", WindowId()}));
    QTRY_VERIFY(!frame->isMinimized() && frame->isActiveWindow());
    QTRY_VERIFY(enabled());
    QCOMPARE(frame->ActiveZelvoView(), frame->TabView(0));
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
