#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "frame/CTabBarCtrl.h"
#include "frame/FirstPaintHold.h"
#include "frame/RepaintHold.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "HttpServer.h"
#include "TempHome.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

// The main window with its bars, built in a fresh program directory.
class TestMainFrame : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void emptyDirectoryDefaults();
    void statusBarHiddenAtStart();
    void barTogglesWriteTheirKeys_data();
    void barTogglesWriteTheirKeys();
    void flipBars();
    void autoRefreshKeepsLastChoice();
    void titleWatchFollowsStopTitle();
    void dropDownMenus_data();
    void dropDownMenus();
    void toolbarImagesFromFile();
    void trayOrMinimise();
    void fullScreenHidesVisibleBars();
    void skinUnderBandsAndTabs();
    void bandLayoutRestored();
    void hiddenBandKeepsItsPlace();
    void barsWaitForTheFirstPage_data();
    void barsWaitForTheFirstPage();
    void newTabDrawnWhenItsPageBegins_data();
    void newTabDrawnWhenItsPageBegins();
    void firstDrawingWaitsForTheRequest_data();
    void firstDrawingWaitsForTheRequest();
    void holdWaitsForTheSecondFrame_data();
    void holdWaitsForTheSecondFrame();

private:
    std::unique_ptr<CMainFrame> Open(int xpStyle = 1);
    std::unique_ptr<TempHome> m_home;
};

void TestMainFrame::init()
{
    m_home = std::make_unique<TempHome>();
}

void TestMainFrame::cleanup()
{
    m_home.reset();
}

void TestMainFrame::cleanupTestCase()
{
    // Pages go before the engine's profile.
    EngineProfile::Shutdown();
}

std::unique_ptr<CMainFrame> TestMainFrame::Open(int xpStyle)
{
    auto frame = std::make_unique<CMainFrame>(xpStyle);
    if (!frame->OnCreate())
        return nullptr;
    frame->resize(1024, 640);
    frame->show();
    return frame;
}

void TestMainFrame::emptyDirectoryDefaults()
{
    auto frame = Open();
    QVERIFY(frame);
    QVERIFY(frame->m_wndStatusBar->isVisible());
    QVERIFY(frame->MainToolbar()->isVisible());
    QCOMPARE(frame->MainToolbar()->actions().size(), 19);
    QVERIFY(!frame->IsTitleWatchRunning());
    QVERIFY(!frame->IsAutoRefreshRunning());
    QVERIFY(frame->SkinBitmap().isNull());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Zelvo"));
    QCOMPARE(frame->Band(kBandTabs)->minimumHeight(), 28);
    auto* bar = frame->MenuBand()->findChild<QMenuBar*>();
    QVERIFY(bar);
    QCOMPARE(bar->actions().size(), 9);
    QCOMPARE(bar->actions().first()->text(), QStringLiteral("ファイル(&F)"));
    QCOMPARE(bar->actions().last()->text(), QStringLiteral("ヘルプ(&H)"));
    // Ten panes: the message area and nine child panes.
    QCOMPARE(
        frame->m_wndStatusBar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size(),
        9);
    QVERIFY(frame->StatusPane(kStatusPane7));
    // Nothing was written by just starting.
    QVERIFY(!m_home->exists("Tablist.ini"));
}

void TestMainFrame::statusBarHiddenAtStart()
{
    m_home->write("Tablist.ini", "[Window]\r\nstatusbar=1\r\n");
    auto frame = Open();
    QVERIFY(!frame->m_wndStatusBar->isVisible());
    QCOMPARE(frame->CommandState(CommandId::ViewStatusBar).check, 0);
    frame->SendCommand(CommandId::ViewStatusBar);
    QVERIFY(frame->m_wndStatusBar->isVisible());
    QCOMPARE(frame->CommandState(CommandId::ViewStatusBar).check, 1);
    QCOMPARE(m_home->read("Tablist.ini"), QByteArray("[Window]\r\nstatusbar=0\r\n"));
}

