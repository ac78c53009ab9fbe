#include "platform/MessageBox.h"
#include "view/CHtmlView.h"
#include "view/DownloadControl.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "HttpServer.h"
#include "PageMenu.h"
#include "TempHome.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtTest>

#include <memory>
#include <optional>
#include <vector>

// Beats whenever a view logs an event or the server gets a request. Tests wait
// on it through QSignalSpy, which runs a real event loop: QTRY's sleeps
// between checks stall the engine's many round trips, a page load taking
// seconds instead of milliseconds.
class Pulse : public QObject {
    Q_OBJECT

signals:
    void beat();
};

static Pulse* g_pulse = nullptr;

// Records every event as one line of text, answers the ambient questions from
// its fields and opens or refuses new windows as told.
class TestView : public CHtmlView {
public:
    QStringList log;
    std::function<bool(const QString& url)> refuse;
    enum class NewWindow { Open, Refuse } newWindow = NewWindow::Refuse;
    std::vector<std::unique_ptr<TestView>> opened;
    std::optional<quint32> downloadControl;
    QString userAgent;

    int count(const QString& prefix) const
    {
        int n = 0;
        for (const QString& line : log)
            n += line.startsWith(prefix) ? 1 : 0;
        return n;
    }
    // The lines that start with one of the prefixes, in order.
    QStringList only(const QStringList& prefixes) const
    {
        QStringList kept;
        for (const QString& line : log) {
            for (const QString& prefix : prefixes) {
                if (line.startsWith(prefix)) {
                    kept << line;
                    break;
                }
            }
        }
        return kept;
    }

protected:
    void note(const QString& line)
    {
        log << line;
        emit g_pulse->beat();
    }

    void OnBeforeNavigate2(const QString& url, bool isMainFrame, bool& cancel) override
    {
        note(QStringLiteral("BeforeNavigate2 %1 %2").arg(url, isMainFrame ? "main" : "frame"));
        cancel = refuse && refuse(url);
    }
    void OnNewWindow2(CHtmlView*& newView, bool& cancel) override
    {
        note(QStringLiteral("NewWindow2"));
        if (newWindow == NewWindow::Refuse) {
            cancel = true;
            return;
        }
        opened.push_back(std::make_unique<TestView>());
        opened.back()->resize(400, 300);
        opened.back()->show();
        newView = opened.back().get();
    }
    void OnNavigateComplete2(const QString& url) override { note("NavigateComplete2 " + url); }
    void OnDocumentComplete(const QString& url) override { note("DocumentComplete " + url); }
    void OnNavigateError(const QString& url, int code) override
    {
        note(QStringLiteral("NavigateError %1 %2").arg(url).arg(code));
    }
    void OnTitleChange(const QString& title) override { note("TitleChange " + title); }
    void OnProgressChange(int progress, int max) override
    {
        note(QStringLiteral("Progress %1 %2").arg(progress).arg(max));
    }
    void OnStatusTextChange(const QString& text) override { note("StatusText " + text); }
    void OnCommandStateChange(int command, bool enable) override
    {
        note(QStringLiteral("CommandState %1 %2").arg(command).arg(enable));
    }
    void OnDownloadBegin() override { note(QStringLiteral("DownloadBegin")); }
    void OnDownloadComplete() override { note(QStringLiteral("DownloadComplete")); }
    bool OnAmbientProperty(int dispid, QVariant& value) override
    {
        if (dispid == DISPID_AMBIENT_DLCONTROL && downloadControl) {
            value = *downloadControl;
            return true;
        }
        if (dispid == DISPID_AMBIENT_USERAGENT && !userAgent.isEmpty()) {
            value = userAgent;
            return true;
        }
        return false;
    }
};

class TestHtmlView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void zoomLevels_data();
    void zoomLevels();
    void viewSourceUrl_data();
    void viewSourceUrl();
    void locationName_data();
    void locationName();
    void addressText_data();
    void addressText();
    void saveNames_data();
    void saveNames();
    void downloadControlWord_data();
    void downloadControlWord();

    void oneLoadRaisesEventsInOrder();
    void refusedNavigationLeavesNoTrace_data();
    void refusedNavigationLeavesNoTrace();
    void refusalWhilePageLoadsKeepsIt();
    void scriptAndFrameNavigationsAsked_data();
    void scriptAndFrameNavigationsAsked();
    void newWindowRequests_data();
    void newWindowRequests();
    void locationNameOfPages_data();
    void locationNameOfPages();
    void failedLoadsReported_data();
    void failedLoadsReported();
    void backAndForwardStates();
    void homePage_data();
    void homePage();
    void downloadControlApplied_data();
    void downloadControlApplied();
    void downloadControlFollowsChanges();
    void requestHeadersSent_data();
    void requestHeadersSent();
    void silentModeSuppressesDialogs_data();
    void silentModeSuppressesDialogs();
    void zoomCommand_data();
    void zoomCommand();
    void saveAndPrintWriteFiles_data();
    void saveAndPrintWriteFiles();
    void dialogCommandsAsk_data();
    void dialogCommandsAsk();
    void editCommandsReachPage();
    void viewSourceOpens_data();
    void viewSourceOpens();
    void findText_data();
    void findText();
    void closeDocumentBlanksQuietly();
    void japaneseDefaultFonts_data();
    void japaneseDefaultFonts();
    void contextMenu_data();
    void contextMenu();

private:
    QString url(const QByteArray& path) const { return m_server->url(path).toString(); }
    std::unique_ptr<TestView> makeView();
    bool load(TestView& view, const QString& address);
    static bool waitFor(const std::function<bool()>& condition);

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
};

static const QByteArray kHtml = "text/html; charset=utf-8";

