#include "app/CZelvoApp.h"
#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "view/EngineProfile.h"

#include "HttpServer.h"
#include "TempHome.h"

#include <QDialogButtonBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>
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
    void settingsDirectory_data();
    void settingsDirectory();
    void qtTextsInJapanese_data();
    void qtTextsInJapanese();
    void handOverWhileAnotherWindowIsActive();
    void simultaneousStartsShowOneWindow();

private:
    QProcessEnvironment Environment(const TempHome& home) const;
    // The environment of a start on the desktop this test runs on.
    QProcessEnvironment DesktopEnvironment(const TempHome& home) const;
    // Starts count second starts at once, one address each, and waits for them.
    void StartAtOnce(const TempHome& home, const QStringList& addresses);
    HttpServer m_server;
};

void TestStartup::initTestCase()
{
    m_server.route("/home", "text/html", "<title>Home</title>");
    for (const char* path : {"/a", "/b", "/c"})
        m_server.route(path, "text/html", "<title>page</title>");
    // Each page says when it has loaded.
    for (int i = 0; i < 10; ++i) {
        const QByteArray n = QByteArray::number(i);
        m_server.route("/p" + n, "text/html",
                       "<title>page</title><script>onload = function () { fetch('/done" + n +
                           "'); };</script>");
        m_server.route("/done" + n, "text/plain", "ok");
    }
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

QProcessEnvironment TestStartup::DesktopEnvironment(const TempHome& home) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ZELVO_HOME", home.path());
    env.insert("ZELVO_HOMEPAGE", m_server.url("/home").toString());
    env.insert("QT_QPA_PLATFORM", "xcb");
    return env;
}

namespace {

bool OnDesktop()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") &&
           !qEnvironmentVariableIsEmpty("ZELVO_WM");
}

QStringList XdoTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromLatin1(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// Zelvo's windows that are on the screen now.
QStringList ShownWindows()
{
    return XdoTool({"search", "--onlyvisible", "--classname", "zelvo"});
}

} // namespace

void TestStartup::StartAtOnce(const TempHome& home, const QStringList& addresses)
{
    std::vector<std::unique_ptr<QProcess>> starts;
    for (const QString& address : addresses) {
        starts.push_back(std::make_unique<QProcess>());
        starts.back()->setProcessEnvironment(DesktopEnvironment(home));
        starts.back()->start(ZELVO_BINARY, {address});
    }
    for (auto& start : starts) {
        QVERIFY(start->waitForFinished(30000));
        QCOMPARE(start->exitCode(), 0);
    }
}

void TestStartup::handOverWhileAnotherWindowIsActive()
{
    if (!OnDesktop())
        QSKIP("needs an X server with a window manager");
    TempHome home;
    QProcess first;
    first.setProcessEnvironment(DesktopEnvironment(home));
    first.start(ZELVO_BINARY, {});
    QTRY_VERIFY_WITH_TIMEOUT(m_server.requestCount("/home") > 0 && !ShownWindows().isEmpty(),
                             20000);
    const QString zelvo = ShownWindows().constFirst();

    // The user works in another program.
    QWidget other;
    other.setWindowTitle(QStringLiteral("other"));
    other.resize(300, 200);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    const QString otherId = QString::number(other.winId());
    XdoTool({"windowactivate", "--sync", otherId});
    QTRY_COMPARE(XdoTool({"getactivewindow"}).value(0), otherId);

    QStringList addresses;
    for (int i = 0; i < 10; ++i)
        addresses << m_server.url("/p" + QByteArray::number(i)).toString();
    StartAtOnce(home, addresses);
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(addresses.begin(), addresses.end(),
                                         [this](const QString& a) {
                                             const QByteArray done =
                                                 QUrl(a).path().toLatin1().replace("/p", "/done");
                                             return m_server.requestCount(done) > 0;
                                         }),
                             20000);

    // Closed as a user closes it; the saved tabs tell what was open.
    XdoTool({"windowactivate", "--sync", zelvo});
    XdoTool({"key", "--clearmodifiers", "alt+F4"});
    QVERIFY(first.waitForFinished(20000));
    const QByteArray endlist = home.read("Endlist.ini");
    QVERIFY2(endlist.contains("tab_count=11\r\n"), endlist.constData());
    for (const QString& address : std::as_const(addresses))
        QVERIFY2(endlist.contains("=" + address.toLatin1() + "\r\n"), qPrintable(address));
}

