#include "core/CommandLine.h"
#include "core/Cp932.h"
#include "platform/SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <unistd.h>

using namespace CommandLine;

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void rawCommandLine_data();
    void rawCommandLine();
    void handOverText_data();
    void handOverText();
    void startupAddress_data();
    void startupAddress();
    void defaultName_data();
    void defaultName();

    void secondStartHandsOver_data();
    void secondStartHandsOver();
    void quickSendersAllArrive();
    void sendFailsWhenNobodyListens();
    void secondListenerIsRefused();
    void killedInstanceDoesNotBlockNextStart();
    void stopRemovesMarker();
    void brokenClientsAreIgnored_data();
    void brokenClientsAreIgnored();

private:
    static QString SocketPath() { return QDir::tempPath() + "/" + SingleInstance::DefaultName(); }
    static QProcess* StartHelper(const QStringList& arguments, QObject* parent);
    static bool WaitFinished(QProcess* process, int timeoutMs = 20000);
};

void TestSingleInstance::initTestCase()
{
    // The marker is per display: a display of this run's own keeps the test
    // apart from a Zelvo that is really running and from parallel test runs.
    qputenv("DISPLAY", ":zelvotest" + QByteArray::number(getpid()));
    qunsetenv("WAYLAND_DISPLAY");
    QVERIFY(QFile::exists(ZELVO_SINGLEINSTANCE_HELPER));
}

QProcess* TestSingleInstance::StartHelper(const QStringList& arguments, QObject* parent)
{
    auto* process = new QProcess(parent);
    process->setProgram(ZELVO_SINGLEINSTANCE_HELPER);
    process->setArguments(arguments);
    process->start();
    return process;
}

// The running instance answers from this thread's event loop, so waiting must
// keep the loop turning (waitForFinished would block the answer).
bool TestSingleInstance::WaitFinished(QProcess* process, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (process->state() != QProcess::NotRunning && timer.elapsed() < timeoutMs)
        QTest::qWait(10);
    return process->state() == QProcess::NotRunning;
}

void TestSingleInstance::rawCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("no argument") << QStringList() << QByteArray();
    QTest::newRow("address") << QStringList{"http://a.jp/x?q=1"} << QByteArray("http://a.jp/x?q=1");
    QTest::newRow("path with blanks")
        << QStringList{"/home/u/My Pages/a.html"} << QByteArray("\"/home/u/My Pages/a.html\"");
    QTest::newRow("several") << QStringList{"-x", "a b", "c"} << QByteArray("-x \"a b\" c");
    QTest::newRow("tab is white space") << QStringList{"a\tb"} << QByteArray("\"a\tb\"");
    QTest::newRow("quote inside is left alone")
        << QStringList{"say \"hi\" now"} << QByteArray("say \"hi\" now");
    QTest::newRow("empty argument") << QStringList{"", "x"} << QByteArray("\"\" x");
    QTest::newRow("japanese") << QStringList{QStringLiteral("ページ 一覧")}
                              << QByteArray("\"ページ 一覧\"");
    QTest::newRow("outside code page 932")
        << QStringList{QStringLiteral("http://h/\u00fc\U0001F600?q=\u6c49")}
        << QByteArray("http://h/\xc3\xbc\xf0\x9f\x98\x80?q=\xe6\xb1\x89");
}

void TestSingleInstance::rawCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, expected);
    QCOMPARE(RawCommandLine(arguments), expected);
}

void TestSingleInstance::handOverText_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("plain address") << QByteArray("http://a/ b") << QByteArray("http://a/ b");
    QTest::newRow("quoted address")
        << QByteArray("\"http://a/?x=1\"") << QByteArray("http://a/?x=1");
    QTest::newRow("quoted path with blanks and more")
        << QByteArray("-n \"/home/u/My Pages/a.html\" -x") << QByteArray("/home/u/My Pages/a.html");
    QTest::newRow("one quote only") << QByteArray("abc\"http://x/") << QByteArray("http://x/");
    QTest::newRow("quote at the end") << QByteArray("abc\"") << QByteArray();
    QTest::newRow("ends at terminator") << QByteArray("abc\0def", 7) << QByteArray("abc");
    QTest::newRow("multi-byte inside quotes") << QByteArray("\"ページ\"") << QByteArray("ページ");
    QTest::newRow("cut never halves a character")
        << QByteArray(1039, 'a') + "\xf0\x9f\x98\x80" << QByteArray(1039, 'a');
    QTest::newRow("2000 bytes cut at 1040") << QByteArray(2000, 'a') << QByteArray(1040, 'a');
    QTest::newRow("quote after the cut is not seen")
        << QByteArray(1100, 'a') + "\"x\"" << QByteArray(1040, 'a');
    QTest::newRow("closing quote after the cut")
        << "\"" + QByteArray(1100, 'b') + "\"" << QByteArray(1039, 'b');
}