void TestMainFrame::barTogglesWriteTheirKeys_data()
{
    QTest::addColumn<CommandId>("id");
    QTest::addColumn<QByteArray>("key");
    QTest::newRow("address") << CommandId::ViewAddressBar << QByteArray("addressbar");
    QTest::newRow("search") << CommandId::ViewSearchBar << QByteArray("searchbar");
    QTest::newRow("tabs") << CommandId::ViewTabBar << QByteArray("tabbar");
    QTest::newRow("status") << CommandId::ViewStatusBar << QByteArray("statusbar");
}

void TestMainFrame::barTogglesWriteTheirKeys()
{
    QFETCH(CommandId, id);
    QFETCH(QByteArray, key);
    auto frame = Open();
    const QString path = SettingsPath("Tablist.ini");
    frame->SendCommand(id);
    QCOMPARE(ProfileStore::GetString("Window", key.constData(), "-", 10, path), QByteArray("1"));
    QCOMPARE(frame->CommandState(id).check, 0);
    frame->SendCommand(id);
    QCOMPARE(ProfileStore::GetString("Window", key.constData(), "-", 10, path), QByteArray("0"));
    QCOMPARE(frame->CommandState(id).check, 1);
}

void TestMainFrame::flipBars()
{
    auto frame = Open();
    frame->SendCommand(CommandId::ToggleAllBars);
    QVERIFY(!frame->MainToolbar()->isVisible());
    QVERIFY(!frame->m_wndStatusBar->isVisible());
    QVERIFY(!frame->Band(kBandAddress)->isVisible());
    QVERIFY(!frame->Band(kBandSearch)->isVisible());
    QVERIFY(frame->Band(kBandTabs)->isVisible());
    frame->SendCommand(CommandId::ToggleAllBars);
    QVERIFY(frame->MainToolbar()->isVisible());
    QVERIFY(frame->m_wndStatusBar->isVisible());
    QVERIFY(frame->Band(kBandAddress)->isVisible());
    QVERIFY(frame->Band(kBandSearch)->isVisible());
    // The toolbar's state is only written at exit.
    QCOMPARE(ProfileStore::GetString("Window", "toolbar", "-", 10, SettingsPath("Tablist.ini")),
             QByteArray("-"));
}

void TestMainFrame::autoRefreshKeepsLastChoice()
{
    auto frame = Open();
    QCOMPARE(frame->CommandState(CommandId::AutoRefreshOff).check, 1);
    frame->SendCommand(CommandId::AutoRefresh1m);
    QVERIFY(frame->IsAutoRefreshRunning());
    QCOMPARE(frame->AutoRefreshInterval(), 60 * 1000);
    frame->SendCommand(CommandId::AutoRefresh5m);
    QVERIFY(frame->IsAutoRefreshRunning());
    QCOMPARE(frame->AutoRefreshInterval(), 300000);
    QCOMPARE(frame->findChildren<QTimer*>(QStringLiteral("timer37018")).size(), 1);
    for (CommandId id : {CommandId::AutoRefresh30s, CommandId::AutoRefresh1m,
                         CommandId::AutoRefresh10m, CommandId::AutoRefreshOff})
        QCOMPARE(frame->CommandState(id).check, 0);
    QCOMPARE(frame->CommandState(CommandId::AutoRefresh5m).check, 1);
    frame->SendCommand(CommandId::AutoRefreshOff);
    QVERIFY(!frame->IsAutoRefreshRunning());
    frame->SendCommand(CommandId::AutoRefresh30s);
    QCOMPARE(frame->AutoRefreshInterval(), 30000);
    frame->close();
    QVERIFY(!frame->IsAutoRefreshRunning());
}

void TestMainFrame::titleWatchFollowsStopTitle()
{
    m_home->write("StopTitle.ini", "[Security]\r\ncheck=1\r\n");
    auto frame = Open();
    QVERIFY(frame->IsTitleWatchRunning());
    frame->close();
    QVERIFY(!frame->IsTitleWatchRunning());
}

void TestMainFrame::dropDownMenus_data()
{
    QTest::addColumn<CommandId>("button");
    QTest::addColumn<CommandId>("firstItem");
    QTest::newRow("search 150") << CommandId::Search << CommandId::HighlightSearch;
    QTest::newRow("back 157") << CommandId::GoBack << CommandId::BackHistoryPage;
    QTest::newRow("forward 158") << CommandId::GoForward << CommandId::ForwardHistoryPage;
    QTest::newRow("close 186") << CommandId::TabClose << CommandId::TabCloseAll;
    QTest::newRow("translate 187")
        << CommandId::TranslateExciteEnJa << CommandId::TranslateInfoseekEnJa;
    QTest::newRow("refresh 188") << CommandId::Refresh << CommandId::RefreshCompletely;
    QTest::newRow("web search 144") << CommandId::WebSearch << CommandId::WebSearch;
}