void TestHtmlView::initTestCase()
{
    // One program directory for the whole run: the engine keeps its storage
    // there for as long as the profile lives.
    m_home = std::make_unique<TempHome>();
    g_pulse = new Pulse;
    m_server = std::make_unique<HttpServer>();
    QVERIFY(m_server->isListening());
    connect(m_server.get(), &HttpServer::requestReceived, g_pulse, &Pulse::beat);
    HttpServer& s = *m_server;
    s.route("/page", kHtml,
            "<html><head><title>Page</title></head><body><p>needle text</p>"
            "<a id=link href='/second'>second</a></body></html>");
    s.route("/second", kHtml, "<title>Second</title>second");
    s.route("/untitled", kHtml, "<html><body>no title</body></html>");
    s.route("/slow", kHtml, "<title>Slow</title>slow");
    s.route("/script-nav", kHtml,
            "<title>ScriptNav</title><script>location.href='/second'</script>");
    s.route("/held-nav", kHtml,
            "<title>HeldNav</title><img src='/held.png'><script>location.href='/second'</script>");
    s.route("/frames", kHtml, "<title>Frames</title><iframe src='/inner'></iframe>");
    s.route("/inner", kHtml, "<title>Inner</title>inner");
    s.route("/popups", kHtml,
            "<title>Popups</title><a id=blank target=_blank href='/popup'>popup</a>");
    s.route("/popup", kHtml, "<title>Popup</title>popup");
    s.route("/alert", kHtml,
            "<title>Before</title><script>alert('hello');document.title='After'</script>");
    s.route("/content", kHtml,
            "<title>Static</title><img src='/img.png'>"
            "<audio src='/sound.mp3' preload=auto></audio>"
            "<script>document.title='Ran'</script>");
    const QByteArray png =
        QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwA"
                               "EhQGAhKmMIQAAAABJRU5ErkJggg==");
    s.route("/img.png", "image/png", png);
    s.route("/menu", kHtml,
            "<title>Menu</title><style>*{margin:0}.at{position:absolute;left:10px}</style>"
            "<a class=at style=top:10px href='/second?q=%E3%81%82'>second</a>"
            "<img class=at style=top:50px width=40 height=40 src='/img.png'>"
            "<input class=at style=top:110px value=text>"
            "<p class=at style=top:150px id=plain>plain text</p>");
    s.route("/held.png", "image/png", png);
    s.route("/sound.mp3", "audio/mpeg", QByteArray(64, '\0'));
    for (const QByteArray path : {"/content", "/img.png", "/sound.mp3", "/page"})
        s.addHeader(path, "Cache-Control", "no-store");
}

void TestHtmlView::cleanupTestCase()
{
    // Every view of a test is gone by now; the profile must go before the
    // application does.
    EngineProfile::Shutdown();
    m_server.reset();
    delete g_pulse;
}

void TestHtmlView::init()
{
    m_server->clearRequests();
    SetMessageBoxResponder(nullptr);
    CHtmlView::SetDialogResponder(nullptr);
}

std::unique_ptr<TestView> TestHtmlView::makeView()
{
    auto view = std::make_unique<TestView>();
    view->resize(640, 480);
    view->show();
    return view;
}

// Waits, with the event loop running, until a beat finds the condition true.
bool TestHtmlView::waitFor(const std::function<bool()>& condition)
{
    const QDeadlineTimer deadline(15000);
    QSignalSpy beats(g_pulse, &Pulse::beat);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        beats.wait(int(deadline.remainingTime()));
    }
    return true;
}

// Navigates and waits for the load to end, whichever way it ends.
bool TestHtmlView::load(TestView& view, const QString& address)
{
    const int done = view.count("DownloadComplete");
    view.Navigate2(address);
    return waitFor([&] { return view.count("DownloadComplete") > done; });
}

// Decisions

void TestHtmlView::zoomLevels_data()
{
    QTest::addColumn<qreal>("factor");
    QTest::addColumn<int>("level");
    for (int level = 0; level < HtmlView::kZoomLevels; ++level)
        QTest::addRow("level %d", level) << HtmlView::ZoomFactorForLevel(level) << level;
    QTest::newRow("between medium and large, nearer medium") << 1.05 << 2;
    QTest::newRow("far below smallest") << 0.25 << 0;
    QTest::newRow("far above largest") << 5.0 << 4;
}

void TestHtmlView::zoomLevels()
{
    QFETCH(qreal, factor);
    QFETCH(int, level);
    QCOMPARE(HtmlView::ZoomLevelForFactor(factor), level);
    QCOMPARE(HtmlView::ZoomFactorForLevel(HtmlView::kDefaultZoomLevel), 1.0);
    QCOMPARE(HtmlView::ZoomFactorForLevel(-1), 0.0);
    QCOMPARE(HtmlView::ZoomFactorForLevel(HtmlView::kZoomLevels), 0.0);
}

void TestHtmlView::viewSourceUrl_data()
{
    QTest::addColumn<QUrl>("page");
    QTest::addColumn<QUrl>("source");
    QTest::newRow("web page") << QUrl("http://a.example/p?q=1")
                              << QUrl("view-source:http://a.example/p?q=1");
    QTest::newRow("already source")
        << QUrl("view-source:http://a.example/") << QUrl("view-source:http://a.example/");
    QTest::newRow("blank page") << QUrl("about:blank") << QUrl();
    QTest::newRow("nothing loaded") << QUrl() << QUrl();
}

void TestHtmlView::viewSourceUrl()
{
    QFETCH(QUrl, page);
    QFETCH(QUrl, source);
    QCOMPARE(HtmlView::ViewSourceUrl(page), source);
}

void TestHtmlView::locationName_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QString>("name");
    const QUrl page("http://127.0.0.1:8080/dir/page.html");
    QTest::newRow("title") << "Title" << page << "Title";
    QTest::newRow("no title") << "" << page << page.toString();
    QTest::newRow("engine stand-in") << "127.0.0.1:8080/dir/page.html" << page << page.toString();
    QTest::newRow("stand-in of a root")
        << "host.example" << QUrl("https://host.example/") << "https://host.example/";
    QTest::newRow("source stand-in")
        << "view-source:127.0.0.1:8080/dir/page.html" << QUrl("view-source:" + page.toString())
        << "view-source:" + page.toString();
    QTest::newRow("file name stand-in")
        << "a.html" << QUrl::fromLocalFile("/tmp/a.html") << "file:///tmp/a.html";
    QTest::newRow("title naming another address") << "other.example/x" << page << "other.example/x";
}