void TestSingleInstance::handOverText()
{
    QFETCH(QByteArray, received);
    QFETCH(QByteArray, expected);
    QCOMPARE(HandOverText(received), expected);
}

void TestSingleInstance::startupAddress_data()
{
    QTest::addColumn<QByteArray>("commandLine");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("address") << QByteArray("http://a/") << QByteArray("http://a/");
    QTest::newRow("quoted address") << QByteArray("\"http://a/\"") << QByteArray("http://a/");
    QTest::newRow("quoted file") << QByteArray("\"/home/u/My Pages/a.html\"")
                                 << QByteArray("/home/u/My Pages/a.html");
    QTest::newRow("words before the address")
        << QByteArray("-new http://a/") << QByteArray("http://a/");
    QTest::newRow("https") << QByteArray("go https://s/") << QByteArray("https://s/");
    QTest::newRow("http: wins over an earlier https:")
        << QByteArray("https://s/?u=http://h/") << QByteArray("http://h/");
    QTest::newRow("lone quote") << QByteArray("\"") << QByteArray();
    QTest::newRow("two quotes") << QByteArray("\"\"") << QByteArray();
    QTest::newRow("unbalanced quote loses the last character")
        << QByteArray("\"https://s/") << QByteArray("https://s");
}

void TestSingleInstance::startupAddress()
{
    QFETCH(QByteArray, commandLine);
    QFETCH(QByteArray, expected);
    QCOMPARE(StartupAddress(commandLine), expected);
}

void TestSingleInstance::defaultName_data()
{
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QString>("expected");
    const QString uid = QString::number(getuid());
    QTest::newRow("x11") << QByteArray(":0") << QByteArray("wayland-0") << "Zelvo-" + uid + "-_0";
    QTest::newRow("remote x11") << QByteArray("host.lan:10.0") << QByteArray()
                                << "Zelvo-" + uid + "-host.lan_10.0";
    QTest::newRow("wayland only") << QByteArray() << QByteArray("wayland-1")
                                  << "Zelvo-" + uid + "-wayland-1";
    QTest::newRow("no display") << QByteArray() << QByteArray() << "Zelvo-" + uid + "-nodisplay";
    QTest::newRow("slash is no directory")
        << QByteArray("/tmp/x:0") << QByteArray() << "Zelvo-" + uid + "-_tmp_x_0";
}

void TestSingleInstance::defaultName()
{
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, wayland);
    QFETCH(QString, expected);
    const QByteArray oldDisplay = qgetenv("DISPLAY");
    qputenv("DISPLAY", display);
    qputenv("WAYLAND_DISPLAY", wayland);
    const QString name = SingleInstance::DefaultName();

    // Long display names must neither overflow a socket path nor collide.
    qputenv("DISPLAY", QByteArray(300, 'x') + ":1");
    const QString long1 = SingleInstance::DefaultName();
    qputenv("DISPLAY", QByteArray(300, 'x') + ":2");
    const QString long2 = SingleInstance::DefaultName();

    qputenv("DISPLAY", oldDisplay);
    qunsetenv("WAYLAND_DISPLAY");
    QCOMPARE(name, expected);
    QVERIFY(long1 != long2);
    QVERIFY((QDir::tempPath() + "/" + long1).toUtf8().size() < 108);
    QVERIFY(long1.startsWith("Zelvo-" + QString::number(getuid()) + "-"));
}

void TestSingleInstance::secondStartHandsOver_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("no argument") << QStringList() << QByteArray();
    QTest::newRow("address") << QStringList{"http://127.0.0.1/a"}
                             << QByteArray("http://127.0.0.1/a");
    QTest::newRow("path with blanks, japanese and emoji")
        << QStringList{QStringLiteral("/tmp/My ページ\U0001F600.html")}
        << QByteArray("\"/tmp/My ページ\xf0\x9f\x98\x80.html\"");
}

void TestSingleInstance::secondStartHandsOver()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, expected);
    SingleInstance instance;
    QVERIFY(instance.Listen());
    QSignalSpy spy(&instance, &SingleInstance::received);

    QProcess* sender = StartHelper(arguments, this);
    QVERIFY(WaitFinished(sender));
    QCOMPARE(sender->exitStatus(), QProcess::NormalExit);
    QCOMPARE(sender->exitCode(), 0);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), expected);
    delete sender;
}

