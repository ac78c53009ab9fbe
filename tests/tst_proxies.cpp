#include "core/ProfileStore.h"
#include "core/ProgramDir.h"
#include "frame/CMainFrame.h"
#include "ini/ProxyIni.h"
#include "platform/MessageBox.h"
#include "security/CgiProxy.h"
#include "security/ProxyBypass.h"
#include "security/ProxySettings.h"
#include "settings/CProxyDialog.h"
#include "settings/CSetCgi.h"
#include "settings/CSetUserAgent.h"
#include "settings/CTreePropSheet.h"
#include "ini/SecurityIni.h"
#include "view/ConnectionGate.h"
#include "view/CZelvoView.h"
#include "view/EngineProfile.h"
#include "view/EngineProxy.h"
#include "view/RoutingProxy.h"

#include "ForwardProxy.h"
#include "FrameHarness.h"
#include "HttpServer.h"
#include "TempHome.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTimer>
#include <QtTest>

#include <sys/socket.h>

#include <memory>

namespace {

constexpr int kRewrite = SecurityIni::kCgiRewrite;
constexpr int kKeep = SecurityIni::kCgiKeep;

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
    void bypassList_data();
    void bypassList();
    void routing_data();
    void routing();
    void bypassedPages_data();
    void bypassedPages();
    void cgiAddress_data();
    void cgiAddress();
    void connectionModes_data();
    void connectionModes();
    void modeAtStart_data();
    void modeAtStart();
    void freshStart_data();
    void freshStart();
    void userAgent_data();
    void userAgent();
    void connectedState();
    void cgiConnect_data();
    void cgiConnect();
    void proxyDialog_data();
    void proxyDialog();
    void cgiPage_data();
    void cgiPage();
    void userAgentPage_data();
    void userAgentPage();

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
    MbAnswer m_answer = MbAnswer::Yes;
    // A loopback port nothing listens on.
    quint16 m_deadPort = 0;
};

void TestProxies::init()
{
    m_home = std::make_unique<TempHome>();
    QVERIFY(ProgramDir::Prepare());
    m_server = std::make_unique<HttpServer>();
    m_server->route("/home", "text/html", Page("Home"));
    m_server->route("/a", "text/html", Page("A"));
    for (const char* path : {"/home", "/a"})
        m_server->addHeader(path, "Cache-Control", "no-store");
    m_proxy = std::make_unique<ForwardProxy>();
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        m_deadPort = closed.serverPort();
    }
    qputenv("ZELVO_HOMEPAGE", m_server->url("/home").toString().toUtf8());
    for (const char* name : {"http_proxy", "HTTP_PROXY", "https_proxy", "all_proxy", "no_proxy"})
        qunsetenv(name);
    m_boxes.clear();
    m_answer = MbAnswer::Yes;
    SetMessageBoxResponder([this](const MessageBoxCall& call) {
        m_boxes.append(call);
        return m_answer;
    });
}

