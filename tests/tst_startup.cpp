#include "app/CZelvoApp.h"
#include "app/ProfileStore.h"
#include "app/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "view/EngineProfile.h"

#include "HttpServer.h"
#include "TempHome.h"

#include <QProcess>
#include <QtTest>

// The program as a user starts it: the real executable, a second start handing
// its command line to the first.
class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void maximisedWhenLeftSo_data();
    void maximisedWhenLeftSo();
    void menuDrawingFromTablist_data();
    void menuDrawingFromTablist();
    void secondStartHandsOver();

private:
    QProcessEnvironment Environment(const TempHome& home) const;
    HttpServer m_server;
};

void TestStartup::initTestCase()
{
    m_server.route("/home", "text/html", "<title>Home</title>");
    for (const char* path : {"/a", "/b", "/c"})
        m_server.route(path, "text/html", "<title>page</title>");
}

void TestStartup::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

QProcessEnvironment TestStartup::Environment(const TempHome& home) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ZELVO_HOME", home.path());
    env.insert("ZELVO_HOMEPAGE", m_server.url("/home").toString());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // A display of its own, so no Zelvo the developer runs is reached.
    env.insert("DISPLAY", QStringLiteral(":zelvo-test-%1").arg(QCoreApplication::applicationPid()));
    env.remove("WAYLAND_DISPLAY");
    return env;
}

void TestStartup::maximisedWhenLeftSo_data()
{
    QTest::addColumn<QByteArray>("endlist");
    QTest::addColumn<bool>("maximised");
    QTest::newRow("no Endlist.ini") << QByteArray() << false;
    QTest::newRow("size 0") << QByteArray("[Window]\r\nsize=0\r\n") << false;
    QTest::newRow("size 1") << QByteArray("[Window]\r\nsize=1\r\n") << true;
}

void TestStartup::maximisedWhenLeftSo()
{
    QFETCH(QByteArray, endlist);
    QFETCH(bool, maximised);
    TempHome home;
    if (!endlist.isEmpty())
        home.write("Endlist.ini", endlist);
    CMainFrame frame(1);
    QVERIFY(frame.OnCreate());
    CZelvoApp::ShowMainFrame(frame);
    QCOMPARE(frame.isMaximized(), maximised);
    QVERIFY(frame.isVisible());
}

void TestStartup::menuDrawingFromTablist_data()
{
    QTest::addColumn<QByteArray>("tablist");
    QTest::addColumn<int>("xpStyle");
    QTest::newRow("no Tablist.ini") << QByteArray() << 1;
    QTest::newRow("xp_style 0") << QByteArray("[Window]\r\nxp_style=0\r\n") << 1;
    QTest::newRow("xp_style 1") << QByteArray("[Window]\r\nxp_style=1\r\n") << 0;
    QTest::newRow("xp_style 2") << QByteArray("[Window]\r\nxp_style=2\r\n") << 0;
}

void TestStartup::menuDrawingFromTablist()
{
    QFETCH(QByteArray, tablist);
    QFETCH(int, xpStyle);
    TempHome home;
    if (!tablist.isEmpty())
        home.write("Tablist.ini", tablist);
    QCOMPARE(CZelvoApp::ReadXPStyle(), xpStyle);
}

void TestStartup::secondStartHandsOver()
{
    TempHome home;
    QProcess first;
    first.setProcessEnvironment(Environment(home));
    first.start(ZELVO_BINARY, {});
    QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount("/home") > 0, 20000);

    // A quoted address arrives without its quotes; the second process shows nothing.
    QProcess second;
    second.setProcessEnvironment(Environment(home));
    second.start(ZELVO_BINARY, {"\"" + m_server.url("/a").toString() + "\""});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount("/a") > 0, 10000);

    // Two quick second starts both arrive.
    QProcess third;
    QProcess fourth;
    third.setProcessEnvironment(Environment(home));
    fourth.setProcessEnvironment(Environment(home));
    third.start(ZELVO_BINARY, {m_server.url("/b").toString()});
    fourth.start(ZELVO_BINARY, {m_server.url("/c").toString()});
    QVERIFY(third.waitForFinished(10000));
    QVERIFY(fourth.waitForFinished(10000));
    QCOMPARE(third.exitCode(), 0);
    QCOMPARE(fourth.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount("/b") > 0 && m_server.requestCount("/c") > 0,
                             10000);
    QCOMPARE(first.state(), QProcess::Running);

    // A Zelvo killed outright leaves its marker; the next start is not stopped by it.
    first.kill();
    QVERIFY(first.waitForFinished(10000));
    m_server.clearRequests();
    QProcess again;
    again.setProcessEnvironment(Environment(home));
    again.start(ZELVO_BINARY, {});
    QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount("/home") > 0, 20000);
    QCOMPARE(again.state(), QProcess::Running);
    again.kill();
    again.waitForFinished(10000);
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