void TestStartup::simultaneousStartsShowOneWindow()
{
    if (!OnDesktop())
        QSKIP("needs an X server with a window manager");
    TempHome home;
    QStringList addresses;
    for (int i = 0; i < 5; ++i)
        addresses << m_server.url("/p" + QByteArray::number(i)).toString();
    int mostShown = 0;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&mostShown] {
        mostShown = std::max(mostShown, static_cast<int>(ShownWindows().size()));
    });
    watch.start(20);
    // Four of them hand over and end; one stays, with every address in a tab.
    std::vector<std::unique_ptr<QProcess>> starts;
    for (const QString& address : std::as_const(addresses)) {
        starts.push_back(std::make_unique<QProcess>());
        starts.back()->setProcessEnvironment(DesktopEnvironment(home));
        starts.back()->start(ZELVO_BINARY, {address});
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        std::count_if(starts.begin(), starts.end(),
                      [](const auto& p) { return p->state() == QProcess::NotRunning; }) == 4,
        30000);
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(addresses.begin(), addresses.end(),
                                         [this](const QString& a) {
                                             return m_server.requestCount(
                                                        QUrl(a).path().toLatin1()) > 0;
                                         }),
                             20000);
    QTRY_VERIFY(!ShownWindows().isEmpty());
    watch.stop();
    // The window may have come up after the watch last looked.
    mostShown = std::max(mostShown, static_cast<int>(ShownWindows().size()));
    QCOMPARE(mostShown, 1);
    for (auto& start : starts) {
        if (start->state() != QProcess::NotRunning) {
            start->kill();
            start->waitForFinished(10000);
        }
    }
}

void TestStartup::settingsDirectory_data()
{
    QTest::addColumn<bool>("portable");
    QTest::newRow("installed or built") << false;
    QTest::newRow("portable copy") << true;
}

// The program as installed, in a folder of its own, started by a user whose
// home is empty.
void TestStartup::settingsDirectory()
{
    QFETCH(bool, portable);
    QTemporaryDir programDir;
    QTemporaryDir home;
    const QString program = programDir.filePath("zelvo");
    QVERIFY(QFile::copy(ZELVO_BINARY, program));
    if (portable)
        QVERIFY(QFile(programDir.filePath("tablist.ini")).open(QIODevice::WriteOnly));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("ZELVO_HOME");
    env.remove("XDG_DATA_HOME");
    env.insert("HOME", home.path());
    env.insert("ZELVO_HOMEPAGE", m_server.url("/home").toString());
    env.insert("ZELVO_EXIT_AFTER", "loaded");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
    env.insert("DISPLAY", QStringLiteral(":zelvo-test-%1").arg(QCoreApplication::applicationPid()));
    QProcess zelvo;
    zelvo.setProcessEnvironment(env);
    zelvo.start(program, {});
    // The page comes from this process: its loop must run meanwhile.
    QTRY_VERIFY_WITH_TIMEOUT(zelvo.state() == QProcess::NotRunning, 30000);
    QCOMPARE(zelvo.exitCode(), 0);
    const QString data = home.filePath(".local/share/Zelvo");
    QCOMPARE(QFile::exists(data + "/Color.ini"), !portable);
    QCOMPARE(QFile::exists(programDir.filePath("Color.ini")), portable);
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

void TestStartup::qtTextsInJapanese_data()
{
    QTest::addColumn<QDialogButtonBox::StandardButton>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("cancel") << QDialogButtonBox::Cancel << "キャンセル";
    QTest::newRow("yes") << QDialogButtonBox::Yes << "はい(Y)";
    QTest::newRow("no") << QDialogButtonBox::No << "いいえ(N)";
    QTest::newRow("save") << QDialogButtonBox::Save << "保存";
}

void TestStartup::qtTextsInJapanese()
{
    QFETCH(QDialogButtonBox::StandardButton, button);
    QFETCH(QString, text);
    static const bool installed = CZelvoApp::InstallQtTranslation(*qApp);
    QVERIFY(installed);
    QDialogButtonBox box(button);
    QCOMPARE(box.button(button)->text().remove(QLatin1Char('&')), text);
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
