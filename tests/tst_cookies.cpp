#include "commands/CommandId.h"
#include "core/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "platform/MessageBox.h"
#include "view/CPrivacyReportDlg.h"
#include "view/CZelvoView.h"
#include "view/CookieGate.h"
#include "view/EngineProfile.h"

#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

using Commands = QList<CommandId>;

// The cookie names of a request, sorted.
QByteArray Names(const QByteArray& header)
{
    QList<QByteArray> names;
    for (const QByteArray& pair : header.split(';'))
        if (!pair.trimmed().isEmpty())
            names.append(pair.trimmed().split('=').first());
    std::sort(names.begin(), names.end());
    return names.join(' ');
}

} // namespace

class TestCookies : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void levels_data();
    void levels();
    void siteCommands_data();
    void siteCommands();
    void report_data();
    void report();
    void deletions_data();
    void deletions();

private:
    bool Open();
    bool Visit(const QByteArray& path);
    void Restart(bool viaClose);
    // Cookie names the page and its third-party frame sent with their last requests.
    QByteArray TopCookies() const
    {
        return Names(m_server->requestsFor("/top").last().header("Cookie"));
    }
    QByteArray FrameCookies() const
    {
        return Names(m_server->requestsFor("/frame").last().header("Cookie"));
    }
    void WriteConfig(const QString& name, const QByteArray& bytes);
    QByteArray ReadConfig(const QString& name) const;

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<CMainFrame> m_frame;
    QList<MessageBoxCall> m_boxes;
    QString m_top;
};

void TestCookies::init()
{
    m_home = std::make_unique<TempHome>();
    QVERIFY(ProgramDir::Prepare());
    m_server = std::make_unique<HttpServer>();
    const QByteArray port = QByteArray::number(m_server->port());
    // A cookie of another site needs SameSite=None and Secure on this engine,
    // and the engine holds a loopback name secure: "localhost" is the other site.
    m_server->route("/home", "text/html", "<title>Home</title>home");
    m_server->route("/top", "text/html",
                    "<title>Top</title><link rel=stylesheet href='/style.css'>"
                    "<iframe src='http://localhost:" +
                        port + "/frame'></iframe>");
    m_server->addHeader("/top", "Set-Cookie", "fp=1; Max-Age=36000");
    m_server->addHeader("/top", "Set-Cookie", "fs=1");
    m_server->route("/frame", "text/html", "frame");
    m_server->addHeader("/frame", "Set-Cookie", "tp=1; Max-Age=36000; SameSite=None; Secure");
    m_server->addHeader("/frame", "Set-Cookie", "ts=1; SameSite=None; Secure");
    m_server->route("/style.css", "text/css", "body{margin:1px}");
    m_server->addHeader("/style.css", "Cache-Control", "max-age=36000");
    for (const char* path : {"/home", "/top", "/frame"})
        m_server->addHeader(path, "Cache-Control", "no-store");
    m_top = m_server->url("/top").toString();
    qputenv("ZELVO_HOMEPAGE", m_server->url("/home").toString().toUtf8());
    m_boxes.clear();
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return MbAnswer::Yes;
    });
}

