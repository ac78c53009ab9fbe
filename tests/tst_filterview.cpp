#include "core/Cp932.h"
#include "core/ProgramDir.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/CTabBarCtrl.h"
#include "frame/FilterCommands.h"
#include "core/TabLabels.h"
#include "platform/MessageBox.h"
#include "commands/CommandId.h"
#include "settings/CStopListDlg.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "FakeViewHost.h"
#include "HttpServer.h"
#include "TempHome.h"
#include "PageScript.h"

#include <QDesktopServices>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

namespace {

QByteArray Page(const QByteArray& title, const QByteArray& body = QByteArray())
{
    return "<html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body>" + body +
           "</body></html>";
}

QVariant RunJs(CHtmlView* view, const QString& script)
{
    return RunPageScript(view->GetPage(), script).value_or(QVariant());
}

// A real click: the engine drops mail links that no user gesture opened.
void ClickElement(CHtmlView* view, const char* id)
{
    const QVariantList at =
        RunJs(view, QStringLiteral("var r=document.getElementById('%1').getBoundingClientRect();"
                                   "[r.left+10,r.top+10]")
                        .arg(QLatin1String(id)))
            .toList();
    QWidget* target = view->GetWebView()->focusProxy();
    if (at.size() == 2 && target)
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(at[0].toInt(), at[1].toInt()));
}

class ProbeView : public CZelvoView {
public:
    using CZelvoView::CZelvoView;
    using CZelvoView::OnBeforeNavigate2;
};

} // namespace

class TestFilterView : public QObject {
    Q_OBJECT

public slots:
    void openMail(const QUrl& url) { m_mailOpened.append(url); }

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void scriptAddresses_data();
    void scriptAddresses();
    void scriptLinkHandledByPage();
    void mailLinks_data();
    void mailLinks();
    void extensionQuestion_data();
    void extensionQuestion();
    void extensionQuestionInRealBox();
    void tabClosedWhileDialogIsOpen_data();
    void tabClosedWhileDialogIsOpen();
    void refusedScriptKeepsTab_data();
    void refusedScriptKeepsTab();
    void forbiddenUrls_data();
    void forbiddenUrls();
    void playerPages_data();
    void playerPages();
    void playerPageLoadsMedia();
    void hostileAddressDoesNotRun_data();
    void hostileAddressDoesNotRun();
    void navigateLockAcrossTabs();
    void navigateLockSparesFramesAndRedirects();
    void titleWatchClosesOnePerTick();
    void flagCommands_data();
    void flagCommands();
    void addPageToList_data();
    void addPageToList();
    void listDialogs_data();
    void listDialogs();
    void silentPerView();
    void pageTurnsIntoDownload_data();
    void pageTurnsIntoDownload();

private:
    CMainFrame* Open();
    CZelvoView* Active() const { return m_frame->ActiveZelvoView(); }
    void WaitIdle(CHtmlView* view, const QString& url);
    QString Url(const QByteArray& path) const { return m_server->url(path).toString(); }
    void Settings(const QString& file, const QByteArray& text) { m_home->write(file, text); }

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    QList<MessageBoxCall> m_boxes;
    MbAnswer m_answer = MbAnswer::Yes;
    QList<QUrl> m_mailOpened;
};

void TestFilterView::init()
{
    m_home = std::make_unique<TempHome>();
    QVERIFY(ProgramDir::Prepare());
    m_server = std::make_unique<HttpServer>();
    m_server->route("/home", "text/html", Page("Home"));
    for (const char* path : {"/a", "/b", "/b.exe", "/b.EXE", "/b.ex", "/bad1", "/bad1/", "/bad3",
                             "/inner", "/p%3Cscript%3E", "/p.html"})
        m_server->route(path, "text/html", Page(QByteArray("Page ") + path));
    m_server->route("/links", "text/html",
                    Page("Links", "<a id=m href='mailto:x@y' style='display:block;width:300px;"
                                  "height:60px'>mail</a><a id=n href='/a' style='display:block;"
                                  "width:300px;height:60px'>a</a>"));
    m_server->route("/frames", "text/html", Page("Frames", "<iframe src='/inner'></iframe>"));
    m_server->route("/r", "text/html", Page("moved"));
    m_server->setStatus("/r", 302);
    m_server->addHeader("/r", "Location", "/a");
    m_server->route("/bad-one", "text/html", Page("Bad One"));
    m_server->route("/bad-two", "text/html", Page("Bad Two"));
    m_server->route("/good", "text/html", Page("Good"));
    // Every visit must reach the server, so counted requests count navigations.
    for (const char* path : {"/home", "/a", "/b", "/frames", "/inner", "/r"})
        m_server->addHeader(path, "Cache-Control", "no-store");
    qputenv("ZELVO_HOMEPAGE", m_server->url("/home").toString().toUtf8());
    m_boxes.clear();
    m_answer = MbAnswer::Yes;
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return m_answer;
    });
}