void TestProxies::cleanup()
{
    SetMessageBoxResponder({});
    RoutingProxy::SetResolver({});
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
        if (port == "@")
            text += "port=" + QByteArray::number(m_proxy->port()) + "\r\n";
        else if (port == "!")
            text += "port=" + QByteArray::number(m_deadPort) + "\r\n";
        else if (!port.isNull())
            text += "port=" + port + "\r\n";
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

void TestProxies::bypassList_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("bypassed");
    QTest::newRow("empty list") << ""
                                << "http://intranet/" << false;
    QTest::newRow("name") << "a.example.jp"
                          << "http://a.example.jp/" << true;
    QTest::newRow("name, other case") << "A.Example.JP"
                                      << "http://a.example.jp/" << true;
    QTest::newRow("name is no suffix") << "example.jp"
                                       << "http://a.example.jp/" << false;
    QTest::newRow("star: names below") << "*.example.jp"
                                       << "http://b.a.example.jp/" << true;
    QTest::newRow("star: not the name itself") << "*.example.jp"
                                               << "http://example.jp/" << false;
    QTest::newRow("star in the middle") << "www.*.jp"
                                        << "http://www.x.jp/" << true;
    QTest::newRow("question mark") << "a?.jp"
                                   << "http://ab.jp/" << true;
    QTest::newRow("dot is no wildcard") << "a.b"
                                        << "http://axb/" << false;
    QTest::newRow("address prefix") << "10.*"
                                    << "http://10.1.2.3/" << true;
    QTest::newRow("address prefix, other net") << "10.*"
                                               << "http://110.1.2.3/" << false;
    QTest::newRow("second of three, blanks and commas") << " x.jp ; *.example.jp,y.jp"
                                                        << "http://a.example.jp/" << true;
    QTest::newRow("empty entries") << ";;*.example.jp;"
                                   << "http://a.example.jp/" << true;
    QTest::newRow("port matches") << "a.jp:8080"
                                  << "http://a.jp:8080/" << true;
    QTest::newRow("port differs") << "a.jp:8080"
                                  << "http://a.jp/" << false;
    QTest::newRow("any port") << "a.jp:*"
                              << "http://a.jp:81/" << true;
    QTest::newRow("bad port: entry ignored") << "a.jp:80x"
                                             << "http://a.jp/" << false;
    QTest::newRow("scheme matches") << "https://a.jp"
                                    << "https://a.jp/" << true;
    QTest::newRow("scheme differs") << "https://a.jp"
                                    << "http://a.jp/" << false;
    QTest::newRow("scheme with a path") << "http://a.jp/x"
                                        << "http://a.jp/" << true;
    QTest::newRow("local: name without a dot") << "<local>"
                                               << "http://intranet/" << true;
    QTest::newRow("local, other case") << "<LOCAL>"
                                       << "http://intranet/" << true;
    QTest::newRow("local: name with a dot") << "<local>"
                                            << "http://a.jp/" << false;
    QTest::newRow("local: IPv6 address") << "<local>"
                                         << "http://[fe80::1]/" << false;
    QTest::newRow("IPv6 entry") << "[fe80::1]"
                                << "http://[fe80::1]/" << true;
    QTest::newRow("IPv6 entry with port") << "[fe80::1]:81"
                                          << "http://[fe80::1]:81/" << true;
    QTest::newRow("list, then local") << "*.example.jp;<local>"
                                      << "http://intranet/" << true;
    QTest::newRow("text CP932 lacks") << "ü😀简体.jp"
                                      << "http://a.jp/" << false;
    QTest::newRow("lone star") << "*"
                               << "http://a.jp/" << true;
}

void TestProxies::bypassList()
{
    QFETCH(QString, list);
    QFETCH(QString, address);
    QFETCH(bool, bypassed);
    const QUrl url(address);
    QVERIFY(url.isValid());
    QCOMPARE(ProxyBypass(list).Bypasses(url.scheme(), url.host(),
                                        url.port(url.scheme() == "https" ? 443 : 80)),
             bypassed);
}

void TestProxies::routing_data()
{
    // What the client sends: a plain request ("get"), a tunnel ("connect"), a
    // request whose sender shuts its side at once ("half"), a request head
    // that never ends ("endless").
    QTest::addColumn<QString>("request");
    // "direct", "proxy" (the test proxy), "dead" (a proxy that does not answer).
    QTest::addColumn<QString>("route");
    QTest::addColumn<int>("clients");
    // The start of the answer each client gets; empty: the connection closes.
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("large page, direct") << "get"
                                        << "direct" << 1 << QByteArray("HTTP/1.1 200");
    QTest::newRow("many at once, direct") << "get"
                                          << "direct" << 40 << QByteArray("HTTP/1.1 200");
    QTest::newRow("through the proxy") << "get"
                                       << "proxy" << 1 << QByteArray("HTTP/1.1 200");
    QTest::newRow("many at once, through the proxy") << "get"
                                                     << "proxy" << 40 << QByteArray("HTTP/1.1 200");
    QTest::newRow("dead proxy") << "get"
                                << "dead" << 3 << QByteArray();
    QTest::newRow("tunnel, direct")
        << "connect"
        << "direct" << 1 << QByteArray("HTTP/1.1 200 Connection established");
    QTest::newRow("tunnel, then the routes change")
        << "connect-retired"
        << "direct" << 1 << QByteArray("HTTP/1.1 200 Connection established");
    QTest::newRow("tunnel, dead proxy") << "connect"
                                        << "dead" << 1 << QByteArray("HTTP/1.1 502");
    QTest::newRow("tunnel to no server") << "connect-nowhere"
                                         << "direct" << 1 << QByteArray("HTTP/1.1 502");
    QTest::newRow("half-closed") << "half"
                                 << "direct" << 10 << QByteArray();
    QTest::newRow("head without end") << "endless"
                                      << "direct" << 1 << QByteArray();
}

