#include "frame/CMainFrame.h"
#include "frame/CTabBarCtrl.h"
#include "panes/CDockTabBar.h"
#include "panes/CDockTabCtrl.h"
#include "ini/SecurityIni.h"
#include "settings/CSetFilter.h"
#include "settings/CTreePropSheet.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>
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
    void paneClicks_data();
    void paneClicks();
    void settingsSheetByHand();
    void newTabsFromLinksByHand_data();
    void newTabsFromLinksByHand();
    void startShowsFirstPage_data();
    void startShowsFirstPage();

private:
    CMainFrame* Open();
    static bool Xdo(const QStringList& args);
    static bool ClickAt(const QPoint& global, int clicks = 1);
    QString WindowId() const { return QString::number(m_frame->winId()); }
    QPoint TitleBar() const;
    bool BandsFitRow() const;
    static bool ScreenShows(const QRect& global, QRgb colour);

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<QTemporaryDir> m_favorites;
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
    m_favorites = std::make_unique<QTemporaryDir>();
    qputenv("ZELVO_FAVORITES", m_favorites->path().toUtf8());
}

void TestDesktop::cleanup()
{
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    m_favorites.reset();
    qunsetenv("ZELVO_HOMEPAGE");
    qunsetenv("ZELVO_FAVORITES");
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

void TestDesktop::paneClicks_data()
{
    QTest::addColumn<int>("pane");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("newTabs");
    // A name the Japanese code page cannot hold, so the item is found by
    // what is shown, not by a converted copy.
    const QString name = QStringLiteral("ü😀书");
    QTest::newRow("favourite, double click") << 0 << 2 << name << 1;
    QTest::newRow("tab list, click") << 1 << 1 << QStringLiteral("/home") << 0;
    QTest::newRow("closed tab, click") << 3 << 1 << name << 1;
    // The pocket shows addresses.
    QTest::newRow("pocket, double click") << 5 << 2 << QString() << 1;
}

void TestDesktop::paneClicks()
{
    QFETCH(int, pane);
    QFETCH(int, clicks);
    QFETCH(QString, label);
    QFETCH(int, newTabs);
    const QString target = m_server->url("/a").toString();
    const QString title = QStringLiteral("ü😀书");
    if (label.isEmpty())
        label = target;
    m_server->route("/a", "text/html",
                    "<html><head><meta charset=utf-8><title>" + title.toUtf8() +
                        "</title></head></html>");
    QFile shortcut(m_favorites->filePath(title + ".url"));
    QVERIFY(shortcut.open(QIODevice::WriteOnly));
    shortcut.write("[InternetShortcut]\r\nURL=" + target.toUtf8() + "\r\n");
    shortcut.close();
    CMainFrame* frame = Open();
    QVERIFY(frame);
    // Two tabs; the closed-tab and pocket rows turn the second into an entry.
    QVERIFY(OpenNewTab(*frame, target));
    QVERIFY(WaitTabsIdle(*frame));
    if (pane == 3)
        frame->SendCommand(CommandId::FileClose);
    if (pane == 5) {
        // The pocket says it took the address; the user answers with Enter
        // while the box runs its own loop.
        QElapsedTimer waited;
        waited.start();
        bool answered = false;
        QTimer user;
        connect(&user, &QTimer::timeout, &user, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (box && box->isActiveWindow() && !answered)
                answered = Xdo({"key", "Return"});
            else if (box && waited.elapsed() > 10000)
                box->close();
        });
        user.start(50);
        frame->SendCommand(CommandId::PocketAddAddress);
        QVERIFY(answered);
    }
    QTRY_COMPARE(frame->TabCount(), pane == 3 ? 1 : 2);
    CDockTabBar* bar = frame->DockBar();
    QVERIFY(bar && bar->isVisible());
    QTRY_VERIFY(bar->TabCtrl()->tabRect(pane).isValid());
    QVERIFY(ClickAt(bar->TabCtrl()->mapToGlobal(bar->TabCtrl()->tabRect(pane).center())));
    QTRY_COMPARE(bar->ActiveIndex(), pane);
    auto* tree = qobject_cast<QTreeWidget*>(bar->ActiveView());
    QVERIFY(tree);
    QList<QTreeWidgetItem*> items;
    QTRY_VERIFY(!(items = tree->findItems(label, Qt::MatchExactly | Qt::MatchRecursive)).isEmpty());
    const int before = frame->TabCount();
    const QRect place = tree->visualItemRect(items.first());
    QVERIFY(place.isValid());
    QVERIFY(ClickAt(tree->viewport()->mapToGlobal(place.center()), clicks));
    QTRY_COMPARE(frame->TabCount(), before + newTabs);
    // The page picked is the one in front.
    QTRY_COMPARE(frame->ActiveZelvoView()->GetLocationURL(),
                 pane == 1 ? m_server->url("/home").toString() : target);
}

