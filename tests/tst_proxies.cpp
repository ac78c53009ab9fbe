#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "ini/ProxyIni.h"
#include "platform/MessageBox.h"
#include "security/CgiProxy.h"
#include "security/ProxySettings.h"
#include "settings/CProxyDialog.h"
#include "settings/CSetCgi.h"
#include "settings/CSetUserAgent.h"
#include "view/ConnectionGate.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"
#include "view/EngineProxy.h"

#include "ForwardProxy.h"
#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// A name that is no loopback address, so only a proxy can answer it.
const QString kFarPage = QStringLiteral("http://zelvo-far.test/page");

QByteArray Page(const QByteArray& title)
{
    return "<html><head><meta charset=\"utf-8\"><title>" + title + "</title></head><body>" + title +
           "</body></html>";
}

} // namespace

class TestProxies : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();
    void storedProxy_data();
    void storedProxy();
    void endpoint_data();
    void endpoint();
    void cgiAddress_data();
    void cgiAddress();
    void connectionModes_data();
    void connectionModes();
    void modeAtStart_data();
    void modeAtStart();

private:
    CMainFrame* Open(const QByteArray& commandLine = QByteArray());
    // Opens kFarPage in the active tab and waits until it is shown.
    void VisitFarPage();
    void Settings(const QString& file, const QByteArray& text) { m_home->write(file, text); }
    QByteArray ProxyIniWith(const QByteArray& host, const QByteArray& port) const;

    std::unique_ptr<TempHome> m_home;
    std::unique_ptr<HttpServer> m_server;
    std::unique_ptr<ForwardProxy> m_proxy;
    std::unique_ptr<CMainFrame> m_frame;
    QList<MessageBoxCall> m_boxes;
};

void TestProxies::init()
{
    m_home = std::make_unique<TempHome>();
    QVERIFY(ProgramDir::Prepare());
    m_server = std::make_unique<HttpServer>();
    m_server->route("/home", "text/html", Page("Home"));
    m_server->route("/a", "text/html", Page("A"));
    m_server->addHeader("/a", "Cache-Control", "no-store");
    m_proxy = std::make_unique<ForwardProxy>();
    qputenv("ZELVO_HOMEPAGE", m_server->url("/home").toString().toUtf8());
    for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "all_proxy", "no_proxy"})
        qunsetenv(name);
    m_boxes.clear();
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return MbAnswer::Yes;
    });
}

void TestProxies::cleanup()
{
    SetMessageBoxResponder({});
    m_frame.reset();
    // Every test starts direct and online, whatever the last one left.
    QVERIFY(EngineProxy::Apply(ProxyRecord{}));
    ConnectionGate::SetOnline(true);
    m_proxy.reset();
    m_server.reset();
    m_home.reset();
    qunsetenv("ZELVO_HOMEPAGE");
}

void TestProxies::cleanupTestCase()
{
    EngineProfile::Shutdown();
}

CMainFrame* TestProxies::Open(const QByteArray& commandLine)
{
    m_frame = OpenFrame(commandLine);
    if (!m_frame || !WaitTabsIdle(*m_frame))
        return nullptr;
    return m_frame.get();
}

void TestProxies::VisitFarPage()
{
    CZelvoView* view = m_frame->ActiveZelvoView();
    QVERIFY(view);
    view->Navigate2(kFarPage);
    QTRY_VERIFY_WITH_TIMEOUT(view->GetLocationURL() == kFarPage && !view->GetBusy(), 30000);
}

QByteArray TestProxies::ProxyIniWith(const QByteArray& host, const QByteArray& port) const
{
    QByteArray text;
    for (int n = 1; n <= 3; ++n) {
        text += "[Proxy" + QByteArray::number(n) + "]\r\n";
        if (!host.isNull())
            text += "host=" + host + "\r\n";
        if (!port.isNull())
            text += "port=" + (port == "@" ? QByteArray::number(m_proxy->port()) : port) + "\r\n";
    }
    return text;
}

void TestProxies::storedProxy_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QString>("proxy");
    QTest::addColumn<QString>("bypass");
    QTest::newRow("no file: the host is missing") << QByteArray() << false << ""
                                                  << "";
    QTest::newRow("host alone: the port defaults to 8080")
        << QByteArray("[Proxy2]\r\nhost=px\r\n") << true << "px:8080"
        << "";
    QTest::newRow("empty port") << QByteArray("[Proxy2]\r\nhost=px\r\nport=\r\n") << false << ""
                                << "";
    QTest::newRow("local with a list")
        << QByteArray("[Proxy2]\r\nhost=H\r\nport=3128\r\n[Proxy_access]\r\nlocal=1\r\n"
                      "[Proxy_set]\r\nbypas=*.example.jp\r\n")
        << true << "H:3128"
        << "*.example.jp;<local>";
    QTest::newRow("local alone")
        << QByteArray("[Proxy2]\r\nhost=H\r\nport=3128\r\n[Proxy_access]\r\nlocal=1\r\n") << true
        << "H:3128"
        << "<local>";
    QTest::newRow("list without local")
        << QByteArray("[Proxy2]\r\nhost=H\r\nport=3128\r\n[Proxy_access]\r\nlocal=2\r\n"
                      "[Proxy_set]\r\nbypas=a;b\r\n")
        << true << "H:3128"
        << "a;b";
    const QByteArray longList(800, 'b');
    QTest::newRow("long list keeps 779 characters")
        << QByteArray("[Proxy2]\r\nhost=H\r\nport=1\r\n[Proxy_access]\r\nlocal=1\r\n"
                      "[Proxy_set]\r\nbypas=" +
                      longList + "\r\n")
        << true << "H:1" << QString(779, QLatin1Char('b'));
}