void TestProxies::routing()
{
    QFETCH(QString, request);
    QFETCH(QString, route);
    QFETCH(int, clients);
    QFETCH(QByteArray, answer);
    const QByteArray big(3 * 1024 * 1024 + 17, 'z');
    m_server->route("/big", "application/octet-stream", big);
    RoutingProxy::SetResolver([](const QString& host) {
        return host.endsWith(".example") ? QList<QHostAddress>{QHostAddress::LocalHost}
                                         : QList<QHostAddress>{};
    });
    auto router = std::make_unique<RoutingProxy>();
    QVERIFY(router->Port() != 0);
    RoutingProxy::Routes routes;
    if (route != "direct") {
        routes.access = ProxyRecord::Access::Named;
        routes.upstream = {QStringLiteral("127.0.0.1"),
                           route == "proxy" ? m_proxy->port() : m_deadPort};
    }
    router->SetRoutes(routes);
    const QByteArray authority =
        (request == "connect-nowhere" ? "nowhere.invalid:" : "www.example:") +
        QByteArray::number(m_server->port());
    QByteArray sent;
    if (request.startsWith("connect"))
        sent = "CONNECT " + authority + " HTTP/1.1\r\nHost: " + authority + "\r\n\r\n";
    else if (request == "endless")
        sent = "GET http://" + authority + "/big HTTP/1.1\r\n" + QByteArray(70000, 'h');
    else
        sent = "GET http://" + authority + "/big HTTP/1.1\r\nHost: " + authority +
               "\r\nProxy-Connection: keep-alive\r\n\r\n";
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int i = 0; i < clients; ++i) {
        auto socket = std::make_unique<QTcpSocket>();
        socket->setProxy(QNetworkProxy::NoProxy);
        socket->connectToHost(QHostAddress::LocalHost, router->Port());
        QVERIFY(socket->waitForConnected(15000));
        socket->write(sent);
        QVERIFY(socket->waitForBytesWritten(15000));
        if (request == "half")
            ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
        sockets.push_back(std::move(socket));
    }
    // A tunnel stays open once answered.
    const bool open = request == "connect" || request == "connect-retired";
    for (auto& socket : sockets) {
        QByteArray got;
        QTRY_VERIFY_WITH_TIMEOUT(
            (got += socket->readAll(), socket->state() == QAbstractSocket::UnconnectedState ||
                                           (open && got.endsWith("\r\n\r\n"))),
            30000);
        QVERIFY2(got.startsWith(answer), got.left(80).constData());
        if (answer.isEmpty())
            QVERIFY(got.isEmpty());
        if (request == "get" && route == "direct") {
            QVERIFY(got.endsWith(big));
            const QByteArray head = got.left(got.indexOf("\r\n\r\n") + 2).toLower();
            QVERIFY(head.contains("connection: close\r\n"));
        }
        if (request == "connect-retired") {
            // The engine would reuse a tunnel made the old way.
            router->SetRoutes(routes);
            QTRY_COMPARE_WITH_TIMEOUT(socket->state(), QAbstractSocket::UnconnectedState, 30000);
        }
        if (request == "connect" && route == "direct") {
            // The tunnel carries the engine's own request on to the server.
            socket->write("GET /big HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
            got.clear();
            QTRY_VERIFY_WITH_TIMEOUT(
                (got += socket->readAll(), socket->state() == QAbstractSocket::UnconnectedState),
                30000);
            QVERIFY(got.startsWith("HTTP/1.1 200") && got.endsWith(big));
        }
    }
    if (request == "get" && route == "direct") {
        // One request per connection, in origin form, with no word for proxies.
        QCOMPARE(m_server->requestCount("/big"), clients);
        const HttpServer::Request first = m_server->requestsFor("/big").constFirst();
        QCOMPARE(first.target, QByteArray("/big"));
        QCOMPARE(first.header("Connection"), QByteArray("close"));
        QVERIFY(first.header("Proxy-Connection").isNull());
    }
    if (route == "proxy") {
        QCOMPARE(m_proxy->targets().size(), clients);
        QCOMPARE(m_proxy->targets().constFirst(), "http://" + authority + "/big");
    }
    sockets.clear();
    QTRY_COMPARE_WITH_TIMEOUT(router->OpenConnections(), 0, 30000);
}