void TestFilterView::cleanup()
{
    SetMessageBoxResponder({});
    CHtmlView::SetDialogResponder({});
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    m_mailOpened.clear();
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestFilterView::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

CMainFrame* TestFilterView::Open()
{
    m_frame = std::make_unique<CMainFrame>(1);
    if (!m_frame->OnCreate())
        return nullptr;
    BindFilterCommands(*m_frame);
    m_frame->resize(900, 600);
    m_frame->show();
    m_frame->OnFileNew();
    WaitIdle(Active(), Url("/home"));
    return m_frame.get();
}

void TestFilterView::WaitIdle(CHtmlView* view, const QString& url)
{
    QVERIFY(view);
    // The engine names a requested address before its load starts: only the
    // document itself tells that it is shown.
    const QString shown = QStringLiteral("complete ") + url;
    QTRY_VERIFY_WITH_TIMEOUT(view->GetLocationURL() == url && !view->GetBusy() &&
                                 RunJs(view, "document.readyState+' '+location.href") == shown,
                             15000);
}

void TestFilterView::scriptAddresses_data()
{
    QTest::addColumn<int>("urlSec");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("address");
    // refused: the message and nothing else; ran: no message, the script ran;
    // loaded: no message, the page was fetched.
    QTest::addColumn<QString>("outcome");
    // Scripts in frames set the page's title from there.
    const QString here = QStringLiteral("JavaScript:void(document.title='ran')");
    const QString fromFrame = QStringLiteral("JavaScript:void(parent.document.title='ran')");
    // Every way a page or the user reaches a script address; a window opened
    // for one used to take the whole program down.
    const std::pair<const char*, QString> ways[] = {
        {"typed", here},         {"link", here},          {"frame link", fromFrame},
        {"svg link", here},      {"iframe", fromFrame},   {"form", here},
        {"form.submit()", here}, {"location.href", here}, {"window.open", "javascript:\"abc\""}};
    for (const auto& [how, address] : ways) {
        QTest::addRow("%s, url_sec on", how) << 1 << how << address << "refused";
        QTest::addRow("%s, url_sec off", how) << 0 << how << address << "ran";
    }
    QTest::newRow("escaped script link, url_sec off") << 0 << "link"
                                                      << "javascript:void(document.title%3D'ran')"
                                                      << "ran";
    // The engine drops tabs and leading blanks from an address.
    QTest::newRow("tab inside the scheme, url_sec on")
        << 1 << "link"
        << "java&#9;script:void(document.title='ran')"
        << "refused";
    // "<script" counts as written, not as the engine encodes it.
    const QString query = QStringLiteral("/p.html?q=\"><script>document.title='ran'</script>");
    const QString data = QStringLiteral("data:text/html,<script>document.title='ran'</script>");
    QTest::newRow("typed <script> in a query, url_sec on") << 1 << "typed" << query << "refused";
    QTest::newRow("typed <script> in a query, url_sec off") << 0 << "typed" << query << "loaded";
    QTest::newRow("typed data: page, url_sec on") << 1 << "typed" << data << "refused";
    QTest::newRow("typed data: page, url_sec off") << 0 << "typed" << data << "ran";
    QTest::newRow("typed %3Cscript, url_sec on") << 1 << "typed"
                                                 << "/p%3Cscript%3E"
                                                 << "loaded";
    QTest::newRow("page writes <script> in a query, url_sec on")
        << 1 << "location.href" << query << "refused";
}

void TestFilterView::scriptAddresses()
{
    QFETCH(int, urlSec);
    QFETCH(QString, how);
    QFETCH(QString, address);
    QFETCH(QString, outcome);
    Settings("Security.ini", "[Security]\r\nurl_sec=" + QByteArray::number(urlSec) + "\r\n");
    const QByteArray attribute = address.toUtf8().replace('"', "&quot;");
    const QByteArray box = " style='display:block;width:300px;height:60px'";
    // A link whose own handler does it.
    auto handler = [&](const QByteArray& script) {
        return "<a id=j href='#' data-u=\"" + attribute + "\" onclick=\"" + script +
               ";return false\"" + box + ">j</a>";
    };
    const QByteArray link = "<a id=j href=\"" + attribute + "\"" + box + ">j</a>";
    const QByteArray frame = "<iframe id=k src='/inner' style='position:absolute;left:0;top:0;"
                             "width:400px;height:200px;border:0'></iframe>";
    const QHash<QString, QByteArray> pages = {
        {"link", link},
        {"frame link", frame},
        {"svg link", "<svg width=300 height=60><a id=j href=\"" + attribute +
                         "\"><rect width=300 height=60 fill=teal /></a></svg>"},
        {"iframe", "<iframe src=\"" + attribute + "\"></iframe>"},
        {"form", "<form action=\"" + attribute + "\"><button id=j" + box + ">j</button></form>"},
        {"form.submit()", "<form id=f action=\"" + attribute + "\"></form>" +
                              handler("document.getElementById('f').submit()")},
        {"location.href", handler("location.href=this.dataset.u")},
        {"window.open", handler("window.open(this.dataset.u)")}};
    m_server->route("/home", "text/html", Page("Home", pages.value(how)));
    m_server->route("/inner", "text/html", Page("Inner", link));
    QVERIFY(Open());
    CZelvoView* view = Active();
    const QByteArray path = address.startsWith(QLatin1Char('/'))
                                ? address.section(QLatin1Char('?'), 0, 0).toLatin1()
                                : QByteArray();
    auto settled = [&] {
        return !m_boxes.isEmpty() || view->GetLocationName() == QLatin1String("ran") ||
               m_frame->TabCount() > 1 || (!path.isEmpty() && m_server->requestCount(path) > 0);
    };
    if (how == "typed") {
        // As typed: the server's origin and the text, not a URL made from it.
        view->Navigate2(path.isEmpty() ? address : Url("/").chopped(1) + address);
    } else if (how != "iframe") {
        if (how == "frame link") {
            QTRY_COMPARE(RunJs(view, "var d=document.getElementById('k').contentDocument;"
                                     "d?d.readyState:''")
                             .toString(),
                         QStringLiteral("complete"));
        }
        // Offscreen, the engine may drop the first clicks into a page that has
        // frames; a click is repeated only when nothing came of the last one.
        for (int attempt = 0; attempt < 5 && !settled(); ++attempt) {
            QWidget* target = view->GetWebView()->focusProxy();
            if (how == "frame link" && target) {
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(20, 20));
            } else {
                ClickElement(view, "j");
            }
            (void)QTest::qWaitFor(settled, 1000);
        }
    }
    QTRY_VERIFY(settled());
    if (outcome == QLatin1String("refused")) {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].text, QStringLiteral("不正なURLのようなので接続を中止しました！"));
        QCOMPARE(m_boxes[0].caption, QStringLiteral("中止"));
        QCOMPARE(m_boxes[0].icon, MbIcon::Stop);
        QCOMPARE(RunJs(view, "document.title").toString(), QStringLiteral("Home"));
        QCOMPARE(m_frame->TabCount(), 1);
        if (!path.isEmpty())
            QCOMPARE(m_server->requestCount(path), 0);
        return;
    }
    QVERIFY(m_boxes.isEmpty());
    if (outcome == QLatin1String("loaded")) {
        QVERIFY(m_server->requestCount(path) > 0);
    } else if (how == "window.open") {
        // The script's page in a new tab, the opener as it was.
        QCOMPARE(m_frame->TabCount(), 2);
        QTRY_COMPARE(
            RunJs(m_frame->TabView(1), "document.body?document.body.textContent:''").toString(),
            QStringLiteral("abc"));
        QCOMPARE(RunJs(view, "document.title").toString(), QStringLiteral("Home"));
    } else {
        QTRY_COMPARE(view->GetLocationName(), QStringLiteral("ran"));
    }
}

