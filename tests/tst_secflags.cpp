#include "commands/CommandId.h"
#include "core/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"
#include "view/EnginePage.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QWebEngineSettings>
#include <QtTest>

#include <memory>

namespace {

using Commands = QList<CommandId>;

// Every kind of request a switch can stop: a script that asks for a marker,
// an image, a video, a background sound, and a style sheet the cache keeps.
const QByteArray kContent = "<html><head><meta charset=utf-8><title>Static</title>"
                            "<link rel=stylesheet href='/style.css'></head><body>"
                            "<script>document.title='Ran';fetch('/marker')</script>"
                            "<img src='/img.png'>"
                            "<video src='/clip.mp4' preload=auto muted></video>"
                            "<audio src='/tune.mp3' preload=auto></audio></body></html>";

// The words of Security.ini for each bit, set and clear, in the order they are written.
struct Word {
    const char* key;
    quint32 bit;
    const char* set;
    const char* clear;
};
constexpr Word kWords[] = {
    {"script", 0x80, "DLCTL_NO_SCRIPTS", "DLCTL_SCRIPTS"},
    {"java", 0x100, "DLCTL_NO_JAVA", "DLCTL_JAVA"},
    {"ActiveX_run", 0x200, "DLCTL_NO_RUNACTIVEXCTLS", "DLCTL_RUNACTIVEXCTLS"},
    {"ActiveX_dl", 0x400, "DLCTL_NO_DLACTIVEXCTLS", "DLCTL_DLACTIVEXCTLS"},
    {"image", 0x10, "DLCTL_DLIMAGES", "DLCTL_NO_DLIMAGES"},
    {"video", 0x20, "DLCTL_VIDEOS", "DLCTL_NO_VIDEOS"},
    {"bgm", 0x40, "DLCTL_BGSOUNDS", "DLCTL_NO_BGSOUNDS"},
    {"cache", 0x4000, "DLCTL_PRAGMA_NO_CACHE", "DLCTL_PRAGMA_CACHE"},
};

// Keys already in the file keep their places; the others follow in order.
QByteArray SecurityFile(quint32 word, const QByteArray& stored)
{
    QList<const Word*> order;
    for (const QByteArray& line : stored.split('\n'))
        for (const Word& w : kWords)
            if (line.startsWith(QByteArray(w.key) + "="))
                order.append(&w);
    for (const Word& w : kWords)
        if (!order.contains(&w))
            order.append(&w);
    QByteArray file = "[Security]\r\n";
    for (const Word* w : order)
        file += QByteArray(w->key) + "=" + ((word & w->bit) ? w->set : w->clear) + "\r\n";
    return file;
}

} // namespace

class TestSecFlags : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void localSwitches_data();
    void localSwitches();
    void zoneSwitches_data();
    void zoneSwitches();

private:
    bool OpenWithContent();
    bool WaitLoaded(int tabs);
    CZelvoView* Active() const { return m_frame->ActiveZelvoView(); }
    QString Url(const QByteArray& path) const { return m_server->url(path).toString(); }

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    QList<MessageBoxCall> m_boxes;
};

void TestSecFlags::init()
{
    m_home = std::make_unique<TempHome>();
    QVERIFY(ProgramDir::Prepare());
    m_server = std::make_unique<HttpServer>();
    m_server->route("/home", "text/html", "<title>Home</title>home");
    m_server->route("/content", "text/html", kContent);
    m_server->route("/marker", "text/plain", "marker");
    m_server->route("/style.css", "text/css", "body{margin:1px}");
    m_server->addHeader("/style.css", "Cache-Control", "max-age=3600");
    m_server->route("/img.png", "image/png",
                    QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQV"
                                           "R42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=="));
    m_server->route("/clip.mp4", "video/mp4", QByteArray(64, '\0'));
    m_server->route("/tune.mp3", "audio/mpeg", QByteArray(64, '\0'));
    for (const char* path : {"/home", "/content", "/marker", "/img.png", "/clip.mp4", "/tune.mp3"})
        m_server->addHeader(path, "Cache-Control", "no-store");
    qputenv("ZELVO_HOMEPAGE", Url("/home").toUtf8());
    m_boxes.clear();
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return MbAnswer::Ok;
    });
}