void TestProxies::bypassedPages_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("bypas");
    QTest::addColumn<QByteArray>("local");
    QTest::addColumn<QString>("host");
    QTest::addColumn<bool>("proxied");
    const int proxy1 = ToInt(CommandId::Proxy1);
    const int desktop = ToInt(CommandId::ProxySystem);
    QTest::newRow("listed") << proxy1 << QByteArray("x.jp;*.bypass.example") << QByteArray("0")
                            << "www.bypass.example" << false;
    QTest::newRow("not listed") << proxy1 << QByteArray("x.jp;*.bypass.example") << QByteArray("0")
                                << "proxied.example" << true;
    QTest::newRow("local, name with a dot")
        << proxy1 << QByteArray() << QByteArray("1") << "proxied.example" << true;
    QTest::newRow("desktop, no_proxy")
        << desktop << QByteArray() << QByteArray("0") << "www.bypass.example" << false;
    QTest::newRow("desktop, not in no_proxy")
        << desktop << QByteArray() << QByteArray("0") << "proxied.example" << true;
}

void TestProxies::bypassedPages()
{
    QFETCH(int, command);
    QFETCH(QByteArray, bypas);
    QFETCH(QByteArray, local);
    QFETCH(QString, host);
    QFETCH(bool, proxied);
    RoutingProxy::SetResolver([](const QString& name) {
        return name.endsWith(".example") || name == "intranet"
                   ? QList<QHostAddress>{QHostAddress::LocalHost}
                   : QList<QHostAddress>{};
    });
    qputenv("http_proxy", "http://127.0.0.1:" + QByteArray::number(m_proxy->port()));
    qputenv("no_proxy", ".bypass.example");
    QVERIFY(Open());
    Settings("proxy.ini", ProxyIniWith("127.0.0.1", "@") + "[Proxy_access]\r\nlocal=" + local +
                              "\r\n[Proxy_set]\r\nbypas=" + bypas + "\r\n");
    m_frame->SendCommand(command);
    QVERIFY(m_boxes.isEmpty());
    const QString address = QStringLiteral("http://%1:%2/a").arg(host).arg(m_server->port());
    CZelvoView* view = m_frame->ActiveZelvoView();
    view->Navigate2(address);
    QTRY_VERIFY_WITH_TIMEOUT(view->GetLocationURL() == address && !view->GetBusy(), 30000);
    QCOMPARE(view->GetLocationName(), proxied ? QStringLiteral("Proxied") : QStringLiteral("A"));
    QCOMPARE(m_proxy->targets().contains(address.toUtf8()), proxied);
    QCOMPARE(m_server->requestCount("/a"), proxied ? 0 : 1);
}

void TestProxies::cgiAddress_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("cgiCommand");
    QTest::addColumn<QString>("address");
    const QString prefix = QStringLiteral("http://cgi.example/p.cgi?");
    QTest::newRow("http") << "http://a.jp/x" << kRewrite << prefix + "http/a.jp/x";
    QTest::newRow("http twice") << "http://a.jp/?u=http://b.jp/" << kRewrite
                                << prefix + "http/a.jp/?u=http/b.jp/";
    QTest::newRow("https") << "https://a.jp/" << kRewrite << prefix + "https/a.jp/";
    QTest::newRow("http wins over https")
        << "https://a.jp/?u=http://b/" << kRewrite << prefix + "https://a.jp/?u=http/b/";
    QTest::newRow("ftp") << "ftp://f.jp/" << kRewrite << prefix + "ftp/f.jp/";
    QTest::newRow("gopher") << "gopher://g.jp/" << kRewrite << prefix + "gopher/g.jp/";
    QTest::newRow("mail link: nothing") << "mailto:a@b.jp" << kRewrite << "";
    QTest::newRow("upper-case scheme: nothing") << "HTTP://A.JP/" << kRewrite << "";
    QTest::newRow("kept: https") << "https://a.jp/" << kKeep << prefix + "https://a.jp/";
    QTest::newRow("kept: mail link") << "mailto:a@b.jp" << kKeep << prefix + "mailto:a@b.jp";
    QTest::newRow("kept: text CP932 lacks")
        << "http://ü.de/😀/简体" << kKeep + 1 << prefix + "http://ü.de/😀/简体";
    QTest::newRow("cut at 1039") << "http://" + QString(1100, QLatin1Char('x')) << kRewrite
                                 << (prefix + "http/" + QString(1100, QLatin1Char('x'))).left(1039);
}