void TestDesktop::settingsSheetByHand()
{
    CMainFrame* frame = Open();
    QVERIFY(frame);
    // The sheet runs its own loop; the user's steps run from inside it.
    enum class Step { Open, Typed, Closed };
    Step step = Step::Open;
    QElapsedTimer waited;
    waited.start();
    QTimer user;
    connect(&user, &QTimer::timeout, &user, [&] {
        auto* sheet = qobject_cast<CTreePropSheet*>(QApplication::activeModalWidget());
        // Placed and framed by the window manager before anything is clicked.
        if (!sheet || !sheet->isActiveWindow() || sheet->frameGeometry() == sheet->geometry())
            return;
        if (waited.elapsed() > 20000) {
            sheet->reject();
            return;
        }
        auto* page = sheet->findChild<CSetFilter*>();
        QTreeWidget* tree = sheet->Tree();
        switch (step) {
        case Step::Open:
            if (!page || !page->isVisible()) {
                const QList<QTreeWidgetItem*> items =
                    tree->findItems(QStringLiteral("フィルター"), Qt::MatchRecursive);
                if (!items.isEmpty())
                    ClickAt(tree->viewport()->mapToGlobal(
                        tree->visualItemRect(items.first()).center()));
            } else if (page->FilterEdit()->hasFocus() || tree->hasFocus()) {
                // The user clicks into the edit and replaces its text.
                QLineEdit* edit = page->FilterEdit();
                if (ClickAt(edit->mapToGlobal(edit->rect().center())) &&
                    Xdo({"key", "ctrl+a", "BackSpace"}) &&
                    Xdo({"type", "--delay", "40", QStringLiteral(".pdf+.exe")}))
                    step = Step::Typed;
            }
            break;
        case Step::Typed:
            if (page->FilterEdit()->text() == QStringLiteral(".pdf+.exe")) {
                for (QPushButton* button : sheet->findChildren<QPushButton*>())
                    if (button->text() == QStringLiteral("OK") &&
                        ClickAt(button->mapToGlobal(button->rect().center())))
                        step = Step::Closed;
            }
            break;
        case Step::Closed:
            break;
        }
    });
    user.start(50);
    QVERIFY(Xdo({"key", "F7"}));
    QTRY_VERIFY2_WITH_TIMEOUT(step == Step::Closed && !QApplication::activeModalWidget(),
                              qPrintable(QStringLiteral("stopped at step %1").arg(int(step))),
                              30000);
    QCOMPARE(SecurityIni::Filter(), QStringLiteral(".pdf+.exe"));
}

// Whether the X server's own pixels show mostly that colour there: what the
// user sees, not what the program meant to draw.
bool TestDesktop::ScreenShows(const QRect& global, QRgb colour)
{
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, global.x(), global.y(), global.width(), global.height())
                            .toImage();
    int hits = 0;
    for (int y = 0; y < shot.height(); y += 4)
        for (int x = 0; x < shot.width(); x += 4)
            hits += (shot.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return hits * 16 > shot.width() * shot.height() / 2;
}

void TestDesktop::newTabsFromLinksByHand_data()
{
    QTest::addColumn<bool>("middleClick");
    QTest::newRow("link opening a window, left click") << false;
    QTest::newRow("plain link, middle click") << true;
}