void TestMainFrame::dropDownMenus()
{
    QFETCH(CommandId, button);
    QFETCH(CommandId, firstItem);
    auto frame = Open();
    QMenu* menu = frame->PopupFor(button);
    QVERIFY(menu);
    QVERIFY(!menu->actions().isEmpty());
    QCOMPARE(menu->actions().first()->data().toInt(), ToInt(firstItem));
}

void TestMainFrame::toolbarImagesFromFile()
{
    // A user's tool.bmp replaces the built-in pictures.
    QImage strip(19 * 20, 20, QImage::Format_RGB32);
    strip.fill(QColor(0, 128, 0));
    QDir().mkpath(m_home->file("toolbar"));
    QVERIFY(strip.save(m_home->file("toolbar/tool.bmp"), "BMP"));
    auto frame = Open();
    const QImage back = frame->MainToolbar()->actions().first()->icon().pixmap(20, 20).toImage();
    QCOMPARE(back.pixelColor(10, 10), QColor(0, 128, 0));
}

void TestMainFrame::trayOrMinimise()
{
    auto frame = Open();
    frame->SendCommand(CommandId::HideToTray);
    if (QSystemTrayIcon::isSystemTrayAvailable())
        QVERIFY(frame->isHidden());
    else
        QTRY_VERIFY(frame->isMinimized());
    // A hand-over brings the window back.
    frame->OnCopyData(QByteArray());
    QVERIFY(frame->isVisible());
    QVERIFY(!frame->isMinimized());
}

void TestMainFrame::fullScreenHidesVisibleBars()
{
    m_home->write("Tablist.ini", "[Window]\r\nstatusbar=1\r\n");
    auto frame = Open();
    frame->SendCommand(CommandId::MaximizeView);
    QVERIFY(!frame->MainToolbar()->isVisible());
    QVERIFY(!frame->Band(kBandAddress)->isVisible());
    QVERIFY(!frame->Band(kBandSearch)->isVisible());
    QVERIFY(!frame->Band(kBandTabs)->isVisible());
    // The status bar was hidden already: left alone, not shown again.
    QVERIFY(!frame->m_wndStatusBar->isVisible());
    QTRY_VERIFY(frame->isMaximized());
    QCOMPARE(ProfileStore::GetString("Window", "statusbar", "", 10, SettingsPath("Tablist.ini")),
             QByteArray("1"));
    QCOMPARE(ProfileStore::GetString("Window", "tabbar", "", 10, SettingsPath("Tablist.ini")),
             QByteArray("1"));
}

void TestMainFrame::skinUnderBandsAndTabs()
{
    QVERIFY(QDir(m_home->path()).mkdir("res"));
    QImage skin(16, 16, QImage::Format_RGB32);
    skin.fill(QColor(10, 200, 30));
    QVERIFY(skin.save(m_home->file("res/青空.bmp"), "BMP"));
    // The name as stored (CP932), in another case than the file's.
    m_home->write("Tablist.ini", "[Skin]\r\nname=\x90\xc2\x8b\xf3.BMP\r\n");
    m_home->write("Color.ini", "[TabColor]\r\nred=200\r\nenable=1\r\n");
    auto frame = Open();
    QVERIFY(!frame->SkinBitmap().isNull());
    const QBrush band = frame->Band(kBandTabs)->palette().brush(QPalette::Window);
    QCOMPARE(band.texture().toImage().pixel(0, 0), skin.pixel(0, 0));
    // Plain faces take the system's colour, not the band's skin.
    QCOMPARE(frame->m_wndTabBar->FaceColor(), QGuiApplication::palette().color(QPalette::Button));
    // A right click on the bands brings no list of bands, which would hide them
    // behind the settings' back.
    QVERIFY(!frame->createPopupMenu());
}