void TestProxies::cgiAddress()
{
    QFETCH(QString, target);
    QFETCH(int, cgiCommand);
    QFETCH(QString, address);
    QCOMPARE(CgiProxy::Address(target, QStringLiteral("http://cgi.example/p.cgi?"), cgiCommand),
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
    QTest::newRow("proxy that does not answer")
        << QList<int>{direct, ToInt(CommandId::Proxy1)} << QByteArray("127.0.0.1")
        << QByteArray("!") << false << 1 << ""
        << "";
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

void TestProxies::freshStart_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<bool>("proxied");
    QTest::newRow("proxy 1") << QByteArray("1") << true;
    QTest::newRow("direct") << QByteArray("0") << false;
}

void TestProxies::freshStart()
{
    QFETCH(QByteArray, setting);
    QFETCH(bool, proxied);
    Settings("proxy.ini",
             ProxyIniWith("127.0.0.1", "@") + "[proxy_command]\r\nsetting=" + setting + "\r\n");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ZELVO_HOME", m_home->path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Its first page is the far one: the start ends once that is shown.
    env.insert("ZELVO_HOMEPAGE", kFarPage);
    env.insert("ZELVO_EXIT_AFTER", "loaded");
    env.insert("DISPLAY",
               QStringLiteral(":zelvo-proxies-%1").arg(QCoreApplication::applicationPid()));
    QProcess zelvo;
    zelvo.setProcessEnvironment(env);
    zelvo.start(ZELVO_BINARY, {});
    QTRY_VERIFY_WITH_TIMEOUT(zelvo.state() == QProcess::NotRunning, 60000);
    QCOMPARE(zelvo.readAllStandardOutput(), QByteArray("loaded\n"));
    QCOMPARE(m_proxy->targets(),
             proxied ? QList<QByteArray>{kFarPage.toUtf8()} : QList<QByteArray>{});
}

void TestProxies::userAgent_data()
{
    QTest::addColumn<QByteArray>("atStart");
    // Null: the file is left as it is.
    QTest::addColumn<QByteArray>("later");
    QTest::addColumn<bool>("refresh");
    // Empty: the engine's own.
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("stored at start")
        << QByteArray("ZelvoTest/1.0") << QByteArray() << false << QByteArray("ZelvoTest/1.0");
    QTest::newRow("none stored") << QByteArray() << QByteArray() << false << QByteArray();
    QTest::newRow("changed, then refreshed") << QByteArray() << QByteArray("ZelvoTest/2.0 (later)")
                                             << true << QByteArray("ZelvoTest/2.0 (later)");
    QTest::newRow("emptied, then refreshed")
        << QByteArray("ZelvoTest/1.0") << QByteArray("") << true << QByteArray();
}

void TestProxies::userAgent()
{
    QFETCH(QByteArray, atStart);
    QFETCH(QByteArray, later);
    QFETCH(bool, refresh);
    QFETCH(QByteArray, sent);
    const QByteArray own = EngineProfile::DefaultUserAgent().toUtf8();
    if (sent.isEmpty())
        sent = own;
    Settings("Security.ini", "[Security]\r\nuser_agent=" + atStart + "\r\n");
    QVERIFY(Open());
    QCOMPARE(m_server->requestsFor("/home").constLast().header("User-Agent"),
             atStart.isEmpty() ? own : atStart);
    if (!later.isNull())
        Settings("Security.ini", "[Security]\r\nuser_agent=" + later + "\r\n");
    const int before = m_server->requestCount("/home");
    if (refresh)
        m_frame->SendCommand(CommandId::UpdateUserAgent);
    else
        m_frame->ActiveZelvoView()->Refresh();
    QTRY_COMPARE_WITH_TIMEOUT(m_server->requestCount("/home"), before + 1, 15000);
    QCOMPARE(m_server->requestsFor("/home").constLast().header("User-Agent"), sent);
    // A tab opened later sends the same.
    QVERIFY(OpenNewTab(*m_frame, m_server->url("/a").toString()));
    QTRY_COMPARE_WITH_TIMEOUT(m_server->requestCount("/a"), 1, 15000);
    QCOMPARE(m_server->requestsFor("/a").constLast().header("User-Agent"), sent);
}

void TestProxies::connectedState()
{
    QVERIFY(Open());
    auto checks = [this] {
        return std::make_pair(m_frame->CommandState(CommandId::Online).check,
                              m_frame->CommandState(CommandId::Offline).check);
    };
    QCOMPARE(checks(), std::make_pair(1, 0));
    m_frame->SendCommand(CommandId::Online);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("既にオンラインです。"));
    QCOMPARE(m_boxes[0].caption, QStringLiteral("Zelvo"));

    m_frame->SendCommand(CommandId::Offline);
    QCOMPARE(checks(), std::make_pair(0, 1));
    CZelvoView* view = m_frame->ActiveZelvoView();
    const QString a = m_server->url("/a").toString();
    view->Navigate2(a);
    QTRY_VERIFY_WITH_TIMEOUT(view->GetLocationURL() == a && !view->GetBusy(), 15000);
    QVERIFY(OpenNewTab(*m_frame, a));
    QVERIFY(WaitTabsIdle(*m_frame));
    QCOMPARE(m_server->requestCount("/a"), 0);
    // Local files still open.
    m_home->write("local.html", Page("Local"));
    CZelvoView* second = m_frame->ActiveZelvoView();
    second->Navigate2(m_home->file("local.html"));
    QTRY_COMPARE_WITH_TIMEOUT(second->GetLocationName(), QStringLiteral("Local"), 15000);
    m_frame->SendCommand(CommandId::Offline);
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[1].text, QStringLiteral("既にオフラインです。"));

    m_frame->SendCommand(CommandId::Online);
    QCOMPARE(checks(), std::make_pair(1, 0));
    QCOMPARE(m_boxes.size(), 2);
    view->Refresh();
    QTRY_COMPARE_WITH_TIMEOUT(m_server->requestCount("/a"), 1, 15000);
    QTRY_COMPARE_WITH_TIMEOUT(view->GetLocationName(), QStringLiteral("A"), 15000);
}