void TestFilterView::scriptLinkHandledByPage()
{
    // A link whose own handler cancels it never navigates, so nothing is asked.
    Settings("Security.ini", "[Security]\r\nurl_sec=1\r\n");
    m_server->route("/home", "text/html",
                    Page("Home", "<a id=j href=\"javascript:void(document.title='ran')\" "
                                 "onclick=\"document.title='handled';return false\" "
                                 "style='display:block;width:300px;height:60px'>j</a>"));
    QVERIFY(Open());
    CZelvoView* view = Active();
    auto handled = [&] { return view->GetLocationName() == QLatin1String("handled"); };
    for (int attempt = 0; attempt < 5 && !handled(); ++attempt) {
        ClickElement(view, "j");
        (void)QTest::qWaitFor(handled, 1000);
    }
    QVERIFY(handled());
    // A question about the link would come before the next page is shown.
    view->Navigate2(Url("/home"));
    WaitIdle(view, Url("/home"));
    QVERIFY(m_boxes.isEmpty());
}

void TestFilterView::mailLinks_data()
{
    QTest::addColumn<int>("mailto");
    QTest::newRow("mailto on") << 1;
    QTest::newRow("mailto off") << 0;
}

void TestFilterView::mailLinks()
{
    QFETCH(int, mailto);
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "openMail");
    Settings("Security.ini", "[Security]\r\nmailto=" + QByteArray::number(mailto) + "\r\n");
    QVERIFY(Open());
    CZelvoView* view = Active();
    view->Navigate2(Url("/links"));
    WaitIdle(view, Url("/links"));
    ClickElement(view, "m");
    // The second link's page comes after the mail link has been dealt with.
    ClickElement(view, "n");
    WaitIdle(view, Url("/a"));
    QCOMPARE(m_mailOpened.size(), mailto == 0 ? 1 : 0);
    QVERIFY(m_boxes.isEmpty());
}

void TestFilterView::extensionQuestion_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<MbAnswer>("answer");
    QTest::newRow("b.exe, Yes") << QByteArray("/b.exe") << ".exe" << MbAnswer::Yes;
    QTest::newRow("b.exe, No") << QByteArray("/b.exe") << ".exe" << MbAnswer::No;
    QTest::newRow("b.EXE") << QByteArray("/b.EXE") << "" << MbAnswer::No;
    QTest::newRow("b.ex, No") << QByteArray("/b.ex") << ".ex" << MbAnswer::No;
}

void TestFilterView::extensionQuestion()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, caption);
    QFETCH(MbAnswer, answer);
    Settings("Security.ini", "[Security]\r\nfilter=.exe+.zip\r\n");
    QVERIFY(Open());
    m_answer = answer;
    CZelvoView* view = Active();
    RunJs(view, "location.href='" + QString::fromLatin1(path) + "'");
    const bool loads = caption.isEmpty() || answer == MbAnswer::Yes;
    if (loads) {
        WaitIdle(view, Url(path));
    } else {
        QTRY_COMPARE(m_boxes.size(), 1);
        QTRY_VERIFY(!view->GetBusy());
        QCOMPARE(view->GetLocationURL(), Url("/home"));
    }
    QCOMPARE(m_server->requestCount(path), loads ? 1 : 0);
    QCOMPARE(m_boxes.size(), caption.isEmpty() ? 0 : 1);
    if (!caption.isEmpty()) {
        QCOMPARE(m_boxes[0].text, QStringLiteral("上記の拡張子ファイルをそのまま表示しますか？"));
        QCOMPARE(m_boxes[0].caption, caption);
        QCOMPARE(m_boxes[0].icon, MbIcon::Question);
        QCOMPARE(m_boxes[0].buttons, MbButtons::YesNo);
    }
}

void TestFilterView::tabClosedWhileDialogIsOpen_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("close");
    QTest::newRow("filter question, close command") << "question"
                                                    << "command";
    QTest::newRow("alert, close command") << "alert"
                                          << "command";
    QTest::newRow("alert, title watch") << "alert"
                                        << "title watch";
    QTest::newRow("confirm, posted close") << "confirm"
                                           << "posted";
    QTest::newRow("properties, close command") << "properties"
                                               << "command";
    QTest::newRow("print preview, title watch") << "preview"
                                                << "title watch";
    QTest::newRow("file open, close command") << "open"
                                              << "command";
}