void TestHtmlView::locationName()
{
    QFETCH(QString, title);
    QFETCH(QUrl, url);
    QFETCH(QString, name);
    QCOMPARE(HtmlView::LocationName(title, url), name);
}

void TestHtmlView::addressText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("web address") << "http://a.example/b" << QUrl("http://a.example/b");
    QTest::newRow("file path") << "/tmp/fav.html" << QUrl("file:///tmp/fav.html");
    QTest::newRow("blank") << "about:blank" << QUrl("about:blank");
    QTest::newRow("blanks only") << "  " << QUrl();
}

void TestHtmlView::addressText()
{
    QFETCH(QString, text);
    QFETCH(QUrl, url);
    QCOMPARE(HtmlView::UrlFromText(text), url);
}

void TestHtmlView::saveNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("title") << "Page title"
                           << "Page title.html";
    QTest::newRow("separators and wildcards") << "a/b\\c:d*?"
                                              << "abcd.html";
    QTest::newRow("nothing left") << "<>|"
                                  << "page.html";
    QTest::newRow("would be hidden") << ".profile"
                                     << "page.profile.html";
}

void TestHtmlView::saveNames()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    QCOMPARE(HtmlView::SaveFileName(name), fileName);
    QCOMPARE(HtmlView::SaveFormatFor("/x/" + fileName),
             QWebEngineDownloadRequest::CompleteHtmlSaveFormat);
    QCOMPARE(HtmlView::SaveFormatFor("/x/a.MHT"), QWebEngineDownloadRequest::MimeHtmlSaveFormat);
}

void TestHtmlView::downloadControlWord_data()
{
    QTest::addColumn<quint32>("word");
    QTest::addColumn<bool>("scripts");
    QTest::addColumn<bool>("images");
    QTest::addColumn<bool>("plugins");
    QTest::addColumn<bool>("videoBlocked");
    QTest::addColumn<bool>("soundBlocked");
    QTest::newRow("everything on") << 0x70u << true << true << true << false << false;
    QTest::newRow("everything off") << 0x780u << false << false << false << true << true;
    QTest::newRow("no scripts") << (0x70u | DLCTL_NO_SCRIPTS) << false << true << true << false
                                << false;
    QTest::newRow("no java") << (0x70u | DLCTL_NO_JAVA) << true << true << false << false << false;
    QTest::newRow("no activex run")
        << (0x70u | DLCTL_NO_RUNACTIVEXCTLS) << true << true << false << false << false;
    QTest::newRow("no images") << 0x60u << true << false << true << false << false;
    QTest::newRow("no videos") << 0x50u << true << true << true << true << false;
    QTest::newRow("no sounds") << 0x30u << true << true << true << false << true;
}

void TestHtmlView::downloadControlWord()
{
    QFETCH(quint32, word);
    QFETCH(bool, scripts);
    QFETCH(bool, images);
    QFETCH(bool, plugins);
    QFETCH(bool, videoBlocked);
    QFETCH(bool, soundBlocked);
    const DownloadControl::PageSettings s = DownloadControl::SettingsFor(word);
    QCOMPARE(s.scripts, scripts);
    QCOMPARE(s.images, images);
    QCOMPARE(s.plugins, plugins);
    const auto media = QWebEngineUrlRequestInfo::ResourceTypeMedia;
    QCOMPARE(DownloadControl::Blocks(word, media, QUrl("http://a/clip.mp4")), videoBlocked);
    QCOMPARE(DownloadControl::Blocks(word, media, QUrl("http://a/tune.MID?x=1")), soundBlocked);
    // Only media requests are ever blocked; images follow the page setting.
    QVERIFY(!DownloadControl::Blocks(word, QWebEngineUrlRequestInfo::ResourceTypeImage,
                                     QUrl("http://a/tune.mp3")));
}

// Events

void TestHtmlView::oneLoadRaisesEventsInOrder()
{
    auto view = makeView();
    m_server->hold("/slow");
    view->Navigate2(url("/slow"));
    QVERIFY(waitFor([&] { return m_server->waitingCount("/slow") == 1; }));
    QVERIFY(view->GetBusy());
    QCOMPARE(view->only({"BeforeNavigate2", "DownloadBegin", "NavigateComplete2"}),
             QStringList({"BeforeNavigate2 " + url("/slow") + " main", "DownloadBegin"}));
    m_server->release("/slow");
    QVERIFY(waitFor([&] { return view->count("DownloadComplete") == 1; }));
    QVERIFY(!view->GetBusy());

    const QStringList expected = {
        "BeforeNavigate2 " + url("/slow") + " main", "DownloadBegin",
        "NavigateComplete2 " + url("/slow"),         "DocumentComplete " + url("/slow"),
        "StatusText ページが表示されました",         "DownloadComplete",
    };
    QCOMPARE(
        view->only({"BeforeNavigate2", "DownloadBegin", "NavigateComplete2", "DocumentComplete",
                    "StatusText ページ", "DownloadComplete", "NavigateError"}),
        expected);
    const QStringList titles = view->only({"TitleChange"});
    QVERIFY(!titles.isEmpty());
    QCOMPARE(titles.last(), QStringLiteral("TitleChange Slow"));
    QVERIFY(view->log.lastIndexOf(titles.last()) < view->log.indexOf(expected[3]));

    // Progress runs from the start to 100 within the load, out of 100.
    int previous = -1;
    const int begin = view->log.indexOf("DownloadBegin");
    const int complete = view->log.indexOf(expected[3]);
    const QStringList progress = view->only({"Progress"});
    QVERIFY(!progress.isEmpty());
    for (const QString& line : progress) {
        const int at = view->log.indexOf(line);
        QVERIFY2(at > begin && at < complete, qPrintable(line));
        const QStringList parts = line.split(' ');
        QCOMPARE(parts[2], QStringLiteral("100"));
        QVERIFY(parts[1].toInt() >= previous);
        previous = parts[1].toInt();
    }
    QCOMPARE(previous, 100);
    QCOMPARE(view->GetLocationURL(), url("/slow"));
}