void TestProxies::cgiConnect_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("cgiCommand");
    // Empty: no page is opened.
    QTest::addColumn<QByteArray>("reached");
    QTest::newRow("rewritten") << "http://zelvo-far.test/x?u=http://b/" << kRewrite
                               << QByteArray("/cgi/http/zelvo-far.test/x?u=http/b/");
    QTest::newRow("kept") << "https://zelvo-far.test/x" << kKeep
                          << QByteArray("/cgi/https://zelvo-far.test/x");
    QTest::newRow("mail link") << "mailto:a@b.jp" << kRewrite << QByteArray();
}

void TestProxies::cgiConnect()
{
    QFETCH(QString, typed);
    QFETCH(int, cgiCommand);
    QFETCH(QByteArray, reached);
    Settings("Security.ini", "[Security]\r\ncgi_proxy=" + m_server->url("/cgi/").toEncoded() +
                                 "\r\ncgi_command=" + QByteArray::number(cgiCommand) + "\r\n");
    QVERIFY(Open());
    m_frame->m_wndAddressBar->setEditText(typed);
    m_frame->SendCommand(CommandId::CgiProxyConnect);
    CZelvoView* view = m_frame->ActiveZelvoView();
    if (reached.isEmpty()) {
        // Whatever the command started would come before this page.
        view->Navigate2(m_server->url("/a").toString());
        QTRY_COMPARE_WITH_TIMEOUT(view->GetLocationName(), QStringLiteral("A"), 15000);
    } else {
        auto arrived = [&] {
            for (const HttpServer::Request& request : m_server->requests())
                if (request.target == reached)
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(arrived(), 15000);
    }
    for (const HttpServer::Request& request : m_server->requests())
        QVERIFY(request.target == reached || !request.target.startsWith("/cgi/"));
}

void TestProxies::proxyDialog_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QByteArray>("after");
    const QByteArray p1 = "[Proxy1]\r\nhost=p1\r\nport=81\r\n";
    const QByteArray p2 = "[Proxy2]\r\nhost=p2\r\nport=82\r\n";
    const QByteArray p3 = "[Proxy3]\r\nhost=p3\r\nport=83\r\n";
    // The start wrote the mode it restored.
    const QByteArray mode = "[proxy_command]\r\nsetting=0\r\n";
    const QByteArray rest = "[Proxy_access]\r\nlocal=1\r\n[Proxy_set]\r\nbypas=a;b\r\n" + mode;
    QTest::newRow("OK") << "ok" << p1 + p2 + p3 + rest;
    QTest::newRow("edits, Cancel") << "edit1,cancel" << p1 + p2 + p3 + rest;
    QTest::newRow("clear 2, Cancel") << "clear2,cancel" << p1 + p3 + rest;
    QTest::newRow("clear 3 refused, OK") << "keep3,ok" << p1 + p2 + p3 + rest;
    QTest::newRow("port 3 emptied, OK") << "noport3,ok" << p1 + p2 + p3 + rest;
    QTest::newRow("edits, OK") << "edit1,ok"
                               << "[Proxy1]\r\nhost=proxy.example.jp\r\nport=8081\r\n" + p2 + p3 +
                                      "[Proxy_access]\r\nlocal=0\r\n[Proxy_set]\r\nbypas=\r\n" +
                                      mode;
}

