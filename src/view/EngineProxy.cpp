#include "view/EngineProxy.h"

#include "view/ConnectionGate.h"
#include "view/EngineProfile.h"
#include "view/RoutingProxy.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>

#include <atomic>

namespace {

// How long a proxy change waits at most for its throwaway request; the
// request goes to this process on the loopback address, so it comes at once
// unless the engine is wedged.
constexpr int kNudgeWaitMs = 5000;

// Sends a page request to a server of its own on the loopback address, which
// never goes through a proxy but makes the engine read the proxy anew. The
// server answers from a thread of its own, so that the wait for it can leave
// every other connection of the program (a second start's hand-over, say)
// for later: a command that runs while the first tab is being made must not
// let another one in.
class ProxyNudge {
public:
    ProxyNudge()
    {
        m_context.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_context, [this] { Listen(); }, Qt::BlockingQueuedConnection);
    }

    ~ProxyNudge()
    {
        delete m_page;
        QMetaObject::invokeMethod(
            &m_context, [this] { delete m_server; }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

    void Send()
    {
        if (m_port == 0)
            return;
        if (!m_page)
            m_page = new QWebEnginePage(EngineProfile::Instance());
        const QUrl url(
            QStringLiteral("http://127.0.0.1:%1/proxy-change/%2").arg(m_port).arg(++m_serial));
        ConnectionGate::SetExempt(url);
        const int before = m_seen;
        QEventLoop loop;
        m_loop = &loop;
        QTimer::singleShot(kNudgeWaitMs, &loop, &QEventLoop::quit);
        m_page->load(url);
        if (m_seen == before)
            loop.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
        m_loop = nullptr;
    }

private:
    // In the server's thread.
    void Listen()
    {
        m_server = new QTcpServer;
        m_server->setProxy(QNetworkProxy::NoProxy);
        if (m_server->listen(QHostAddress::LocalHost, 0))
            m_port = m_server->serverPort();
        QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this] { Answer(); });
    }

    void Answer()
    {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            socket->write("HTTP/1.1 204 No Content\r\nContent-Length: 0\r\n"
                          "Connection: close\r\n\r\n");
            socket->disconnectFromHost();
        }
        ++m_seen;
        QMetaObject::invokeMethod(
            qApp,
            [this] {
                if (m_loop)
                    m_loop->quit();
            },
            Qt::QueuedConnection);
    }

    QThread m_thread;
    QObject m_context;
    QTcpServer* m_server = nullptr;
    std::atomic<quint16> m_port{0};
    std::atomic<int> m_seen{0};
    QEventLoop* m_loop = nullptr;
    QWebEnginePage* m_page = nullptr;
    int m_serial = 0;
};

ProxyNudge* g_nudge = nullptr;
RoutingProxy* g_router = nullptr;
// Whether the engine is sent to the routing proxy.
bool g_routed = false;

void Nudge()
{
    if (!g_nudge)
        g_nudge = new ProxyNudge;
    g_nudge->Send();
}

RoutingProxy* Router()
{
    if (!g_router)
        g_router = new RoutingProxy;
    return g_router;
}

// With no proxy named by the desktop there is nothing to route, and the
// engine goes straight rather than through the routing proxy's extra hop.
bool DesktopNamesAProxy()
{
    for (const char* probe : {"http://zelvo-probe.invalid/", "https://zelvo-probe.invalid/"})
        for (const QNetworkProxy& proxy :
             QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(QUrl(probe))))
            if (proxy.type() != QNetworkProxy::NoProxy &&
                proxy.type() != QNetworkProxy::DefaultProxy)
                return true;
    return false;
}

std::optional<RoutingProxy::Routes> RoutesOf(const ProxyRecord& record)
{
    RoutingProxy::Routes routes;
    routes.access = record.access;
    if (record.access == ProxyRecord::Access::Named) {
        const std::optional<ProxyEndpoint> endpoint = ProxySettings::Endpoint(record.proxy);
        if (!endpoint)
            return std::nullopt;
        routes.upstream = *endpoint;
        routes.bypass = ProxyBypass(record.bypass);
    }
    return routes;
}

} // namespace

namespace EngineProxy {

bool Apply(const ProxyRecord& record)
{
    const bool routed = record.access == ProxyRecord::Access::Named ||
                        (record.access == ProxyRecord::Access::Preconfig && DesktopNamesAProxy());
    if (routed) {
        const std::optional<RoutingProxy::Routes> routes = RoutesOf(record);
        if (!routes || Router()->Port() == 0)
            return false;
        Router()->SetRoutes(*routes);
    }
    // The engine takes no list of addresses that bypass its proxy, so in a
    // proxy mode it goes to the routing proxy, which picks the way. It still
    // sends loopback addresses and names without a dot straight by itself.
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(
        routed
            ? QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), Router()->Port())
            : QNetworkProxy(QNetworkProxy::NoProxy));
    const bool changed = routed != g_routed;
    g_routed = routed;
    // A change of routes alone reaches the next request at once; a change of
    // the engine's own proxy only the one after it. A start's first mode
    // needs no throwaway request, and waiting for one there would only hold
    // the first window back.
    if (changed && ConnectionGate::EngineHasRequested())
        Nudge();
    return true;
}

void Release()
{
    delete g_nudge;
    g_nudge = nullptr;
    delete g_router;
    g_router = nullptr;
}

} // namespace EngineProxy