void TestHtmlView::refusedNavigationLeavesNoTrace_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("nextAtOnce");
    QTest::addColumn<int>("loadsEnded");
    QTest::newRow("typed address") << "typed" << false << 0;
    QTest::newRow("link click") << "click" << false << 0;
    // The engine drops a load that showed nothing yet when the next one is
    // refused; the view reports that load as ended, not as failed.
    QTest::newRow("while a load is pending") << "pending" << false << 1;
    // The next navigation joins the load the engine began for the refused one.
    QTest::newRow("next navigation at once") << "typed" << true << 0;
}

void TestHtmlView::refusedNavigationLeavesNoTrace()
{
    QFETCH(QString, how);
    QFETCH(bool, nextAtOnce);
    QFETCH(int, loadsEnded);
    auto view = makeView();
    QVERIFY(load(*view, url("/page")));
    view->refuse = [](const QString& u) { return u.endsWith("/second"); };
    if (how == "pending") {
        m_server->hold("/slow");
        view->Navigate2(url("/slow"));
        QVERIFY(waitFor([&] { return m_server->waitingCount("/slow") == 1; }));
    }
    view->log.clear();
    QSignalSpy engineDone(view->GetPage(), &QWebEnginePage::loadFinished);

    if (how == "click")
        view->GetPage()->runJavaScript("document.getElementById('link').click()");
    else
        view->Navigate2(url("/second"));
    QVERIFY(waitFor([&] { return view->count("BeforeNavigate2 " + url("/second")) == 1; }));
    if (!nextAtOnce) {
        // The refusal's own end, not a late report of the page before it.
        QVERIFY(waitFor([&] {
            return std::any_of(engineDone.cbegin(), engineDone.cend(),
                               [](const QList<QVariant>& args) { return !args.at(0).toBool(); });
        }));
        QCOMPARE(view->count("DownloadBegin"), 0);
        QCOMPARE(view->count("DownloadComplete"), loadsEnded);
        QVERIFY(!view->GetBusy());
    }
    m_server->release("/slow");

    // The next load proves the refused one left nothing behind.
    QVERIFY(load(*view, url("/untitled")));
    QCOMPARE(view->count("DownloadBegin"), 1);
    QCOMPARE(view->count("DownloadComplete"), loadsEnded + 1);
    QCOMPARE(view->count("NavigateError"), 0);
    QCOMPARE(view->only({"DocumentComplete"}), QStringList("DocumentComplete " + url("/untitled")));
    QCOMPARE(view->count("NavigateComplete2 " + url("/second")), 0);
    QCOMPARE(m_server->requestCount("/second"), 0);
    QCOMPARE(view->GetLocationURL(), url("/untitled"));
}

void TestHtmlView::refusalWhilePageLoadsKeepsIt()
{
    m_server->hold("/held.png");
    auto view = makeView();
    view->refuse = [](const QString& u) { return u.endsWith("/second"); };
    view->Navigate2(url("/held-nav"));
    QVERIFY(waitFor([&] {
        return view->count("BeforeNavigate2 " + url("/second")) == 1 &&
               m_server->waitingCount("/held.png") == 1;
    }));
    m_server->release("/held.png");
    QVERIFY(waitFor([&] { return view->count("DownloadComplete") == 1 && !view->GetBusy(); }));
    QVERIFY(load(*view, url("/untitled")));
    QCOMPARE(
        view->only({"DownloadBegin", "DocumentComplete", "DownloadComplete", "NavigateError"}),
        QStringList({"DownloadBegin", "DocumentComplete " + url("/held-nav"), "DownloadComplete",
                     "DownloadBegin", "DocumentComplete " + url("/untitled"), "DownloadComplete"}));
    QCOMPARE(m_server->requestCount("/second"), 0);
}

void TestHtmlView::scriptAndFrameNavigationsAsked_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<bool>("mainFrame");
    QTest::addColumn<bool>("refused");
    QTest::newRow("script, allowed")
        << QByteArray("/script-nav") << QByteArray("/second") << true << false;
    QTest::newRow("script, refused")
        << QByteArray("/script-nav") << QByteArray("/second") << true << true;
    QTest::newRow("frame, allowed")
        << QByteArray("/frames") << QByteArray("/inner") << false << false;
    QTest::newRow("frame, refused")
        << QByteArray("/frames") << QByteArray("/inner") << false << true;
}

void TestHtmlView::scriptAndFrameNavigationsAsked()
{
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, target);
    QFETCH(bool, mainFrame);
    QFETCH(bool, refused);
    auto view = makeView();
    const QString targetUrl = url(target);
    view->refuse = [&](const QString& u) { return refused && u == targetUrl; };
    view->Navigate2(url(page));
    const QString asked =
        QStringLiteral("BeforeNavigate2 %1 %2").arg(targetUrl, mainFrame ? "main" : "frame");
    const bool movedOn = mainFrame && !refused;
    const QString shown = movedOn ? targetUrl : url(page);
    QVERIFY(waitFor([&] {
        return view->count(asked) == 1 && view->count("DocumentComplete " + shown) == 1 &&
               !view->GetBusy();
    }));
    QCOMPARE(m_server->requestCount(target), refused ? 0 : 1);
    QCOMPARE(view->GetLocationURL(), shown);
    QCOMPARE(view->count("NavigateError"), 0);
    // Frames load inside their page: only top-level documents complete.
    QCOMPARE(view->count("DocumentComplete " + targetUrl), movedOn ? 1 : 0);
}

void TestHtmlView::newWindowRequests_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("open");
    for (const char* how : {"target=_blank", "window.open", "navOpenInNewWindow"}) {
        QTest::addRow("%s, opened", how) << how << true;
        QTest::addRow("%s, refused", how) << how << false;
    }
}