void TestProxies::storedProxy()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, usable);
    QFETCH(QString, proxy);
    QFETCH(QString, bypass);
    if (!ini.isEmpty())
        Settings("proxy.ini", ini);
    const std::optional<ProxyRecord> record = ProxySettings::Stored(2);
    QCOMPARE(record.has_value(), usable);
    if (!record)
        return;
    QCOMPARE(record->access, ProxyRecord::Access::Named);
    QCOMPARE(record->proxy, proxy);
    QCOMPARE(record->bypass, bypass);
}

void TestProxies::endpoint_data()
{
    QTest::addColumn<QString>("proxy");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("name") << "proxy.example.jp:3128"
                          << "proxy.example.jp" << 3128;
    QTest::newRow("address") << "10.1.2.3:8080"
                             << "10.1.2.3" << 8080;
    QTest::newRow("scheme written in") << "http://proxy:8080"
                                       << "" << 0;
    QTest::newRow("path written in") << "proxy/x:8080"
                                     << "" << 0;
    QTest::newRow("port not a number") << "proxy:80a"
                                       << "" << 0;
    QTest::newRow("port too large") << "proxy:65536"
                                    << "" << 0;
    QTest::newRow("port zero") << "proxy:0"
                               << "" << 0;
    QTest::newRow("blank in the name") << "pro xy:80"
                                       << "" << 0;
    QTest::newRow("no port") << "proxy"
                             << "" << 0;
}

void TestProxies::endpoint()
{
    QFETCH(QString, proxy);
    QFETCH(QString, host);
    QFETCH(int, port);
    const std::optional<ProxyEndpoint> endpoint = ProxySettings::Endpoint(proxy);
    QCOMPARE(endpoint.has_value(), !host.isEmpty());
    if (endpoint) {
        QCOMPARE(endpoint->host, host);
        QCOMPARE(int(endpoint->port), port);
    }
}

void TestProxies::cgiAddress_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("address");
    const QString prefix = QStringLiteral("http://cgi.example/p.cgi?");
    QTest::newRow("http") << "http://a.jp/x" << 0 << prefix + "http/a.jp/x";
    QTest::newRow("http twice") << "http://a.jp/?u=http://b.jp/" << 0
                                << prefix + "http/a.jp/?u=http/b.jp/";
    QTest::newRow("https") << "https://a.jp/" << 0 << prefix + "https/a.jp/";
    QTest::newRow("http wins over https")
        << "https://a.jp/?u=http://b/" << 0 << prefix + "https://a.jp/?u=http/b/";
    QTest::newRow("ftp") << "ftp://f.jp/" << 0 << prefix + "ftp/f.jp/";
    QTest::newRow("gopher") << "gopher://g.jp/" << 0 << prefix + "gopher/g.jp/";
    QTest::newRow("mail link: nothing") << "mailto:a@b.jp" << 0 << "";
    QTest::newRow("upper-case scheme: nothing") << "HTTP://A.JP/" << 0 << "";
    QTest::newRow("kept: https") << "https://a.jp/" << 1 << prefix + "https://a.jp/";
    QTest::newRow("kept: mail link") << "mailto:a@b.jp" << 1 << prefix + "mailto:a@b.jp";
    QTest::newRow("kept: text CP932 lacks")
        << "http://ü.de/😀/简体" << 2 << prefix + "http://ü.de/😀/简体";
    QTest::newRow("cut at 1039") << "http://" + QString(1100, QLatin1Char('x')) << 0
                                 << (prefix + "http/" + QString(1100, QLatin1Char('x'))).left(1039);
}

void TestProxies::cgiAddress()
{
    QFETCH(QString, target);
    QFETCH(int, command);
    QFETCH(QString, address);
    QCOMPARE(CgiProxy::Address(target, QStringLiteral("http://cgi.example/p.cgi?"), command),
             address);
}