void TestSecFlags::cleanup()
{
    SetMessageBoxResponder({});
    m_frame.reset();
    m_server.reset();
    m_home.reset();
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestSecFlags::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

// Two tabs: the home page first, then the content page, active.
bool TestSecFlags::OpenWithContent()
{
    m_frame = OpenFrame();
    return m_frame && WaitLoaded(1) && OpenNewTab(*m_frame, Url("/content")) && WaitLoaded(2);
}

bool TestSecFlags::WaitLoaded(int tabs)
{
    return QTest::qWaitFor([&] { return m_frame->TabCount() == tabs; }) &&
           WaitTabsIdle(*m_frame, 60000);
}

void TestSecFlags::localSwitches_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<Commands>("commands");
    QTest::addColumn<quint32>("word");
    // Of the last command; -1 for one without a mark.
    QTest::addColumn<int>("check");
    using C = CommandId;
    QTest::newRow("scripts off") << QByteArray() << Commands{C::LocalScript} << 0xF0u << 0;
    QTest::newRow("java off") << QByteArray() << Commands{C::LocalJava} << 0x170u << 0;
    QTest::newRow("ActiveX run off") << QByteArray() << Commands{C::LocalActiveXRun} << 0x270u << 0;
    QTest::newRow("ActiveX download off")
        << QByteArray() << Commands{C::LocalActiveXDownload} << 0x470u << 0;
    QTest::newRow("images off") << QByteArray() << Commands{C::ShowImages} << 0x60u << 0;
    QTest::newRow("videos off") << QByteArray() << Commands{C::PlayVideos} << 0x50u << 0;
    QTest::newRow("sounds off") << QByteArray() << Commands{C::PlaySounds} << 0x30u << 0;
    QTest::newRow("past the cache") << QByteArray() << Commands{C::NoCache} << 0x4070u << 1;
    QTest::newRow("images twice") << QByteArray() << Commands{C::ShowImages, C::ShowImages} << 0x70u
                                  << 1;
    QTest::newRow("all off") << QByteArray() << Commands{C::LocalAllOff} << 0x780u << -1;
    QTest::newRow("all off, then all on")
        << QByteArray() << Commands{C::LocalAllOff, C::LocalAllOn} << 0x70u << -1;
    QTest::newRow("all off clears the cache switch")
        << QByteArray("cache=DLCTL_PRAGMA_NO_CACHE\r\n") << Commands{C::LocalAllOff} << 0x780u
        << -1;
    QTest::newRow("stored words read once at start")
        << QByteArray("script=DLCTL_NO_SCRIPTS\r\nimage=DLCTL_NO_DLIMAGES\r\n")
        << Commands{C::PlayVideos} << 0xC0u << 0;
    QTest::newRow("rubbish, other cases and empty words allow")
        << QByteArray("script=rubbish\r\nimage=dlctl_no_dlimages\r\nvideo=\r\n"
                      "cache=dlctl_pragma_no_cache\r\n")
        << Commands{C::PlaySounds} << 0x30u << 0;
}

void TestSecFlags::localSwitches()
{
    QFETCH(QByteArray, stored);
    QFETCH(Commands, commands);
    QFETCH(quint32, word);
    QFETCH(int, check);
    if (!stored.isEmpty())
        m_home->write("Security.ini", "[Security]\r\n" + stored);
    QVERIFY(OpenWithContent());
    CZelvoView* other = m_frame->TabView(0);
    m_server->clearRequests();
    for (CommandId id : commands) {
        const int loads = m_server->requestCount("/content");
        m_frame->SendCommand(id);
        // Each change reloads the active page, and only that one.
        QTRY_VERIFY(m_server->requestCount("/content") == loads + 1);
        QVERIFY(WaitTabsIdle(*m_frame, 60000));
    }
    QCOMPARE(m_server->requestCount("/home"), 0);
    QCOMPARE(m_home->read("Security.ini"), SecurityFile(word, stored));
    QCOMPARE(m_frame->CommandState(commands.last()).check, check);

    // The active tab, an existing one and a new one all load by the new word.
    m_server->clearRequests();
    m_frame->SendCommand(CommandId::Refresh);
    other->Navigate2(Url("/content"));
    QVERIFY(WaitTabsIdle(*m_frame, 60000));
    QVERIFY(OpenNewTab(*m_frame, Url("/content")));
    QVERIFY(WaitTabsIdle(*m_frame, 60000));
    QTRY_COMPARE(m_server->requestCount("/content"), 3);
    const std::pair<const char*, bool> requests[] = {
        {"/marker", !(word & 0x80)},
        {"/img.png", word & 0x10},
        {"/clip.mp4", word & 0x20},
        {"/tune.mp3", word & 0x40},
    };
    // Media comes at the element's own pace; what is blocked never comes.
    for (const auto& [path, allowed] : requests)
        if (allowed)
            QTRY_VERIFY2(m_server->requestCount(path) >= 3, path);
    for (const auto& [path, allowed] : requests)
        if (!allowed)
            QVERIFY2(m_server->requestCount(path) == 0, path);
    const QByteArray pragma = (word & 0x4000) ? "no-cache" : "";
    for (const HttpServer::Request& request : m_server->requestsFor("/content"))
        QCOMPARE(request.header("Pragma"), pragma);
    // The style sheet comes from the cache unless the cache is bypassed.
    QCOMPARE(m_server->requestCount("/style.css") > 0, bool(word & 0x4000));
    for (int i = 0; i < m_frame->TabCount(); ++i) {
        QWebEngineSettings* settings = m_frame->TabView(i)->GetPage()->settings();
        QCOMPARE(settings->testAttribute(QWebEngineSettings::PluginsEnabled), !(word & 0x300));
    }
}