void TestFilterView::tabClosedWhileDialogIsOpen()
{
    // A dialog runs an event loop of its own; the title watch, a posted close
    // or the close command may take its tab away before it returns.
    QFETCH(QString, dialog);
    QFETCH(QString, close);
    Settings("Security.ini", "[Security]\r\nfilter=.exe\r\n");
    Settings("StopTitle.ini", "[StopTitle]\r\ncount=0\r\n0=Page /a\r\n");
    QVERIFY(Open());
    m_frame->OpenUrlInNewTab(Url("/a"));
    QTRY_COMPARE(m_frame->TabCount(), 2);
    CZelvoView* view = Active();
    WaitIdle(view, Url("/a"));
    QPointer<CZelvoView> watched(view);
    int opened = 0;
    bool livedThrough = false;
    // As a real dialog: its own event loop, where the close arrives, open
    // until the tab is gone from the bar.
    auto whileOpen = [&] {
        ++opened;
        QEventLoop loop;
        QTimer::singleShot(0, &loop, [&] {
            if (close == QLatin1String("command"))
                m_frame->SendCommand(ToInt(CommandId::TabClose));
            else if (close == QLatin1String("posted"))
                m_frame->PostCommand(ToInt(CommandId::TabClose));
            else
                m_frame->SendCommand(ToInt(CommandId::ForbiddenTitleFilter));
        });
        QTimer closed;
        connect(&closed, &QTimer::timeout, &loop, [&] {
            if (m_frame->TabCount() == 1)
                loop.quit();
        });
        closed.start(10);
        loop.exec();
        livedThrough = !watched.isNull();
    };
    SetMessageBoxResponder([&](const MessageBoxCall& call) {
        m_boxes.append(call);
        whileOpen();
        return MbAnswer::Yes;
    });
    CHtmlView::SetDialogResponder([&](QDialog&) {
        whileOpen();
        return int(QDialog::Rejected);
    });
    if (dialog == QLatin1String("question"))
        view->GetPage()->runJavaScript("location.href='/b.exe'");
    else if (dialog == QLatin1String("alert") || dialog == QLatin1String("confirm"))
        view->GetPage()->runJavaScript(dialog + "('x')");
    else if (dialog == QLatin1String("properties"))
        view->ExecWB(OLECMDID_PROPERTIES, OLECMDEXECOPT_DODEFAULT);
    else if (dialog == QLatin1String("preview"))
        view->ExecWB(OLECMDID_PRINTPREVIEW, OLECMDEXECOPT_DODEFAULT);
    else
        m_frame->SendCommand(ToInt(CommandId::FileOpen));
    QTRY_COMPARE(opened, 1);
    // The page went once its dialog had returned, not before.
    QTRY_VERIFY(!watched);
    QVERIFY(livedThrough);
    QCOMPARE(m_frame->TabCount(), 1);
    QCOMPARE(Active()->GetLocationURL(), Url("/home"));
}

void TestFilterView::extensionQuestionInRealBox()
{
    // The question is asked while the engine waits for its answer; the real
    // box must be usable there.
    SetMessageBoxResponder({});
    Settings("Security.ini", "[Security]\r\nfilter=.exe\r\n");
    QVERIFY(Open());
    QString asked;
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, this, [&asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->button(QMessageBox::Yes))
            return;
        asked = box->windowTitle();
        box->button(QMessageBox::Yes)->click();
    });
    answerer.start(50);
    Active()->GetPage()->runJavaScript("location.href='/b.exe'");
    WaitIdle(Active(), Url("/b.exe"));
    QCOMPARE(asked, QStringLiteral(".exe"));
}

void TestFilterView::refusedScriptKeepsTab_data()
{
    QTest::addColumn<int>("urlSec");
    QTest::addColumn<int>("tabsAfter");
    QTest::newRow("refused script: tab stays") << 1 << 2;
    QTest::newRow("script allowed: forbidden list closes") << 0 << 1;
}

void TestFilterView::refusedScriptKeepsTab()
{
    QFETCH(int, urlSec);
    QFETCH(int, tabsAfter);
    Settings("Security.ini", "[Security]\r\nurl_sec=" + QByteArray::number(urlSec) + "\r\n");
    Settings("StopUrl.ini",
             "[Security]\r\ncheck=1\r\n[StopUrl]\r\ncount=1\r\n1=javascript:void(0)\r\n");
    QVERIFY(Open());
    m_frame->OnFileNew();
    WaitIdle(Active(), Url("/home"));
    QCOMPARE(m_frame->TabCount(), 2);
    QSignalSpy ran(m_frame.get(), &CMainFrame::commandRan);
    Active()->Navigate2(QStringLiteral("javascript:void(0)"));
    if (tabsAfter == 1)
        QTRY_COMPARE(m_frame->TabCount(), 1);
    else
        QTRY_COMPARE(m_boxes.size(), 1);
    // The close is posted, so it would have run by the time a posted probe does.
    bool probed = false;
    QTimer::singleShot(0, this, [&probed] { probed = true; });
    QTRY_VERIFY(probed);
    QCOMPARE(m_frame->TabCount(), tabsAfter);
    const bool closed = std::any_of(ran.cbegin(), ran.cend(), [](const QList<QVariant>& args) {
        return args.value(0).toInt() == ToInt(CommandId::TabClose);
    });
    QCOMPARE(closed, tabsAfter == 1);
}

void TestFilterView::forbiddenUrls_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("inBackground");
    QTest::addColumn<bool>("closes");
    QTest::newRow("key 3") << QByteArray("/bad3") << false << true;
    QTest::newRow("key 1") << QByteArray("/bad1") << false << true;
    QTest::newRow("trailing slash") << QByteArray("/bad1/") << false << false;
    QTest::newRow("in a background tab: the active one closes")
        << QByteArray("/bad3") << true << true;
}