void TestHtmlView::newWindowRequests()
{
    QFETCH(QString, how);
    QFETCH(bool, open);
    auto opener = makeView();
    QVERIFY(load(*opener, url("/popups")));
    opener->newWindow = open ? TestView::NewWindow::Open : TestView::NewWindow::Refuse;
    opener->log.clear();

    if (how == "target=_blank")
        opener->GetPage()->runJavaScript("document.getElementById('blank').click()");
    else if (how == "window.open")
        opener->GetPage()->runJavaScript("window.open('/popup')");
    else
        opener->Navigate2(url("/popup"), navOpenInNewWindow);
    QVERIFY(waitFor([&] { return opener->count("NewWindow2") == 1; }));

    if (open) {
        QCOMPARE(opener->opened.size(), size_t(1));
        TestView& popup = *opener->opened.front();
        QVERIFY(waitFor([&] { return popup.count("DownloadComplete") == 1; }));
        QCOMPARE(popup.GetLocationName(), QStringLiteral("Popup"));
        QCOMPARE(popup.count("BeforeNavigate2 " + url("/popup") + " main"), 1);
        QCOMPARE(popup.only({"DownloadBegin", "NavigateComplete2", "DocumentComplete",
                             "DownloadComplete"}),
                 QStringList({"DownloadBegin", "NavigateComplete2 " + url("/popup"),
                              "DocumentComplete " + url("/popup"), "DownloadComplete"}));
    } else {
        QVERIFY(opener->opened.empty());
        QVERIFY(load(*opener, url("/second")));
        QCOMPARE(m_server->requestCount("/popup"), 0);
    }
    QCOMPARE(opener->count("BeforeNavigate2 " + url("/popup")), 0);
    QCOMPARE(opener->count("NewWindow2"), 1);
}

void TestHtmlView::locationNameOfPages_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("titled") << QByteArray("/page") << "Page";
    QTest::newRow("untitled") << QByteArray("/untitled") << "";
}

void TestHtmlView::locationNameOfPages()
{
    QFETCH(QByteArray, path);
    QFETCH(QString, name);
    const QString expected = name.isEmpty() ? url(path) : name;
    auto view = makeView();
    QCOMPARE(view->GetLocationName(), QString());
    QVERIFY(load(*view, url(path)));
    QCOMPARE(view->GetLocationName(), expected);
    QCOMPARE(view->only({"TitleChange"}).last(), "TitleChange " + expected);
}

void TestHtmlView::failedLoadsReported_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("code");
    // Language of the engine's own error page; none when the server's page shows.
    QTest::addColumn<QString>("errorPageLang");
    QTest::newRow("server says not found") << "/missing" << 404 << "";
    QTest::newRow("nobody listening") << "http://127.0.0.1:1/" << -1 << "ja";
}

void TestHtmlView::failedLoadsReported()
{
    QFETCH(QString, address);
    QFETCH(int, code);
    QFETCH(QString, errorPageLang);
    const QString target = address.startsWith('/') ? url(address.toUtf8()) : address;
    auto view = makeView();
    QVERIFY(load(*view, target));
    const QStringList errors = view->only({"NavigateError"});
    QCOMPARE(errors.size(), 1);
    const int reported = errors.first().section(' ', 2).toInt();
    QVERIFY2(code < 0 ? reported < 0 : reported == code, qPrintable(errors.first()));
    // The page shown for the failure is a document like any other.
    QCOMPARE(
        view->only({"NavigateError", "DocumentComplete", "StatusText ページ", "DownloadComplete"}),
        QStringList(
            {errors.first(), "DocumentComplete " + view->GetLocationURL(), "DownloadComplete"}));
    if (errorPageLang.isEmpty())
        return;
    std::optional<QString> lang;
    view->GetPage()->runJavaScript("document.documentElement.lang", [&](const QVariant& value) {
        lang = value.toString();
        emit g_pulse->beat();
    });
    QVERIFY(waitFor([&] { return lang.has_value(); }));
    QCOMPARE(*lang, errorPageLang);
}

void TestHtmlView::backAndForwardStates()
{
    auto view = makeView();
    auto last = [&](int command) {
        const QStringList states = view->only({QStringLiteral("CommandState %1 ").arg(command)});
        return states.isEmpty() ? QString() : states.last().section(' ', 2);
    };
    QVERIFY(load(*view, url("/page")));
    QCOMPARE(last(CSC_NAVIGATEBACK), QString());
    QVERIFY(load(*view, url("/second")));
    QCOMPARE(last(CSC_NAVIGATEBACK), QStringLiteral("1"));
    QCOMPARE(last(CSC_NAVIGATEFORWARD), QString());

    const int done = view->count("DownloadComplete");
    view->GoBack();
    QVERIFY(waitFor([&] { return view->count("DownloadComplete") > done; }));
    QCOMPARE(view->GetLocationURL(), url("/page"));
    QCOMPARE(view->count("BeforeNavigate2 " + url("/page")), 2);
    QCOMPARE(last(CSC_NAVIGATEBACK), QStringLiteral("0"));
    QCOMPARE(last(CSC_NAVIGATEFORWARD), QStringLiteral("1"));

    view->GoForward();
    QVERIFY(waitFor([&] { return view->count("DownloadComplete") > done + 1; }));
    QCOMPARE(view->GetLocationURL(), url("/second"));
    QCOMPARE(last(CSC_NAVIGATEFORWARD), QStringLiteral("0"));
    QCOMPARE(last(CSC_NAVIGATEBACK), QStringLiteral("1"));
}

void TestHtmlView::homePage_data()
{
    QTest::addColumn<bool>("fromVariable");
    QTest::newRow("ZELVO_HOMEPAGE") << true;
    QTest::newRow("home.html of the program directory") << false;
}