void TestProxies::connectionModes_data()
{
    QTest::addColumn<QList<int>>("commands");
    // "@" stands for the test proxy's port.
    QTest::addColumn<QByteArray>("host");
    QTest::addColumn<QByteArray>("port");
    QTest::addColumn<bool>("proxied");
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("caption");
    const int direct = ToInt(CommandId::ProxyDirect);
    const int desktop = ToInt(CommandId::ProxySystem);
    const std::pair<int, int> proxies[] = {{1, ToInt(CommandId::Proxy1)},
                                           {2, ToInt(CommandId::Proxy2)},
                                           {3, ToInt(CommandId::Proxy3)}};
    for (const auto& [n, id] : proxies) {
        QTest::addRow("proxy %d", n) << QList<int>{direct, id} << QByteArray("127.0.0.1")
                                     << QByteArray("@") << true << n << ""
                                     << "";
        QTest::addRow("proxy %d, then direct", n)
            << QList<int>{id, direct} << QByteArray("127.0.0.1") << QByteArray("@") << false << 0
            << ""
            << "";
        QTest::addRow("proxy %d without host", n)
            << QList<int>{direct, id} << QByteArray() << QByteArray("@") << false << 0
            << ProxySettings::MissingText(n) << "実行不可";
        QTest::addRow("proxy %d with an empty port", n)
            << QList<int>{direct, id} << QByteArray("127.0.0.1") << QByteArray("") << false << 0
            << ProxySettings::MissingText(n) << "実行不可";
        QTest::addRow("proxy %d given with its scheme", n)
            << QList<int>{direct, id} << QByteArray("http://127.0.0.1") << QByteArray("@") << false
            << 0 << ProxySettings::FailureText(n) << "Error";
    }
    QTest::newRow("refused proxy keeps the one in force")
        << QList<int>{ToInt(CommandId::Proxy1), ToInt(CommandId::Proxy2)} << QByteArray("127.0.0.1")
        << QByteArray("@") << true << 1 << ""
        << "";
    QTest::newRow("desktop settings without a proxy")
        << QList<int>{ToInt(CommandId::Proxy1), desktop} << QByteArray("127.0.0.1")
        << QByteArray("@") << false << 4 << ""
        << "";
    QTest::newRow("desktop settings with http_proxy")
        << QList<int>{direct, desktop} << QByteArray() << QByteArray() << true << 4 << ""
        << "";
}

void TestProxies::connectionModes()
{
    QFETCH(QList<int>, commands);
    QFETCH(QByteArray, host);
    QFETCH(QByteArray, port);
    QFETCH(bool, proxied);
    QFETCH(int, setting);
    QFETCH(QString, message);
    QFETCH(QString, caption);
    QVERIFY(Open());
    QByteArray ini = ProxyIniWith(host, port);
    if (QByteArray(QTest::currentDataTag()).startsWith("refused"))
        ini.replace("[Proxy2]\r\nhost=127.0.0.1", "[Proxy2]\r\nhost=http://127.0.0.1");
    Settings("proxy.ini", ini);
    if (QByteArray(QTest::currentDataTag()).endsWith("http_proxy"))
        qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(m_proxy->port()));
    m_boxes.clear();
    for (int id : commands)
        m_frame->SendCommand(id);
    VisitFarPage();
    QCOMPARE(m_proxy->targets().contains(kFarPage.toUtf8()), proxied);
    QCOMPARE(ProxyIni::ProxyCommand(), setting);
    const std::pair<CommandId, int> checks[] = {{CommandId::ProxyDirect, 0},
                                                {CommandId::Proxy1, 1},
                                                {CommandId::Proxy2, 2},
                                                {CommandId::Proxy3, 3},
                                                {CommandId::ProxySystem, 4}};
    for (const auto& [id, mode] : checks)
        QCOMPARE(m_frame->CommandState(id).check, mode == setting ? 1 : 0);
    if (message.isEmpty()) {
        QVERIFY(m_boxes.isEmpty() || QByteArray(QTest::currentDataTag()).startsWith("refused"));
        return;
    }
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, message);
    QCOMPARE(m_boxes[0].caption, caption);
    QCOMPARE(m_boxes[0].icon, MbIcon::Stop);
}

void TestProxies::modeAtStart_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<bool>("proxied");
    QTest::newRow("proxy 1") << QByteArray("1") << true;
    QTest::newRow("proxy 3") << QByteArray("3") << true;
    QTest::newRow("direct") << QByteArray("0") << false;
    QTest::newRow("desktop settings") << QByteArray("4") << false;
    QTest::newRow("desktop settings with http_proxy") << QByteArray("4") << true;
    QTest::newRow("unknown mode with http_proxy") << QByteArray("7") << true;
}

void TestProxies::modeAtStart()
{
    QFETCH(QByteArray, setting);
    QFETCH(bool, proxied);
    // A run before this one left a proxy in force: a start must not depend on it.
    const ProxyRecord left{ProxyRecord::Access::Named,
                           QStringLiteral("127.0.0.1:%1").arg(m_proxy->port()), QString()};
    QVERIFY(EngineProxy::Apply(proxied ? ProxyRecord{} : left));
    if (QByteArray(QTest::currentDataTag()).endsWith("http_proxy"))
        qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(m_proxy->port()));
    Settings("proxy.ini",
             ProxyIniWith("127.0.0.1", "@") + "[proxy_command]\r\nsetting=" + setting + "\r\n");
    QVERIFY(Open(kFarPage.toUtf8()));
    QCOMPARE(m_proxy->targets().contains(kFarPage.toUtf8()), proxied);
    QCOMPARE(ProxyIni::ProxyCommand(), setting.toInt());
}

QTEST_MAIN(TestProxies)
#include "tst_proxies.moc"