void TestSingleInstance::quickSendersAllArrive()
{
    SingleInstance instance;
    QVERIFY(instance.Listen());
    QSignalSpy spy(&instance, &SingleInstance::received);

    QList<QProcess*> senders;
    QSet<QByteArray> expected;
    for (int i = 0; i < 6; ++i) {
        const QByteArray address = "http://127.0.0.1/" + QByteArray::number(i);
        expected << address;
        senders << StartHelper({QString::fromLatin1(address)}, this);
    }
    for (QProcess* sender : senders) {
        QVERIFY(WaitFinished(sender));
        QCOMPARE(sender->exitCode(), 0);
    }
    QSet<QByteArray> arrived;
    for (const QList<QVariant>& call : spy)
        arrived << call.at(0).toByteArray();
    QCOMPARE(spy.size(), 6);
    QCOMPARE(arrived, expected);
    qDeleteAll(senders);
}

void TestSingleInstance::sendFailsWhenNobodyListens()
{
    QVERIFY(!QFile::exists(SocketPath()));
    // Nobody to wait for: it gives up at once, not after the time allowed.
    QVERIFY(!SingleInstance::SendToRunning("http://a/", 10 * 60 * 1000));

    QProcess* sender = StartHelper({"http://a/"}, this);
    QVERIFY(WaitFinished(sender));
    QCOMPARE(sender->exitCode(), 1);
    delete sender;
}

void TestSingleInstance::secondListenerIsRefused()
{
    SingleInstance first;
    QVERIFY(first.Listen());
    {
        SingleInstance second;
        QVERIFY(!second.Listen());
    }
    // The refused one must not take the marker of the running one with it.
    QVERIFY(first.IsListening());
    QVERIFY(QFile::exists(SocketPath()));

    QSignalSpy spy(&first, &SingleInstance::received);
    QProcess* sender = StartHelper({"x"}, this);
    QVERIFY(WaitFinished(sender));
    QCOMPARE(sender->exitCode(), 0);
    QCOMPARE(spy.size(), 1);
    delete sender;
}

void TestSingleInstance::killedInstanceDoesNotBlockNextStart()
{
    QProcess running;
    running.setProgram(ZELVO_SINGLEINSTANCE_HELPER);
    running.setArguments({"--listen"});
    running.start();
    QVERIFY(running.waitForReadyRead(10000));
    QCOMPARE(running.readLine(), QByteArray("listening\n"));

    // While it lives it is the running instance.
    SingleInstance instance;
    QVERIFY(!instance.Listen());
    QVERIFY(SingleInstance::SendToRunning("http://b/", 5000));
    QVERIFY(running.waitForReadyRead(5000));
    QCOMPARE(running.readLine(), QByteArray("http://b/\n"));

    running.kill();
    QVERIFY(running.waitForFinished(5000));
    QVERIFY2(QFile::exists(SocketPath()), "a killed instance leaves its socket behind");
    QVERIFY(!SingleInstance::SendToRunning("http://c/", 5000));

    QVERIFY(instance.Listen());
    QSignalSpy spy(&instance, &SingleInstance::received);
    QProcess* sender = StartHelper({"http://d/"}, this);
    QVERIFY(WaitFinished(sender));
    QCOMPARE(sender->exitCode(), 0);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("http://d/"));
    delete sender;
}

void TestSingleInstance::stopRemovesMarker()
{
    {
        SingleInstance instance;
        QVERIFY(instance.Listen());
        QVERIFY(QFile::exists(SocketPath()));
        instance.Stop();
        QVERIFY(!instance.IsListening());
        QVERIFY(!QFile::exists(SocketPath()));
        QVERIFY(instance.Listen());
    }
    QVERIFY(!QFile::exists(SocketPath()));
}

void TestSingleInstance::brokenClientsAreIgnored_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("half a header") << QByteArray("\0\0", 2);
    QTest::newRow("text shorter than announced") << QByteArray("\0\0\0\x10http", 8);
    QTest::newRow("absurd length") << QByteArray("\x7f\xff\xff\xffhttp://a/", 13);
}

void TestSingleInstance::brokenClientsAreIgnored()
{
    QFETCH(QByteArray, bytes);
    SingleInstance instance;
    QVERIFY(instance.Listen());
    QSignalSpy spy(&instance, &SingleInstance::received);

    QLocalSocket client;
    client.connectToServer(instance.Name());
    QVERIFY(client.waitForConnected(5000));
    client.write(bytes);
    client.flush();
    client.disconnectFromServer();

    QProcess* sender = StartHelper({"after"}, this);
    QVERIFY(WaitFinished(sender));
    QCOMPARE(sender->exitCode(), 0);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("after"));
    delete sender;
}

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