void TestHtmlView::homePage()
{
    QFETCH(bool, fromVariable);
    m_home->write("home.html", "<title>Home</title>home");
    if (fromVariable)
        qputenv("ZELVO_HOMEPAGE", url("/second").toUtf8());
    auto view = makeView();
    const int done = view->count("DownloadComplete");
    view->GoHome();
    QVERIFY(waitFor([&] { return view->count("DownloadComplete") > done; }));
    qunsetenv("ZELVO_HOMEPAGE");
    QCOMPARE(view->GetLocationName(),
             fromVariable ? QStringLiteral("Second") : QStringLiteral("Home"));
    QCOMPARE(view->count("BeforeNavigate2"), 1);
}

// Settings from the owner

void TestHtmlView::downloadControlApplied_data()
{
    QTest::addColumn<quint32>("word");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("imageRequests");
    QTest::addColumn<int>("soundRequests");
    QTest::addColumn<QByteArray>("pragma");
    QTest::newRow("everything on") << 0x70u << "Ran" << 1 << 1 << QByteArray();
    QTest::newRow("scripts off") << 0xF0u << "Static" << 1 << 1 << QByteArray();
    QTest::newRow("images off") << 0x60u << "Ran" << 0 << 1 << QByteArray();
    QTest::newRow("sounds off") << 0x30u << "Ran" << 1 << 0 << QByteArray();
    QTest::newRow("past the cache")
        << (0x70u | DLCTL_PRAGMA_NO_CACHE) << "Ran" << 1 << 1 << QByteArray("no-cache");
}

void TestHtmlView::downloadControlApplied()
{
    QFETCH(quint32, word);
    QFETCH(QString, title);
    QFETCH(int, imageRequests);
    QFETCH(int, soundRequests);
    QFETCH(QByteArray, pragma);
    auto view = makeView();
    view->downloadControl = word;
    QVERIFY(load(*view, url("/content")));
    QCOMPARE(view->GetLocationName(), title);
    QCOMPARE(view->GetPage()->downloadControl(), word);
    QCOMPARE(m_server->requestCount("/img.png"), imageRequests);
    // Media is fetched at the element's own pace; a blocked one never is.
    if (soundRequests)
        QVERIFY(waitFor([&] { return m_server->requestCount("/sound.mp3") == soundRequests; }));
    else
        QVERIFY(load(*view, url("/second")) && m_server->requestCount("/sound.mp3") == 0);
    QCOMPARE(m_server->requestsFor("/content").first().header("Pragma"), pragma);
}

void TestHtmlView::downloadControlFollowsChanges()
{
    auto view = makeView();
    view->downloadControl = 0x70u;
    QVERIFY(load(*view, url("/content")));
    QCOMPARE(view->GetLocationName(), QStringLiteral("Ran"));

    view->downloadControl = 0x70u | DLCTL_NO_SCRIPTS;
    view->OnAmbientPropertyChange(DISPID_AMBIENT_DLCONTROL);
    const int done = view->count("DownloadComplete");
    view->Refresh();
    QVERIFY(waitFor([&] { return view->count("DownloadComplete") > done; }));
    QCOMPARE(view->GetLocationName(), QStringLiteral("Static"));

    // Unannounced, a change still reaches the next page.
    view->downloadControl = 0x70u;
    QVERIFY(load(*view, url("/content")));
    QCOMPARE(view->GetLocationName(), QStringLiteral("Ran"));
}

void TestHtmlView::requestHeadersSent_data()
{
    QTest::addColumn<QString>("agent");
    QTest::newRow("answered") << "ZelvoTest/1.0 (X11)";
    QTest::newRow("not answered: the engine's own") << "";
}

void TestHtmlView::requestHeadersSent()
{
    QFETCH(QString, agent);
    auto view = makeView();
    view->userAgent = agent;
    QVERIFY(load(*view, url("/page")));
    const QByteArray expected =
        (agent.isEmpty() ? EngineProfile::DefaultUserAgent() : agent).toUtf8();
    QCOMPARE(m_server->requestsFor("/page").last().header("User-Agent"), expected);
    QCOMPARE(m_server->requestsFor("/page").last().header("Accept-Language"),
             QByteArray("ja,en-US;q=0.8,en;q=0.6"));

    view->userAgent = "Changed/2.0";
    view->OnAmbientPropertyChange(DISPID_AMBIENT_USERAGENT);
    const int done = view->count("DownloadComplete");
    view->Refresh();
    QVERIFY(waitFor([&] { return view->count("DownloadComplete") > done; }));
    QCOMPARE(m_server->requestsFor("/page").last().header("User-Agent"), QByteArray("Changed/2.0"));
    view->userAgent.clear();
    view->OnAmbientPropertyChange(DISPID_AMBIENT_USERAGENT);
}

void TestHtmlView::silentModeSuppressesDialogs_data()
{
    QTest::addColumn<bool>("silent");
    QTest::newRow("silent") << true;
    QTest::newRow("not silent") << false;
}

void TestHtmlView::silentModeSuppressesDialogs()
{
    QFETCH(bool, silent);
    QList<MessageBoxCall> boxes;
    SetMessageBoxResponder([&](const MessageBoxCall& call) {
        boxes << call;
        return MbAnswer::Ok;
    });
    auto view = makeView();
    view->SetSilent(silent);
    QCOMPARE(view->GetSilent(), silent);
    QVERIFY(load(*view, url("/alert")));
    QCOMPARE(view->GetLocationName(), QStringLiteral("After"));
    QCOMPARE(boxes.size(), silent ? 0 : 1);
    if (!silent)
        QCOMPARE(boxes.first().text, QStringLiteral("hello"));
}

// Commands

void TestHtmlView::zoomCommand_data()
{
    QTest::addColumn<QVariant>("level");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("after");
    QTest::newRow("smallest") << QVariant(0) << true << 0;
    QTest::newRow("largest") << QVariant(4) << true << 4;
    QTest::newRow("query only") << QVariant() << true << 2;
    QTest::newRow("out of range") << QVariant(5) << false << 2;
    QTest::newRow("not a number") << QVariant("big") << false << 2;
}