void TestCookies::cleanup()
{
    SetMessageBoxResponder({});
    CHtmlView::SetDialogResponder({});
    m_frame.reset();
    // Each test starts the engine afresh on its own program directory.
    EngineProfile::Shutdown();
    m_server.reset();
    m_home.reset();
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestCookies::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

bool TestCookies::Open()
{
    m_frame = OpenFrame();
    return m_frame && QTest::qWaitFor([&] { return m_frame->TabCount() == 1; }) &&
           WaitTabsIdle(*m_frame, 60000);
}

// Opens path in a new tab, or reloads it when it is open already, and waits
// until its frame has come and the gate has done with the cookies they set.
bool TestCookies::Visit(const QByteArray& path)
{
    const int tops = m_server->requestCount(path);
    const int frames = m_server->requestCount("/frame");
    CZelvoView* view = m_frame->ActiveZelvoView();
    if (view && view->GetLocationURL() == m_server->url(path).toString())
        m_frame->SendCommand(CommandId::Refresh);
    else if (!OpenNewTab(*m_frame, m_server->url(path).toString()))
        return false;
    return QTest::qWaitFor([&] { return m_server->requestCount(path) > tops; }, 60000) &&
           WaitTabsIdle(*m_frame, 60000) &&
           QTest::qWaitFor([&] { return m_server->requestCount("/frame") > frames; }, 60000) &&
           QTest::qWaitFor([] { return !CookieGate::Instance()->Settling(); }, 60000);
}

void TestCookies::Restart(bool viaClose)
{
    if (viaClose)
        m_frame->close();
    m_frame.reset();
    EngineProfile::Shutdown();
    QVERIFY(Open());
}

void TestCookies::WriteConfig(const QString& name, const QByteArray& bytes)
{
    QVERIFY(QDir().mkpath(m_home->configPath() + "/Zelvo"));
    QFile file(m_home->configPath() + "/Zelvo/" + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TestCookies::ReadConfig(const QString& name) const
{
    QFile file(m_home->configPath() + "/Zelvo/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestCookies::levels_data()
{
    QTest::addColumn<CommandId>("level");
    QTest::addColumn<QByteArray>("privacy"); // privacy.ini before the start
    QTest::addColumn<QByteArray>("zones");   // zones.ini before the start
    // Cookie names sent by the page and its frame on the next visit, and on
    // the first visit after a restart.
    QTest::addColumn<QByteArray>("top");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("topAfter");
    QTest::addColumn<QByteArray>("frameAfter");
    using C = CommandId;
    const QByteArray none;
    QTest::newRow("block all") << C::PrivacyBlockAll << none << none << none << none << none
                               << none;
    QTest::newRow("high: own session cookies only")
        << C::PrivacyHigh << none << none << QByteArray("fs") << none << none << none;
    QTest::newRow("medium high: own cookies, for the session")
        << C::PrivacyMediumHigh << none << none << QByteArray("fp fs") << none << none << none;
    QTest::newRow("medium: own cookies") << C::PrivacyMedium << none << none << QByteArray("fp fs")
                                         << none << QByteArray("fp") << none;
    QTest::newRow("low: other sites' for the session")
        << C::PrivacyLow << none << none << QByteArray("fp fs") << QByteArray("tp ts")
        << QByteArray("fp") << none;
    QTest::newRow("accept all") << C::PrivacyAcceptAll << none << none << QByteArray("fp fs")
                                << QByteArray("tp ts") << QByteArray("fp") << QByteArray("tp");
    QTest::newRow("a site's refusal beats accept all")
        << C::PrivacyAcceptAll << QByteArray("[Sites]\r\n127.0.0.1=5\r\n") << none << none
        << QByteArray("tp ts") << none << QByteArray("tp");
    QTest::newRow("a site's acceptance beats block all")
        << C::PrivacyBlockAll << QByteArray("[Sites]\r\nlocalhost=1\r\n") << none << none
        << QByteArray("tp ts") << none << QByteArray("tp");
    QTest::newRow("asking refuses, first party only refuses other sites")
        << C::PrivacyAcceptAll << QByteArray("[Sites]\r\n127.0.0.1=2\r\nlocalhost=3\r\n") << none
        << none << none << none << none;
    QTest::newRow("a site's session only")
        << C::PrivacyAcceptAll << QByteArray("[Sites]\r\nlocalhost=4\r\n") << none
        << QByteArray("fp fs") << QByteArray("tp ts") << QByteArray("fp") << none;
    QTest::newRow("zone: no cookies kept on disk")
        << C::PrivacyAcceptAll << none << QByteArray("[3]\r\n1A02=3\r\n") << QByteArray("fs")
        << QByteArray("ts") << none << none;
    QTest::newRow("zone: no session cookies")
        << C::PrivacyAcceptAll << none << QByteArray("[3]\r\n1A03=3\r\n") << QByteArray("fp")
        << QByteArray("tp") << QByteArray("fp") << QByteArray("tp");
}

void TestCookies::levels()
{
    QFETCH(CommandId, level);
    QFETCH(QByteArray, privacy);
    QFETCH(QByteArray, zones);
    QFETCH(QByteArray, top);
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, topAfter);
    QFETCH(QByteArray, frameAfter);
    if (!privacy.isEmpty())
        WriteConfig("privacy.ini", privacy);
    if (!zones.isEmpty())
        WriteConfig("zones.ini", zones);
    QVERIFY(Open());
    m_frame->SendCommand(level);
    QVERIFY(m_boxes.isEmpty());
    // The level stands for both kinds of cookie, and only its own command is checked.
    const QByteArray number = QByteArray::number(ToInt(level) - ToInt(CommandId::PrivacyBlockAll));
    QCOMPARE(ReadConfig("privacy.ini"),
             privacy + "[3]\r\nTemplate0=" + number + "\r\nTemplate1=" + number + "\r\n");
    for (int id = ToInt(CommandId::PrivacyBlockAll); id <= ToInt(CommandId::PrivacyAcceptAll); ++id)
        QCOMPARE(m_frame->CommandState(id).check, id == ToInt(level) ? 1 : 0);

    QVERIFY(Visit("/top"));
    QVERIFY(Visit("/top"));
    QCOMPARE(TopCookies(), top);
    QCOMPARE(FrameCookies(), frame);
    Restart(false);
    QVERIFY(Visit("/top"));
    QCOMPARE(Names(m_server->requestsFor("/top").last().header("Cookie")), topAfter);
    QCOMPARE(FrameCookies(), frameAfter);
}

void TestCookies::siteCommands_data()
{
    QTest::addColumn<QByteArray>("privacy");
    QTest::addColumn<Commands>("commands");
    QTest::addColumn<QStringList>("texts"); // of the message boxes, in order
    QTest::addColumn<QByteArray>("sites");  // [Sites] afterwards
    QTest::addColumn<QByteArray>("top");    // cookies the page sends next
    using C = CommandId;
    const QString unset = QStringLiteral("取得失敗\r\n\r\n設定されていません！");
    QTest::newRow("nothing stored")
        << QByteArray() << Commands{C::SiteCookieInfo, C::SiteCookieDelete}
        << QStringList{unset, "登録されていないようです！"} << QByteArray() << QByteArray("fp fs");
    QTest::newRow("refusal beats the level, and shows")
        << QByteArray() << Commands{C::PrivacyAcceptAll, C::SiteCookieBlock, C::SiteCookieInfo}
        << QStringList{"成功", "Cookie拒絶"} << QByteArray("127.0.0.1=5\r\n") << QByteArray();
    QTest::newRow("accepted, then removed")
        << QByteArray() << Commands{C::PrivacyBlockAll, C::SiteCookieAccept, C::SiteCookieDelete}
        << QStringList{"成功", "設定削除成功"} << QByteArray() << QByteArray();
    QTest::newRow("stored states")
        << QByteArray("[Sites]\r\n127.0.0.1=3\r\n") << Commands{C::SiteCookieInfo}
        << QStringList{"ファーストパーティー"} << QByteArray("127.0.0.1=3\r\n")
        << QByteArray("fp fs");
    QTest::newRow("unknown state")
        << QByteArray("[Sites]\r\n127.0.0.1=9\r\n") << Commands{C::SiteCookieInfo}
        << QStringList{"不明"} << QByteArray("127.0.0.1=9\r\n") << QByteArray("fp fs");
    QTest::newRow("the first stored name found in the host goes")
        << QByteArray("[Sites]\r\nexample.com=5\r\n0.0.1=5\r\n127.0.0.1=5\r\n")
        << Commands{C::SiteCookieDelete} << QStringList{"設定削除成功"}
        << QByteArray("example.com=5\r\n127.0.0.1=5\r\n") << QByteArray();
}

void TestCookies::siteCommands()
{
    QFETCH(QByteArray, privacy);
    QFETCH(Commands, commands);
    QFETCH(QStringList, texts);
    QFETCH(QByteArray, sites);
    QFETCH(QByteArray, top);
    if (!privacy.isEmpty())
        WriteConfig("privacy.ini", privacy);
    QVERIFY(Open());
    QVERIFY(Visit("/top"));
    for (CommandId id : commands)
        m_frame->SendCommand(id);
    QStringList shown;
    for (const MessageBoxCall& box : m_boxes)
        shown.append(box.text);
    QCOMPARE(shown, texts);
    // A stored state is shown with the page's address as its caption.
    if (commands.last() == CommandId::SiteCookieInfo && !texts.last().startsWith("取得失敗"))
        QCOMPARE(m_boxes.last().caption, m_top);
    const QByteArray file = ReadConfig("privacy.ini");
    const qsizetype at = file.indexOf("[Sites]\r\n");
    QCOMPARE(at < 0 ? QByteArray() : file.mid(at + 9).split('[').first(), sites);
    QVERIFY(Visit("/top"));
    QCOMPARE(TopCookies(), top);
}

void TestCookies::report_data()
{
    QTest::addColumn<CommandId>("level");
    QTest::addColumn<QStringList>("rows"); // site, cookie, decision
    using C = CommandId;
    QTest::newRow("medium") << C::PrivacyMedium
                            << QStringList{"127.0.0.1 fp Cookie受諾", "127.0.0.1 fs Cookie受諾",
                                           "localhost  Cookie拒絶"};
    QTest::newRow("high") << C::PrivacyHigh
                          << QStringList{"127.0.0.1 fp Cookie拒絶", "127.0.0.1 fs Cookie受諾",
                                         "localhost  Cookie拒絶"};
    QTest::newRow("low") << C::PrivacyLow
                         << QStringList{"127.0.0.1 fp Cookie受諾", "127.0.0.1 fs Cookie受諾",
                                        "localhost tp セッションクッキー",
                                        "localhost ts Cookie受諾"};
    QTest::newRow("block all") << C::PrivacyBlockAll
                               << QStringList{"127.0.0.1  Cookie拒絶", "localhost  Cookie拒絶"};
}

void TestCookies::report()
{
    QFETCH(CommandId, level);
    QFETCH(QStringList, rows);
    QVERIFY(Open());
    m_frame->SendCommand(level);
    QVERIFY(Visit("/top"));
    QStringList shown;
    QString title;
    int dialogs = 0;
    CHtmlView::SetDialogResponder([&](QDialog& dialog) {
        ++dialogs;
        title = dialog.windowTitle();
        if (auto* report = qobject_cast<CPrivacyReportDlg*>(&dialog))
            for (int i = 0; i < report->List()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = report->List()->topLevelItem(i);
                shown.append(item->text(0) + ' ' + item->text(1) + ' ' + item->text(2));
            }
        return int(QDialog::Rejected);
    });
    m_frame->SendCommand(CommandId::PrivacyReport);
    QCOMPARE(dialogs, 1);
    QCOMPARE(title, QStringLiteral("プライバシーレポート"));
    shown.sort();
    QCOMPARE(shown, rows);
}

void TestCookies::deletions_data()
{
    QTest::addColumn<QByteArray>("enddetail");
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("restart");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QByteArray>("top");
    QTest::addColumn<bool>("styleAgain");
    const int cookies = ToInt(CommandId::ClearCookies);
    const int files = ToInt(CommandId::ClearTemporaryFiles);
    const int none = ToInt(CommandId::None);
    const QStringList cookiesDone{"Cookie削除終了"};
    const QStringList filesDone{"Temporary Internet Files削除終了"};
    QTest::newRow("nothing deleted")
        << QByteArray() << none << false << QStringList() << QByteArray("fp fs") << false;
    QTest::newRow("nothing deleted, restarted")
        << QByteArray() << none << true << QStringList() << QByteArray("fp") << false;
    QTest::newRow("cookies") << QByteArray() << cookies << false << cookiesDone << QByteArray()
                             << false;
    QTest::newRow("cookies, restarted")
        << QByteArray() << cookies << true << cookiesDone << QByteArray() << false;
    QTest::newRow("cookies at exit")
        << QByteArray("cookie=1\r\n") << none << true << cookiesDone << QByteArray() << false;
    QTest::newRow("temporary files")
        << QByteArray() << files << false << filesDone << QByteArray("fp fs") << true;
    QTest::newRow("temporary files at exit")
        << QByteArray("tempo=1\r\n") << none << true << filesDone << QByteArray("fp") << true;
}

void TestCookies::deletions()
{
    QFETCH(QByteArray, enddetail);
    QFETCH(int, command);
    QFETCH(bool, restart);
    QFETCH(QStringList, texts);
    QFETCH(QByteArray, top);
    QFETCH(bool, styleAgain);
    if (!enddetail.isEmpty())
        m_home->write("Security.ini", "[Enddetail]\r\n" + enddetail);
    QVERIFY(Open());
    QVERIFY(Visit("/top"));
    QCOMPARE(m_server->requestCount("/style.css"), 1);
    if (command != ToInt(CommandId::None))
        m_frame->SendCommand(command);
    if (restart)
        Restart(true);
    QStringList shown;
    for (const MessageBoxCall& box : m_boxes) {
        shown.append(box.text);
        QCOMPARE(box.caption, QStringLiteral("終了"));
        QCOMPARE(box.icon, MbIcon::Information);
    }
    QCOMPARE(shown, texts);
    QVERIFY(Visit("/top"));
    QCOMPARE(TopCookies(), top);
    QCOMPARE(m_server->requestCount("/style.css"), styleAgain ? 2 : 1);
}

QTEST_MAIN(TestCookies)
#include "tst_cookies.moc"