void TestFilterView::forbiddenUrls()
{
    QFETCH(QByteArray, path);
    QFETCH(bool, inBackground);
    QFETCH(bool, closes);
    Settings("StopUrl.ini",
             "[Security]\r\ncheck=1\r\n[StopUrl]\r\ncount=3\r\n1=" + Url("/bad1").toLatin1() +
                 "\r\n3=" + Url("/bad3").toLatin1() + "\r\n");
    QVERIFY(Open());
    CZelvoView* first = Active();
    m_frame->OnFileNew();
    CZelvoView* second = Active();
    WaitIdle(second, Url("/home"));
    // The active tab closes, wherever the forbidden address was asked for.
    CZelvoView* navigated = inBackground ? first : second;
    CZelvoView* survivor = first;
    RunJs(navigated, "location.href='" + QString::fromLatin1(path) + "'");
    if (closes) {
        QTRY_COMPARE(m_frame->TabCount(), 1);
        QCOMPARE(m_frame->TabView(0), survivor);
        QCOMPARE(m_server->requestCount(path), 0);
        QVERIFY(m_boxes.isEmpty());
    } else {
        WaitIdle(navigated, Url(path));
        QCOMPARE(m_frame->TabCount(), 2);
    }
}

void TestFilterView::playerPages_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("element");
    QTest::newRow("x.MP3") << QByteArray("/x.MP3") << "media.html"
                           << "AUDIO";
    QTest::newRow("a.midi") << QByteArray("/a.midi") << "media.html"
                            << "AUDIO";
    QTest::newRow("a.wmv") << QByteArray("/a.wmv") << "media.html"
                           << "VIDEO";
    QTest::newRow("a.ram") << QByteArray("/a.ram") << "realone.html"
                           << "AUDIO";
    QTest::newRow(".rm?start=") << QByteArray("/a.rm?start=5&b=1") << "realone.html"
                                << "VIDEO";
}

void TestFilterView::playerPages()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, page);
    QFETCH(QString, element);
    Settings("Security.ini", "[media]\r\nsetting=1\r\n");
    QVERIFY(Open());
    CZelvoView* view = Active();
    RunJs(view, "location.href='" + QString::fromLatin1(path) + "'");
    WaitIdle(view, QUrl::fromLocalFile(m_home->file(page)).toString());
    QVERIFY(m_home->read(page).contains(Cp932::FromUnicode(QStringLiteral("マルチメディア"))));
    // The page plays the address itself, with the engine's own element.
    const QVariantList player =
        RunJs(view, "var m=document.querySelector('#player > *');m?[m.tagName,m.src]:[]").toList();
    QCOMPARE(player.size(), 2);
    QCOMPARE(player[0].toString(), element);
    QCOMPARE(player[1].toString(), Url(path));
}

// A tenth of a second of silence: 8 kHz, 8 bits, mono.
QByteArray SilentWave()
{
    const QByteArray samples(800, char(0x80));
    auto le = [](quint32 v, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i)
            out += char((v >> (8 * i)) & 0xFF);
        return out;
    };
    return "RIFF" + le(36 + samples.size(), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
           le(8000, 4) + le(8000, 4) + le(1, 2) + le(8, 2) + "data" + le(samples.size(), 4) +
           samples;
}

void TestFilterView::playerPageLoadsMedia()
{
    // The player page lives in the program directory, the sound on the web:
    // the engine must fetch it across that line.
    m_server->route("/tone.mp3", "audio/wav", SilentWave());
    Settings("Security.ini", "[media]\r\nsetting=1\r\n");
    QVERIFY(Open());
    CZelvoView* view = Active();
    RunJs(view, "location.href='/tone.mp3'");
    WaitIdle(view, QUrl::fromLocalFile(m_home->file("media.html")).toString());
    QTRY_VERIFY_WITH_TIMEOUT(RunJs(view, "var m=document.querySelector('#player > audio');"
                                         "m&&!m.error&&m.readyState>=1&&m.duration>0.05")
                                 .toBool(),
                             10000);
    QVERIFY(m_server->requestCount("/tone.mp3") > 0);
    // Any other local page stays off the web.
    view->Navigate2(QUrl::fromLocalFile(m_home->file("home.html")).toString());
    WaitIdle(view, QUrl::fromLocalFile(m_home->file("home.html")).toString());
    const int before = m_server->requestCount("/tone.mp3");
    RunJs(view, "var a=new Audio();a.id='refused';a.src='" + Url("/tone.mp3") +
                    "';document.body.appendChild(a);");
    // The element's own failure ends its attempt to load.
    QTRY_VERIFY_WITH_TIMEOUT(
        RunJs(view, "document.getElementById('refused').error !== null").toBool(), 10000);
    QCOMPARE(m_server->requestCount("/tone.mp3"), before);
}

void TestFilterView::hostileAddressDoesNotRun_data()
{
    QTest::addColumn<bool>("escaped");
    QTest::addColumn<bool>("runs");
    QTest::newRow("through the filter") << true << false;
    // Proves the probe: the same address put in unescaped does run.
    QTest::newRow("unescaped, for comparison") << false << true;
}

void TestFilterView::hostileAddressDoesNotRun()
{
    QFETCH(bool, escaped);
    QFETCH(bool, runs);
    const QString hostile =
        QStringLiteral("http://h/x\"></object></template><script>document.documentElement."
                       "setAttribute('data-pwned','1')</script><b a=\".mp3");
    Settings("Security.ini", "[media]\r\nsetting=1\r\n");
    FakeViewHost host;
    ProbeView view(&host, nullptr);
    view.resize(600, 400);
    view.show();
    const QString page = m_home->file(QStringLiteral("media.html"));
    if (escaped) {
        bool cancel = false;
        view.OnBeforeNavigate2(hostile, true, cancel);
        QVERIFY(cancel);
    } else {
        QByteArray text = m_home->read(QStringLiteral("Zelvo.dat"));
        text.replace(R"(<param name="FileName" value="">)",
                     R"(<param name="FileName" value=")" + hostile.toLatin1() + "\">");
        m_home->write(QStringLiteral("media.html"), text);
        view.Navigate(page);
    }
    WaitIdle(&view, QUrl::fromLocalFile(page).toString());
    QCOMPARE(RunJs(&view, "document.documentElement.hasAttribute('data-pwned')").toBool(), runs);
    if (escaped) {
        QCOMPARE(RunJs(&view, "document.scripts.length").toInt(), 1);
        QCOMPARE(RunJs(&view, "document.getElementById('wm').content.querySelector('param')"
                              ".getAttribute('value')")
                     .toString(),
                 hostile);
    }
}