void TestHtmlView::zoomCommand()
{
    QFETCH(QVariant, level);
    QFETCH(bool, accepted);
    QFETCH(int, after);
    auto view = makeView();
    QVERIFY(load(*view, url("/page")));
    QVariant out;
    QCOMPARE(view->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, level, &out), accepted);
    QCOMPARE(view->GetZoomLevel(), after);
    QCOMPARE(view->GetPage()->zoomFactor(), HtmlView::ZoomFactorForLevel(after));
    if (accepted)
        QCOMPARE(out.toInt(), after);
}

void TestHtmlView::saveAndPrintWriteFiles_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("throughDialog");
    QTest::addColumn<QByteArray>("contains");
    QTest::newRow("save as archive")
        << int(OLECMDID_SAVEAS) << "saved.mht" << false << QByteArray("needle text");
    QTest::newRow("save as chosen in the dialog")
        << int(OLECMDID_SAVEAS) << "chosen.html" << true << QByteArray("needle text");
    QTest::newRow("print to a file")
        << int(OLECMDID_PRINT) << "printed.pdf" << false << QByteArray("%PDF");
    QTest::newRow("print after the dialog")
        << int(OLECMDID_PRINT) << "dialog.pdf" << true << QByteArray("%PDF");
}

void TestHtmlView::saveAndPrintWriteFiles()
{
    QFETCH(int, command);
    QFETCH(QString, file);
    QFETCH(bool, throughDialog);
    QFETCH(QByteArray, contains);
    const QString path = m_home->file(file);
    QStringList dialogs;
    QPrinter* printer = nullptr;
    CHtmlView::SetDialogResponder([&](QDialog& dialog) {
        dialogs << dialog.metaObject()->className();
        if (auto* files = qobject_cast<QFileDialog*>(&dialog))
            files->selectFile(path);
        if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
            printer = print->printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
        }
        return int(QDialog::Accepted);
    });
    auto view = makeView();
    QVERIFY(load(*view, url("/page")));
    QSignalSpy pdfDone(view->GetPage(), &QWebEnginePage::pdfPrintingFinished);
    QSignalSpy printDone(view->GetWebView(), &QWebEngineView::printFinished);
    const int opt = throughDialog ? OLECMDEXECOPT_DODEFAULT : OLECMDEXECOPT_DONTPROMPTUSER;
    const QVariant in = throughDialog ? QVariant() : QVariant(path);
    QVERIFY(view->ExecWB(command, opt, in));
    if (command == OLECMDID_PRINT) {
        QSignalSpy& done = throughDialog ? printDone : pdfDone;
        QVERIFY(done.count() == 1 || done.wait(15000));
        QVERIFY(done.first().last().toBool());
        // One job at a time; the next may start once this one is done.
        QVERIFY(view->ExecWB(command, OLECMDEXECOPT_DONTPROMPTUSER, path + ".again.pdf"));
        QVERIFY(!view->ExecWB(command, OLECMDEXECOPT_DONTPROMPTUSER, path + ".third.pdf"));
        QVERIFY(pdfDone.wait(15000));
    }
    QTRY_VERIFY(m_home->read(file).contains(contains));
    QCOMPARE(dialogs.size(), throughDialog ? 1 : 0);
    if (printer) {
        printer->setOutputFormat(QPrinter::NativeFormat);
        printer->setOutputFileName(QString());
    }
}

void TestHtmlView::dialogCommandsAsk_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");
    QTest::newRow("print refused")
        << int(OLECMDID_PRINT) << "QPrintDialog" << int(QDialog::Rejected) << false;
    QTest::newRow("save refused") << int(OLECMDID_SAVEAS) << "QFileDialog" << int(QDialog::Rejected)
                                  << false;
    QTest::newRow("page setup") << int(OLECMDID_PAGESETUP) << "QPageSetupDialog"
                                << int(QDialog::Accepted) << true;
    QTest::newRow("print preview")
        << int(OLECMDID_PRINTPREVIEW) << "QPrintPreviewDialog" << int(QDialog::Accepted) << true;
    QTest::newRow("properties") << int(OLECMDID_PROPERTIES) << "QDialog" << int(QDialog::Accepted)
                                << true;
}

void TestHtmlView::dialogCommandsAsk()
{
    QFETCH(int, command);
    QFETCH(QString, dialogClass);
    QFETCH(int, answer);
    QFETCH(bool, result);
    QStringList dialogs;
    QStringList labels;
    CHtmlView::SetDialogResponder([&](QDialog& dialog) {
        dialogs << dialog.metaObject()->className();
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            labels << label->text();
        return answer;
    });
    auto view = makeView();
    QVERIFY(load(*view, url("/page")));
    QCOMPARE(view->ExecWB(command, OLECMDEXECOPT_DODEFAULT), result);
    QCOMPARE(dialogs, QStringList(dialogClass));
    if (command == OLECMDID_PROPERTIES) {
        QVERIFY(labels.contains(url("/page")));
        QVERIFY(labels.contains("Page"));
    }
}

void TestHtmlView::editCommandsReachPage()
{
    auto view = makeView();
    QVERIFY(load(*view, url("/page")));
    // Edit commands act on the focused frame, as keyboard shortcuts would.
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    view->setFocus();
    QApplication::clipboard()->clear();
    QVERIFY(view->ExecWB(OLECMDID_SELECTALL, OLECMDEXECOPT_DONTPROMPTUSER));
    QTRY_VERIFY(view->GetPage()->selectedText().contains("needle text"));
    QVERIFY(view->ExecWB(OLECMDID_COPY, OLECMDEXECOPT_DONTPROMPTUSER));
    QTRY_VERIFY(QApplication::clipboard()->text().contains("needle text"));
    QVERIFY(!view->ExecWB(99, OLECMDEXECOPT_DODEFAULT));
}

void TestHtmlView::viewSourceOpens_data()
{
    QTest::addColumn<bool>("newView");
    QTest::newRow("in a new view") << true;
    QTest::newRow("here, when no new view is given") << false;
}