void TestMainFrame::bandLayoutRestored()
{
    // The tab band first, the toolbar on a row of its own below it; a band
    // that no longer exists and a broken record leave their places alone.
    m_home->write("State.ini", "[state]\r\n0=wID=E80D,cx=300,fStyle=000000A0\r\n"
                               "1=wID=E80A,cx=120,fStyle=000000A1\r\n"
                               "2=wID=FFFF,cx=10,fStyle=000000A8\r\n3=wID=E80C,cx=x\r\n");
    auto frame = Open();
    QVERIFY(frame->layout());
    frame->layout()->activate();
    QToolBar* tabs = frame->Band(kBandTabs);
    QToolBar* toolbar = frame->MainToolbar();
    QVERIFY(tabs->y() < toolbar->y());
    QVERIFY(!frame->toolBarBreak(tabs));
    QVERIFY(frame->toolBarBreak(toolbar));
    const QList<CBandLayout::BandRecord> layout = frame->BandLayout().Records();
    QList<int> ids;
    for (const CBandLayout::BandRecord& r : layout)
        ids.append(r.id);
    QCOMPARE(ids, (QList<int>{kBandTabs, kBandToolbar, kBandAddress, kBandSearch, 0}));
    for (const CBandLayout::BandRecord& r : layout)
        QVERIFY(!(r.style & 0x8));
}

void TestMainFrame::hiddenBandKeepsItsPlace()
{
    // Hidden at start and never laid out, then saved from a window that is
    // itself hidden (in the tray): the band stays second.
    m_home->write("State.ini", "[state]\r\n1=wID=E80B,cx=500,fStyle=000000A9\r\n");
    auto frame = Open();
    QVERIFY(frame->Band(kBandAddress)->isHidden());
    frame->hide();
    const QList<CBandLayout::BandRecord> layout = frame->BandLayout().Records();
    QCOMPARE(layout.size(), 5);
    QCOMPARE(layout[1].id, int(kBandAddress));
    QCOMPARE(layout[1].style, 0xA9u);
    QCOMPARE(layout[0].id, int(kBandToolbar));
}

void TestMainFrame::barsWaitForTheFirstPage_data()
{
    QTest::addColumn<QString>("ending");
    QTest::newRow("page painted") << QStringLiteral("page");
    QTest::newRow("user clicks") << QStringLiteral("click");
    QTest::newRow("page too slow") << QStringLiteral("slow");
}

void TestMainFrame::barsWaitForTheFirstPage()
{
    QFETCH(QString, ending);
    HttpServer server;
    server.route("/first", "text/html", "<body style='background:#2b8f5d'>first</body>");
    server.hold("/first");
    qputenv("ZELVO_HOMEPAGE", server.url("/first").toEncoded());
    auto frame = std::make_unique<CMainFrame>(1);
    QVERIFY(frame->OnCreate());
    CZelvoView* view = frame->OnFileNew();
    QVERIFY(view);
    // Only the ending under test can end the hold before the test ends.
    const int longest = ending == QLatin1String("slow") ? 300 : 600000;
    auto* hold = new FirstPaintHold(*frame, *view->GetWebView(), longest);
    frame->show();
    const QList<QWidget*> bars = {frame->m_wndStatusBar, frame->MainToolbar(),
                                  frame->Band(kBandTabs), frame->Band(kBandAddress)};
    QTRY_VERIFY(hold->IsHolding());
    for (QWidget* bar : bars)
        QVERIFY(!bar->updatesEnabled());
    if (ending == QLatin1String("page"))
        server.release("/first");
    else if (ending == QLatin1String("click"))
        QTest::mouseClick(frame->m_wndStatusBar, Qt::LeftButton);
    QTRY_VERIFY(!hold->IsHolding());
    for (QWidget* bar : bars)
        QVERIFY(bar->updatesEnabled());
    if (ending != QLatin1String("page"))
        server.release("/first");
    qunsetenv("ZELVO_HOMEPAGE");
}

namespace {

// Counts what is drawn in one window.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget& window) : m_window(&window) { qApp->installEventFilter(this); }
    ~PaintCount() override { qApp->removeEventFilter(this); }
    int paints = 0;
    int exposes = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == m_window)
            ++paints;
        if (event->type() == QEvent::Expose && watched == m_window->windowHandle())
            ++exposes;
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