void TestProxies::proxyDialog()
{
    QFETCH(QString, steps);
    QFETCH(QByteArray, after);
    const QByteArray before = "[Proxy1]\r\nhost=p1\r\nport=81\r\n[Proxy2]\r\nhost=p2\r\nport=82\r\n"
                              "[Proxy3]\r\nhost=p3\r\nport=83\r\n[Proxy_access]\r\nlocal=1\r\n"
                              "[Proxy_set]\r\nbypas=a;b\r\n[proxy_command]\r\nsetting=0\r\n";
    Settings("proxy.ini", before);
    QVERIFY(Open());
    QStringList shown;
    QColor background;
    QByteArray afterClear;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<CProxyDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        background = dialog->palette().color(QPalette::Window);
        shown << dialog->windowTitle();
        for (int n = 1; n <= 3; ++n)
            shown << dialog->HostEdit(n)->text() + ":" + dialog->PortEdit(n)->text();
        shown << dialog->BypassEdit()->text()
              << (dialog->LocalCheck()->isChecked() ? "local" : "not local");
        const QStringList list = steps.split(QLatin1Char(','));
        if (list[0] == "edit1") {
            dialog->HostEdit(1)->setText("proxy.example.jp");
            dialog->PortEdit(1)->setText("8081");
            dialog->BypassEdit()->clear();
            dialog->LocalCheck()->setChecked(false);
        } else if (list[0] == "clear2" || list[0] == "keep3") {
            const int n = list[0] == "clear2" ? 2 : 3;
            m_answer = n == 2 ? MbAnswer::Yes : MbAnswer::No;
            dialog->ClearButton(n)->click();
            shown << dialog->HostEdit(n)->text() + ":" + dialog->PortEdit(n)->text();
            afterClear = m_home->read("proxy.ini");
        } else if (list[0] == "noport3") {
            dialog->HostEdit(3)->setText("changed");
            dialog->PortEdit(3)->clear();
        }
        dialog->findChild<QPushButton*>(list.constLast() == "ok" ? "IDOK" : "IDCANCEL")->click();
    });
    m_frame->SendCommand(CommandId::ProxySettings);
    QCOMPARE(background, QColor(0xFD, 0xF5, 0xE6));
    QCOMPARE(shown.mid(0, 6),
             (QStringList{"プロキシ設定", "p1:81", "p2:82", "p3:83", "a;b", "local"}));
    QCOMPARE(m_home->read("proxy.ini"), after);
    if (steps.startsWith("clear2") || steps.startsWith("keep3")) {
        const bool cleared = steps.startsWith("clear2");
        QCOMPARE(shown.value(6), cleared ? QStringLiteral(":") : QStringLiteral("p3:83"));
        // The clear button does not wait for OK.
        QCOMPARE(afterClear, cleared ? after : before);
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes[0].text, cleared ? QStringLiteral("プロキシ２データを削除しますか？")
                                          : QStringLiteral("プロキシ３データを削除しますか？"));
        QCOMPARE(m_boxes[0].caption, QStringLiteral("確認"));
        QCOMPARE(m_boxes[0].buttons, MbButtons::YesNo);
    } else {
        QVERIFY(m_boxes.isEmpty());
    }
}

void TestProxies::cgiPage_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("after");
    QTest::newRow("rewrite stored, keep clicked") << kRewrite << "keep" << kKeep;
    QTest::newRow("keep stored, rewrite clicked") << kKeep << "rewrite" << kRewrite;
    QTest::newRow("keep stored, rewrite clicked twice") << kKeep << "rewrite,rewrite" << kRewrite;
    QTest::newRow("unknown value, nothing clicked") << kKeep + 1 << "" << kKeep + 1;
}