void TestFilterView::navigateLockAcrossTabs()
{
    QVERIFY(Open());
    CZelvoView* first = Active();
    first->Navigate2(Url("/a"));
    WaitIdle(first, Url("/a"));
    m_frame->SendCommand(ToInt(CommandId::NavigateLock));
    QCOMPARE(m_frame->CommandState(ToInt(CommandId::NavigateLock)).check, 1);
    // A new tab's own first page is held too.
    m_frame->OnFileNew();
    CZelvoView* second = Active();
    WaitIdle(second, Url("/a"));
    m_server->clearRequests();
    RunJs(second, "location.href='/b'");
    QTRY_COMPARE(m_server->requestCount("/a"), 1);
    WaitIdle(second, Url("/a"));
    first->Navigate2(Url("/b"));
    QTRY_COMPARE(m_server->requestCount("/a"), 2);
    WaitIdle(first, Url("/a"));
    // A pop-up's page is held as well.
    RunJs(first, "window.open('/b')");
    QTRY_COMPARE(m_frame->TabCount(), 3);
    WaitIdle(m_frame->TabView(2), Url("/a"));
    QCOMPARE(m_server->requestCount("/b"), 0);

    m_frame->SendCommand(ToInt(CommandId::NavigateLock));
    QVERIFY(m_frame->Switches().lockedUrl.isEmpty());
    RunJs(second, "location.href='/b'");
    WaitIdle(second, Url("/b"));
}

void TestFilterView::navigateLockSparesFramesAndRedirects()
{
    QVERIFY(Open());
    CZelvoView* view = Active();
    view->Navigate2(Url("/frames"));
    WaitIdle(view, Url("/frames"));
    m_frame->SendCommand(ToInt(CommandId::NavigateLock));
    m_server->clearRequests();
    view->Refresh();
    QTRY_COMPARE(m_server->requestCount("/inner"), 1);
    WaitIdle(view, Url("/frames"));
    QCOMPARE(RunJs(view, "frames[0].location.href").toString(), Url("/inner"));

    // A locked address that redirects elsewhere is tried once, not for ever.
    m_frame->Switches().lockedUrl = Url("/r");
    m_server->clearRequests();
    view->Navigate2(Url("/b"));
    QTRY_COMPARE(m_server->requestCount("/r"), 1);
    QTRY_VERIFY(!view->GetBusy());
    QCOMPARE(m_server->requestCount("/a"), 0);
    QCOMPARE(m_server->requestCount("/r"), 1);
    QCOMPARE(view->GetLocationURL(), Url("/frames"));
}

void TestFilterView::titleWatchClosesOnePerTick()
{
    Settings("StopTitle.ini", "[StopTitle]\r\ncount=2\r\n1=Bad One\r\n2=Bad Two\r\n");
    QVERIFY(Open());
    Active()->Navigate2(Url("/bad-one"));
    for (const char* path : {"/good", "/bad-two"}) {
        m_frame->OnFileNew();
        WaitIdle(Active(), Url("/home"));
        Active()->Navigate2(Url(path));
    }
    for (int i = 0; i < 3; ++i)
        QTRY_VERIFY_WITH_TIMEOUT(!m_frame->TabView(i)->GetBusy() &&
                                     m_frame->TabView(i)->GetLocationName() != "Home",
                                 15000);
    QVERIFY(!m_frame->IsTitleWatchRunning());
    auto* timer = m_frame->findChild<QTimer*>(QStringLiteral("timer37014"));
    QVERIFY(timer);
    QList<int> tabsAfterTick;
    connect(timer, &QTimer::timeout, this,
            [this, &tabsAfterTick] { tabsAfterTick.append(m_frame->TabCount()); });
    m_frame->SendCommand(ToInt(CommandId::ForbiddenTitleFilter));
    QVERIFY(m_frame->IsTitleWatchRunning());
    QCOMPARE(timer->interval(), 1000);
    QTRY_VERIFY_WITH_TIMEOUT(tabsAfterTick.size() >= 3, 10000);
    QCOMPARE(tabsAfterTick.mid(0, 3), (QList<int>{2, 1, 1}));
    QCOMPARE(m_frame->TabView(0)->GetLocationName(), QStringLiteral("Good"));
    m_frame->SendCommand(ToInt(CommandId::ForbiddenTitleFilter));
    QVERIFY(!m_frame->IsTitleWatchRunning());
}