void TestMainFrame::newTabDrawnWhenItsPageBegins_data()
{
    QTest::addColumn<bool>("pageBegins");
    QTest::newRow("page begins") << true;
    QTest::newRow("no page comes") << false;
}

// The engine's work shares the window's thread: a tab opened for a page asks
// for it before the window spends time drawing the empty tab.
void TestMainFrame::newTabDrawnWhenItsPageBegins()
{
    QFETCH(bool, pageBegins);
    HttpServer server;
    server.route("/p", "text/html", "<body>p</body>");
    qputenv("ZELVO_HOMEPAGE", server.url("/p").toEncoded());
    auto frame = Open();
    CZelvoView* first = frame->OnFileNew();
    QTRY_VERIFY(!first->GetBusy() && !first->GetLocationURL().isEmpty());
    qunsetenv("ZELVO_HOMEPAGE");
    PaintCount count(*frame);
    if (pageBegins) {
        first->Navigate2(server.url("/p").toString(), navOpenInNewWindow);
        QCOMPARE(frame->TabCount(), 2);
        int paintsBefore = -1;
        connect(frame->TabView(1)->GetPage(), &QWebEnginePage::loadStarted, this,
                [&] { paintsBefore = count.paints; });
        QTRY_VERIFY(paintsBefore >= 0);
        QCOMPARE(paintsBefore, 0);
    } else {
        QVERIFY(frame->CreateNewTab(nullptr, true));
    }
    // Drawn all the same, and not left undrawn when no page comes.
    QTRY_VERIFY(count.paints > 0);
}

void TestMainFrame::firstDrawingWaitsForTheRequest_data()
{
    QTest::addColumn<QString>("request");
    QTest::newRow("sent after the window is shown") << QStringLiteral("later");
    QTest::newRow("sent before") << QStringLiteral("before");
    QTest::newRow("never sent") << QStringLiteral("never");
}

void TestMainFrame::firstDrawingWaitsForTheRequest()
{
    QFETCH(QString, request);
    QWidget window;
    window.resize(300, 200);
    bool requested = request == QLatin1String("before");
    const int longest = request == QLatin1String("never") ? 200 : 600000;
    new RepaintHold(
        window, RepaintHold::Kind::FirstDrawing, [&] { return requested; }, longest);
    PaintCount count(window);
    window.show();
    QTRY_VERIFY(count.exposes > 0);
    if (request == QLatin1String("later")) {
        QCoreApplication::processEvents();
        QCOMPARE(count.paints, 0);
        requested = true;
    }
    QTRY_VERIFY(count.paints > 0);
}

void TestMainFrame::holdWaitsForTheSecondFrame_data()
{
    QTest::addColumn<int>("frames");
    QTest::newRow("second frame") << 2;
    // Then the hold ends a moment later all the same.
    QTest::newRow("one frame only") << 1;
}

void TestMainFrame::holdWaitsForTheSecondFrame()
{
    QFETCH(int, frames);
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    window.statusBar()->showMessage(QStringLiteral("状態"));
    // A loaded page that is never shown: only the frames sent here count.
    QWebEngineView view;
    auto* page = new QWebEnginePage(EngineProfile::Instance(), &view);
    view.setPage(page);
    auto* surface = new QWidget(&view);
    auto* hold = new FirstPaintHold(window, view, 600000);
    window.resize(400, 300);
    window.show();
    QTRY_VERIFY(hold->IsHolding());
    QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
    page->setHtml(QStringLiteral("<p>ページ 😀</p>"));
    QTRY_COMPARE(loaded.count(), 1);

    // A bar that goes meanwhile leaves the other places as they were until the end.
    const int height = window.centralWidget()->height();
    window.statusBar()->hide();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(window.centralWidget()->height(), height);

    QPaintEvent paint(QRect(0, 0, 1, 1));
    QCoreApplication::sendEvent(surface, &paint);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(hold->IsHolding());
    if (frames == 2)
        QCoreApplication::sendEvent(surface, &paint);
    QTRY_VERIFY(!hold->IsHolding());
    QTRY_VERIFY(window.centralWidget()->height() > height);
}

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