void TestSecFlags::zoneSwitches_data()
{
    QTest::addColumn<CommandId>("id");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("checkBefore");
    QTest::addColumn<int>("checkAfter");
    QTest::addColumn<bool>("reloads");
    using C = CommandId;
    const QByteArray custom = "CurrentLevel=0\r\n";
    QTest::newRow("scripts: allowed by default, then not")
        << C::GlobalScript << QByteArray() << "[3]\r\n" + custom + "1400=3\r\n"
        << 1 << 0 << true;
    QTest::newRow("scripts: ask the user becomes allow")
        << C::GlobalScript << QByteArray("[3]\r\nCurrentLevel=69632\r\n1400=1\r\n")
        << "[3]\r\n" + custom + "1400=0\r\n"
        << 0 << 1 << true;
    QTest::newRow("java: medium safety becomes prohibited")
        << C::GlobalJava << QByteArray("[3]\r\n1C00=131072\r\n") << "[3]\r\n1C00=0\r\n" + custom
        << 1 << 0 << true;
    QTest::newRow("java: prohibited becomes high safety")
        << C::GlobalJava << QByteArray("[3]\r\n1C00=0\r\n") << "[3]\r\n1C00=65536\r\n" + custom << 0
        << 1 << true;
    QTest::newRow("ActiveX run") << C::GlobalActiveXRun << QByteArray()
                                 << "[3]\r\n" + custom + "1200=3\r\n"
                                 << 1 << 0 << true;
    QTest::newRow("ActiveX download: ask becomes allow")
        << C::GlobalActiveXDownload << QByteArray() << "[3]\r\n" + custom + "1001=0\r\n"
        << 0 << 1 << true;
    QTest::newRow("cookies") << C::GlobalCookies << QByteArray()
                             << "[3]\r\n" + custom + "1A02=3\r\n"
                             << 1 << 0 << false;
    QTest::newRow("session cookies: rubbish counts as allowed")
        << C::GlobalSessionCookies << QByteArray("[3]\r\n1A03=x\r\n")
        << "[3]\r\n1A03=3\r\n" + custom << 1 << 0 << false;
    QTest::newRow("session cookies: any other policy becomes allow")
        << C::GlobalSessionCookies << QByteArray("[3]\r\n1A03=5\r\n")
        << "[3]\r\n1A03=0\r\n" + custom << 0 << 1 << false;
    // The store cannot be written: a file stands where its folder should be.
    QTest::newRow("store cannot be written")
        << C::GlobalScript << QByteArray("unwritable") << QByteArray() << 1 << 1 << false;
}

void TestSecFlags::zoneSwitches()
{
    QFETCH(CommandId, id);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, checkBefore);
    QFETCH(int, checkAfter);
    QFETCH(bool, reloads);
    QVERIFY(OpenWithContent());
    // Another Zelvo process changes the store while this one runs.
    const QString store = m_home->configPath() + "/Zelvo/zones.ini";
    QVERIFY(QDir().mkpath(QFileInfo(store).path()));
    QFile file(before == "unwritable" ? QFileInfo(store).path() : store);
    if (before == "unwritable")
        QVERIFY(QDir(file.fileName()).removeRecursively());
    if (!before.isEmpty()) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
        file.close();
    }
    QCOMPARE(m_frame->CommandState(id).check, checkBefore);
    m_server->clearRequests();
    m_frame->SendCommand(id);
    QCOMPARE(m_frame->CommandState(id).check, checkAfter);
    if (after.isEmpty()) {
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].text, QStringLiteral("設定の切替に失敗しました。"));
        QCOMPARE(m_boxes[0].caption, QStringLiteral("失敗"));
        QCOMPARE(m_boxes[0].icon, MbIcon::Stop);
    } else {
        QVERIFY(m_boxes.isEmpty());
        QFile written(store);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), after);
    }
    // A new tab loads after the reload was asked for, so its page is a fence.
    QVERIFY(OpenNewTab(*m_frame, Url("/home")));
    QVERIFY(WaitTabsIdle(*m_frame, 60000));
    QCOMPARE(m_server->requestCount("/content"), reloads ? 1 : 0);
    if (id != CommandId::GlobalScript && id != CommandId::GlobalJava)
        return;
    // The views follow the zone with their next page: scripts and Java.
    m_server->clearRequests();
    QVERIFY(OpenNewTab(*m_frame, Url("/content")));
    QVERIFY(WaitTabsIdle(*m_frame, 60000));
    CZelvoView* view = Active();
    if (id == CommandId::GlobalScript) {
        QCOMPARE(view->GetLocationName(),
                 checkAfter ? QStringLiteral("Ran") : QStringLiteral("Static"));
        QTRY_COMPARE(m_server->requestCount("/marker"), checkAfter);
    } else {
        QCOMPARE(view->GetPage()->settings()->testAttribute(QWebEngineSettings::PluginsEnabled),
                 bool(checkAfter));
    }
}

QTEST_MAIN(TestSecFlags)
#include "tst_secflags.moc"