void TestFilterView::flagCommands_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("checkBefore");
    QTest::addColumn<int>("checkAfter");
    const int urlSec = ToInt(CommandId::UrlSecurity);
    const int mailto = ToInt(CommandId::SuppressMailto);
    const int media = ToInt(CommandId::ZelvoMultimedia);
    const int stopUrl = ToInt(CommandId::ForbiddenUrlFilter);
    const int stopTitle = ToInt(CommandId::ForbiddenTitleFilter);
    QTest::newRow("url_sec missing")
        << urlSec << "Security.ini" << QByteArray("Security") << QByteArray("url_sec")
        << QByteArray() << QByteArray("1") << 0 << 1;
    QTest::newRow("url_sec 1") << urlSec << "Security.ini" << QByteArray("Security")
                               << QByteArray("url_sec") << QByteArray("1") << QByteArray("0") << 1
                               << 0;
    QTest::newRow("url_sec 2 kept")
        << urlSec << "Security.ini" << QByteArray("Security") << QByteArray("url_sec")
        << QByteArray("2") << QByteArray("2") << 0 << 0;
    QTest::newRow("mailto 2") << mailto << "Security.ini" << QByteArray("Security")
                              << QByteArray("mailto") << QByteArray("2") << QByteArray("0") << 1
                              << 0;
    QTest::newRow("media 0") << media << "Security.ini" << QByteArray("media")
                             << QByteArray("setting") << QByteArray("0") << QByteArray("1") << 0
                             << 1;
    QTest::newRow("StopUrl check 2")
        << stopUrl << "StopUrl.ini" << QByteArray("Security") << QByteArray("check")
        << QByteArray("2") << QByteArray("0") << 1 << 0;
    QTest::newRow("StopTitle check missing")
        << stopTitle << "StopTitle.ini" << QByteArray("Security") << QByteArray("check")
        << QByteArray() << QByteArray("1") << 0 << 1;
    QTest::newRow("StopTitle check 7")
        << stopTitle << "StopTitle.ini" << QByteArray("Security") << QByteArray("check")
        << QByteArray("7") << QByteArray("0") << 1 << 0;
}

void TestFilterView::flagCommands()
{
    QFETCH(int, id);
    QFETCH(QString, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, checkBefore);
    QFETCH(int, checkAfter);
    if (!before.isEmpty())
        Settings(file, "[" + section + "]\r\n" + key + "=" + before + "\r\n");
    QVERIFY(Open());
    QCOMPARE(m_frame->CommandState(id).check, checkBefore);
    m_frame->SendCommand(id);
    QCOMPARE(m_home->read(file), "[" + section + "]\r\n" + key + "=" + after + "\r\n");
    QCOMPARE(m_frame->CommandState(id).check, checkAfter);
    if (id == ToInt(CommandId::ForbiddenTitleFilter))
        QCOMPARE(m_frame->IsTitleWatchRunning(), after == "1");
}

void TestFilterView::addPageToList_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<MbAnswer>("answer");
    QTest::newRow("URL, Yes") << ToInt(CommandId::AddPageToForbiddenUrls) << MbAnswer::Yes;
    QTest::newRow("URL, No") << ToInt(CommandId::AddPageToForbiddenUrls) << MbAnswer::No;
    QTest::newRow("title, Yes") << ToInt(CommandId::AddPageToForbiddenTitles) << MbAnswer::Yes;
}

void TestFilterView::addPageToList()
{
    QFETCH(int, id);
    QFETCH(MbAnswer, answer);
    const bool urls = id == ToInt(CommandId::AddPageToForbiddenUrls);
    const QString file = urls ? QStringLiteral("StopUrl.ini") : QStringLiteral("StopTitle.ini");
    const QByteArray section = urls ? "StopUrl" : "StopTitle";
    Settings(file, "[" + section + "]\r\ncount=4\r\n0=x\r\n");
    QVERIFY(Open());
    Active()->Navigate2(Url("/good"));
    WaitIdle(Active(), Url("/good"));
    m_answer = answer;
    m_frame->SendCommand(id);
    QCOMPARE(m_boxes.size(), 1);
    const QString value = urls ? Url("/good") : QStringLiteral("Good");
    QCOMPARE(m_boxes[0].text, value);
    QCOMPARE(m_boxes[0].caption, urls ? QStringLiteral("下記を禁止URLリストに追加しますか？")
                                      : QStringLiteral("下記を禁止タイトルリストに追加しますか？"));
    QCOMPARE(m_boxes[0].buttons, MbButtons::YesNo);
    QCOMPARE(m_boxes[0].icon, MbIcon::Question);
    QCOMPARE(m_home->read(file),
             answer == MbAnswer::Yes
                 ? "[" + section + "]\r\ncount=5\r\n0=x\r\n5=" + value.toLatin1() + "\r\n"
                 : "[" + section + "]\r\ncount=4\r\n0=x\r\n");
}

void TestFilterView::listDialogs_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("after");
    const int urls = ToInt(CommandId::ForbiddenUrlList);
    const int titles = ToInt(CommandId::ForbiddenTitleList);
    QTest::newRow("URLs: delete one, OK")
        << urls << "delete,ok" << QByteArray("[StopUrl]\r\ncount=1\r\n0=a\r\n1=c\r\n");
    QTest::newRow("titles: delete one, OK")
        << titles << "delete,ok" << QByteArray("[StopTitle]\r\ncount=1\r\n0=a\r\n1=c\r\n");
    QTest::newRow("delete refused, OK")
        << urls << "keep,ok" << QByteArray("[StopUrl]\r\ncount=2\r\n0=a\r\n1=b\r\n2=c\r\n");
    QTest::newRow("delete one, Cancel") << urls << "delete,cancel" << QByteArray();
    QTest::newRow("delete all, Cancel")
        << titles << "all,cancel" << QByteArray("[Security]\r\ncheck=1\r\n");
    QTest::newRow("nothing selected") << urls << "none,cancel" << QByteArray();
}