// Tab after tab opened from a page's links with the mouse, each new tab on
// the screen with its page, and the first tab clicked in front again between.
void TestDesktop::newTabsFromLinksByHand()
{
    QFETCH(bool, middleClick);
    constexpr int kTabs = 5;
    constexpr int kLineHeight = 60;
    const QRgb green = qRgb(0x2b, 0x8f, 0x5d);
    QByteArray links = "<html><head><meta charset=utf-8><title>links</title></head>"
                       "<body style='margin:0;background:#fff'>";
    for (int i = 1; i <= kTabs; ++i) {
        const QByteArray title = QStringLiteral("ü😀书 %1").arg(i).toUtf8();
        const QByteArray path = "/p" + QByteArray::number(i);
        m_server->route(path, "text/html",
                        "<html><head><meta charset=utf-8><title>" + title +
                            "</title></head><body style='background:#2b8f5d'>" + title +
                            "</body></html>");
        links += "<a href='" + path + "'" + (middleClick ? "" : " target=_blank") +
                 " style='display:block;height:" + QByteArray::number(kLineHeight) +
                 "px;font-size:40px'>" + title + "</a>";
    }
    m_server->route("/links", "text/html", links + "</body></html>");
    qputenv("ZELVO_HOMEPAGE", m_server->url("/links").toString().toUtf8());
    CMainFrame* frame = Open();
    QVERIFY(frame);
    QWidget* first = frame->TabView(0)->GetWebView();
    for (int i = 1; i <= kTabs; ++i) {
        const QPoint link = first->mapToGlobal(QPoint(80, kLineHeight * (i - 1) + kLineHeight / 2));
        if (middleClick) {
            // The link's address is what the middle button opens: point first.
            QVERIFY(
                Xdo({"mousemove", "--sync", QString::number(link.x()), QString::number(link.y())}));
            QTRY_VERIFY(frame->MessageText().endsWith("/p" + QString::number(i)));
            QVERIFY(Xdo({"click", "2"}));
        } else {
            QVERIFY(ClickAt(link));
        }
        QTRY_COMPARE(frame->TabCount(), i + 1);
        QTRY_COMPARE(frame->ActiveZelvoView()->GetLocationName(), QStringLiteral("ü😀书 %1").arg(i));
        QWidget* page = frame->ActiveZelvoView()->GetWebView();
        QTRY_VERIFY(ScreenShows(QRect(page->mapToGlobal(QPoint(0, 0)), page->size()), green));
        // Back to the links by the first tab's own label.
        CTabBarCtrl* bar = frame->m_wndTabBar;
        QVERIFY(ClickAt(bar->mapToGlobal(bar->tabRect(0).center())));
        QTRY_COMPARE(frame->FocusedTab(), 0);
        QTRY_VERIFY(ScreenShows(QRect(first->mapToGlobal(QPoint(0, 0)), first->size()),
                                qRgb(0xff, 0xff, 0xff)));
    }
}

void TestDesktop::startShowsFirstPage_data()
{
    QTest::addColumn<bool>("local");
    QTest::newRow("page of a web site") << false;
    QTest::newRow("local page") << true;
}

// The program itself started on this desktop: its window and first page
// reach the screen whether the page's request asks about cookies or not.
void TestDesktop::startShowsFirstPage()
{
    QFETCH(bool, local);
    const QByteArray page = "<html><head><meta charset=utf-8><title>ü😀书</title></head>"
                            "<body style='background:#2b8f5d'>ü😀书</body></html>";
    m_server->route("/first", "text/html", page);
    m_home->write("first.html", page);
    QProcess zelvo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ZELVO_HOMEPAGE", local ? QUrl::fromLocalFile(m_home->file("first.html")).toString()
                                       : m_server->url("/first").toString());
    zelvo.setProcessEnvironment(env);
    zelvo.start(ZELVO_BINARY, QStringList());
    // Wherever the window manager put the window: a good part of the screen.
    const QRgb green = qRgb(0x2b, 0x8f, 0x5d);
    auto greenShare = [green] {
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        int hits = 0;
        for (int y = 0; y < shot.height(); y += 8)
            for (int x = 0; x < shot.width(); x += 8)
                hits += (shot.pixel(x, y) & 0xffffff) == (green & 0xffffff);
        return hits * 64.0 / (shot.width() * shot.height());
    };
    QTRY_VERIFY_WITH_TIMEOUT(greenShare() > 0.1, 20000);
    zelvo.terminate();
    QVERIFY(zelvo.waitForFinished(10000));
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