void TestProxies::cgiPage()
{
    QFETCH(int, stored);
    QFETCH(QString, click);
    QFETCH(int, after);
    Settings("cgi_proxy.ini", "[Proxy]\r\ncount=2\r\n1=http://c1/\r\n2=http://c2/\r\n");
    Settings("Security.ini", "[Security]\r\ncgi_proxy=http://c2/\r\ncgi_command=" +
                                 QByteArray::number(stored) + "\r\n");
    QList<int> sent;
    CSetCgi page([&sent](int id) { sent.append(id); });
    QComboBox* box = page.AddressBox();
    QStringList rows;
    for (int i = 0; i < box->count(); ++i)
        rows << box->itemText(i);
    QCOMPARE(rows, (QStringList{"", "http://c1/", "http://c2/"}));
    QCOMPARE(box->currentText(), QStringLiteral("http://c2/"));
    QCOMPARE(page.RewriteCheck()->isChecked(), stored == 0);
    QCOMPARE(page.KeepCheck()->isChecked(), stored == 1);
    for (const QString& which : click.split(QLatin1Char(','), Qt::SkipEmptyParts))
        QTest::mouseClick(which == "keep" ? page.KeepCheck() : page.RewriteCheck(), Qt::LeftButton);
    QCOMPARE(page.RewriteCheck()->isChecked(), after == 0);
    QCOMPARE(page.KeepCheck()->isChecked(), after == 1);

    // Added at once, under the next key; "0" stays as it was.
    box->setEditText(QStringLiteral("http://新しい/ü😀/"));
    m_answer = MbAnswer::Yes;
    page.AddButton()->click();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("http://新しい/ü😀/"));
    QCOMPARE(m_boxes[0].caption, QStringLiteral("下記のアドレスを追加しますか？"));
    QCOMPARE(m_home->read("cgi_proxy.ini"),
             QByteArray("[Proxy]\r\ncount=3\r\n1=http://c1/\r\n2=http://c2/\r\n3=http://") +
                 QByteArray("\x90\x56\x82\xb5\x82\xa2", 6) + "/?\?/\r\n");
    m_answer = MbAnswer::No;
    page.AddButton()->click();
    QCOMPARE(ProxyIni::CgiProxies().size(), 4);

    page.ProxyButton()->click();
    QCOMPARE(sent, QList<int>{ToInt(CommandId::ProxySettings)});
    box->setEditText(QStringLiteral("http://c1/"));
    page.OnOK();
    QCOMPARE(m_home->read("Security.ini"), "[Security]\r\ncgi_proxy=http://c1/\r\ncgi_command=" +
                                               QByteArray::number(after) + "\r\n");
}

void TestProxies::userAgentPage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("refreshed");
    QTest::newRow("OK") << "ZelvoTest/3.0"
                        << "IDOK" << QByteArray("ZelvoTest/3.0") << true;
    QTest::newRow("OK, empty") << ""
                               << "IDOK" << QByteArray("") << false;
    QTest::newRow("Cancel") << "ZelvoTest/3.0"
                            << "IDCANCEL" << QByteArray("old") << false;
}

void TestProxies::userAgentPage()
{
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(QByteArray, stored);
    QFETCH(bool, refreshed);
    Settings("Security.ini", "[Security]\r\nuser_agent=old\r\n");
    QList<int> sent;
    CSetUserAgent* page = nullptr;
    CTreePropSheet dialog(QStringLiteral("Zelvo の設定"));
    dialog.AddPage<CSetUserAgent>(QStringLiteral("USER_AGENT"), [&] {
        return page = new CSetUserAgent([&sent](int id) { sent.append(id); });
    });
    dialog.show();
    QVERIFY(page);
    QComboBox* box = page->AgentBox();
    // The shipped list: an empty row, then the agents.
    QCOMPARE(box->count(), ProxyIni::UserAgents().size());
    QVERIFY(box->count() > 1);
    QCOMPARE(box->itemText(0), QString());
    QVERIFY(box->itemText(1).startsWith("Mozilla/5.0"));
    QCOMPARE(box->currentText(), QStringLiteral("old"));
    box->setEditText(text);
    dialog.findChild<QPushButton*>(button)->click();
    QCOMPARE(SecurityIni::UserAgent().toUtf8(), stored);
    QCOMPARE(sent, refreshed ? QList<int>{ToInt(CommandId::UpdateUserAgent)} : QList<int>{});
}

QTEST_MAIN(TestProxies)
#include "tst_proxies.moc"