void TestFilterView::listDialogs()
{
    QFETCH(int, id);
    QFETCH(QString, action);
    QFETCH(QByteArray, after);
    const bool urls = id == ToInt(CommandId::ForbiddenUrlList);
    const QString file = urls ? QStringLiteral("StopUrl.ini") : QStringLiteral("StopTitle.ini");
    const QByteArray section = urls ? "StopUrl" : "StopTitle";
    const QByteArray before =
        "[Security]\r\ncheck=1\r\n[" + section + "]\r\ncount=4\r\n1=a\r\n2=\r\n3=b\r\n4=c\r\n";
    Settings(file, before);
    if (after.isEmpty())
        after = before;
    else if (!after.startsWith("[Security]"))
        after = "[Security]\r\ncheck=1\r\n" + after;
    QVERIFY(Open());
    const QStringList steps = action.split(QLatin1Char(','));
    QStringList shown;
    QString title;
    QColor background;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<CStopListDlg*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        title = dialog->windowTitle();
        background = dialog->palette().color(QPalette::Window);
        QListWidget* list = dialog->ListBox();
        for (int i = 0; i < list->count(); ++i)
            shown.append(list->item(i)->text());
        const QString step = steps[0];
        if (step == QLatin1String("delete") || step == QLatin1String("keep")) {
            m_answer = step == QLatin1String("delete") ? MbAnswer::Yes : MbAnswer::No;
            const QRect rect = list->visualItemRect(list->item(1));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        } else if (step == QLatin1String("all")) {
            dialog->DeleteAllButton()->click();
        } else {
            list->clearSelection();
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                               QPoint(5, list->viewport()->height() - 5));
        }
        QPushButton* close = dialog->findChild<QPushButton*>(
            steps[1] == QLatin1String("ok") ? QStringLiteral("IDOK") : QStringLiteral("IDCANCEL"));
        close->click();
    });
    m_frame->SendCommand(id);
    QCOMPARE(title, urls ? QStringLiteral("禁止URLリスト") : QStringLiteral("禁止タイトルリスト"));
    QCOMPARE(background, QColor(230, 245, 253));
    QCOMPARE(shown, (QStringList{"a", "b", "c"}));
    QCOMPARE(m_home->read(file), after);
    QCOMPARE(m_boxes.size(), 1);
    if (steps[0] == QLatin1String("all")) {
        QCOMPARE(m_boxes[0].text, QStringLiteral("全部削除しますか？"));
        QCOMPARE(m_boxes[0].caption, QStringLiteral("確認"));
    } else if (steps[0] == QLatin1String("none")) {
        QCOMPARE(m_boxes[0].text, QStringLiteral("エラー"));
        QCOMPARE(m_boxes[0].icon, MbIcon::Stop);
    } else {
        QCOMPARE(m_boxes[0].text, QStringLiteral("b"));
        QCOMPARE(m_boxes[0].caption, QStringLiteral("下記を削除しますか？"));
        QCOMPARE(m_boxes[0].buttons, MbButtons::YesNo);
    }
}

void TestFilterView::silentPerView()
{
    QVERIFY(Open());
    CZelvoView* loud = Active();
    m_frame->OnFileNew();
    CZelvoView* quiet = Active();
    WaitIdle(quiet, Url("/home"));
    const int id = ToInt(CommandId::SuppressDialogs);
    QCOMPARE(m_frame->CommandState(id).check, 0);
    m_frame->SendCommand(id);
    QCOMPARE(m_frame->CommandState(id).check, 1);
    QVERIFY(quiet->GetSilent());
    QVERIFY(!loud->GetSilent());
    QCOMPARE(RunJs(quiet, "alert('a'); confirm('b'); prompt('c') === null").toBool(), true);
    QVERIFY(m_boxes.isEmpty());
    RunJs(loud, "alert('a')");
    QTRY_COMPARE(m_boxes.size(), 1);
    m_frame->SendCommand(id);
    QVERIFY(!quiet->GetSilent());
    QCOMPARE(m_frame->CommandState(id).check, 0);
}

void TestFilterView::pageTurnsIntoDownload_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<bool>("newTab");
    QTest::newRow("attachment") << QByteArray("/report.txt") << false;
    QTest::newRow("octet-stream") << QByteArray("/data.bin") << false;
    QTest::newRow("octet-stream in a new tab") << QByteArray("/data.bin") << true;
}

void TestFilterView::pageTurnsIntoDownload()
{
    QFETCH(QByteArray, path);
    QFETCH(bool, newTab);
    m_server->route("/report.txt", "text/plain", "report");
    m_server->addHeader("/report.txt", "Content-Disposition", "attachment; filename=report.txt");
    m_server->route("/data.bin", "application/octet-stream", QByteArray(4096, 'x'));
    m_server->route("/home", "text/html",
                    Page("Home", "<a id=j href='" + path + "'" + (newTab ? " target=_blank" : "") +
                                     " style='display:block;width:300px;height:60px'>file</a>"));
    // The save dialog is refused: only the tab's state matters here.
    CHtmlView::SetDialogResponder([](QDialog&) { return int(QDialog::Rejected); });
    m_frame = OpenFrame();
    QVERIFY(m_frame);
    CZelvoView* view = Active();
    WaitIdle(view, Url("/home"));
    QCOMPARE(m_frame->windowTitle(), QStringLiteral("Home"));
    ClickElement(view, "j");
    QTRY_COMPARE(m_server->requestCount(path), 1);
    const int tab = newTab ? 1 : 0;
    QTRY_COMPARE(m_frame->TabCount(), tab + 1);
    CZelvoView* loaded = m_frame->TabView(tab);
    QTRY_VERIFY(!loaded->GetBusy());
    // No page came: caption and label leave the loading state.
    QTRY_VERIFY(!m_frame->windowTitle().contains(QLatin1String("Loading")));
    QVERIFY(m_frame->m_wndTabBar->tabText(tab) != QString::fromLatin1(TabLabels::BusyLabel()));
    if (!newTab) {
        QCOMPARE(m_frame->windowTitle(), QStringLiteral("Home"));
        QCOMPARE(m_frame->m_wndTabBar->tabText(0), QStringLiteral("Home......"));
        QCOMPARE(view->GetLocationURL(), Url("/home"));
    }
}

QTEST_MAIN(TestFilterView)
#include "tst_filterview.moc"