void TestHtmlView::viewSourceOpens()
{
    QFETCH(bool, newView);
    auto view = makeView();
    QVERIFY(load(*view, url("/page")));
    view->newWindow = newView ? TestView::NewWindow::Open : TestView::NewWindow::Refuse;
    view->ViewSource();
    QCOMPARE(view->count("NewWindow2"), 1);
    TestView& shown = newView ? *view->opened.front() : *view;
    const QString source = "view-source:" + url("/page");
    QVERIFY(waitFor([&] { return shown.count("DocumentComplete " + source) == 1; }));
    QCOMPARE(shown.GetLocationURL(), source);
    if (newView)
        QCOMPARE(view->GetLocationURL(), url("/page"));
}

void TestHtmlView::findText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("backward");
    QTest::addColumn<bool>("found");
    QTest::newRow("present") << "needle" << false << true;
    QTest::newRow("present, backward") << "needle" << true << true;
    QTest::newRow("absent") << "haystack" << false << false;
}

void TestHtmlView::findText()
{
    QFETCH(QString, text);
    QFETCH(bool, backward);
    QFETCH(bool, found);
    auto view = makeView();
    QVERIFY(load(*view, url("/page")));
    std::optional<bool> answer;
    view->FindText(text, backward ? FindDirection::Backward : FindDirection::Forward,
                   [&](bool hit) {
                       answer = hit;
                       emit g_pulse->beat();
                   });
    QVERIFY(waitFor([&] { return answer.has_value(); }));
    QCOMPARE(*answer, found);
}

void TestHtmlView::japaneseDefaultFonts_data()
{
    QTest::addColumn<QString>("family");
    QTest::newRow("page sets none") << "";
    QTest::newRow("sans-serif") << "sans-serif";
}

void TestHtmlView::japaneseDefaultFonts()
{
    QFETCH(QString, family);
    const QByteArray style = family.isEmpty() ? "" : " style='font-family:" + family.toUtf8() + "'";
    m_server->route("/fonts", kHtml,
                    "<span id=t" + style +
                        ">Zelvo iiii mmmm 日本語</span><br>"
                        "<span id=g style='font-family:IPAGothic'>Zelvo iiii mmmm 日本語</span>");
    auto view = makeView();
    QVERIFY(load(*view, url("/fonts")));
    std::optional<QString> widths;
    view->GetPage()->runJavaScript(
        "['t','g'].map(id => document.getElementById(id).offsetWidth).join(' ')",
        [&](const QVariant& value) {
            widths = value.toString();
            emit g_pulse->beat();
        });
    QVERIFY(waitFor([&] { return widths.has_value(); }));
    const QStringList both = widths->split(' ');
    QCOMPARE(both.first(), both.last());
}

void TestHtmlView::contextMenu_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("select");
    QTest::addColumn<QStringList>("entries");
    // The entry then chosen and what the clipboard holds after it.
    QTest::addColumn<QString>("choose");
    QTest::addColumn<QString>("clipboard");
    const QString second = "/second?q=%E3%81%82";
    QTest::newRow("page") << QPoint(300, 300) << ""
                          << QStringList({"(戻る)", "(進む)", "最新の情報に更新", "-",
                                          "名前を付けて保存", "ソースの表示", "-", "すべて選択"})
                          << ""
                          << "";
    QTest::newRow("link") << QPoint(20, 15) << ""
                          << QStringList({"新しいタブで開く", "リンクのアドレスをコピー"})
                          << "リンクのアドレスをコピー" << second;
    QTest::newRow("image") << QPoint(30, 70) << ""
                           << QStringList({"名前を付けて画像を保存", "画像をコピー",
                                           "画像のアドレスをコピー"})
                           << "画像のアドレスをコピー"
                           << "/img.png";
    QTest::newRow("text field") << QPoint(20, 118) << ""
                                << QStringList(
                                       {"(切り取り)", "(コピー)", "貼り付け", "-", "すべて選択"})
                                << ""
                                << "";
    QTest::newRow("selection") << QPoint(30, 158) << "plain"
                               << QStringList({"コピー", "-", "すべて選択"}) << "コピー"
                               << "plain text";
}

void TestHtmlView::contextMenu()
{
    QFETCH(QPoint, at);
    QFETCH(QString, select);
    QFETCH(QStringList, entries);
    QFETCH(QString, choose);
    QFETCH(QString, clipboard);
    auto view = makeView();
    QVERIFY(load(*view, url("/menu")));
    QGuiApplication::clipboard()->setText("paste me");
    if (!select.isEmpty()) {
        bool done = false;
        view->GetPage()->runJavaScript(
            "getSelection().selectAllChildren(document.getElementById('" + select + "'))",
            [&](const QVariant&) {
                done = true;
                emit g_pulse->beat();
            });
        QVERIFY(waitFor([&] { return done; }));
    }
    QMenu* menu = RightClickPage(*view, at);
    QVERIFY(menu);
    QCOMPARE(MenuTexts(*menu), entries);
    if (!choose.isEmpty()) {
        QGuiApplication::clipboard()->clear();
        MenuEntry(*menu, choose)->trigger();
        const QString expected = clipboard.startsWith('/') ? url(clipboard.toUtf8()) : clipboard;
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), expected);
    }
    menu->close();
}

void TestHtmlView::closeDocumentBlanksQuietly()
{
    auto view = makeView();
    QVERIFY(load(*view, url("/page")));
    view->log.clear();
    view->CloseDocument();
    QTRY_COMPARE(view->GetLocationURL(), QStringLiteral("about:blank"));
    QTRY_VERIFY(!view->GetPage()->isLoading());
    QVERIFY(!view->GetBusy());
    QCOMPARE(view->log, QStringList());
    // The next navigation of its own speaks again.
    QVERIFY(load(*view, url("/second")));
    QCOMPARE(view->count("DocumentComplete " + url("/second")), 1);
}

QTEST_MAIN(TestHtmlView)
#include "tst_htmlview.moc"
