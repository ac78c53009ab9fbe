#include "view/RoutingProxy.h"

#include "view/RoutedConnection.h"

#include <QNetworkProxyFactory>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace {

QMutex g_resolverLock;
RoutingProxy::Resolver g_resolver;

// The desktop's proxy for an address: the first one this program can use.
QNetworkProxy DesktopRoute(const QString& scheme, const QString& host, quint16 port)
{
    QUrl url;
    url.setScheme(scheme);
    url.setHost(host);
    url.setPort(port);
    const QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    for (const QNetworkProxy& proxy : proxies) {
        switch (proxy.type()) {
        case QNetworkProxy::NoProxy:
            return proxy;
        case QNetworkProxy::HttpProxy:
        case QNetworkProxy::HttpCachingProxy:
        case QNetworkProxy::Socks5Proxy:
            if (!proxy.hostName().isEmpty() && proxy.port() != 0)
                return proxy;
            break;
        default:
            break;
        }
    }
    return QNetworkProxy(QNetworkProxy::NoProxy);
}

} // namespace

RoutingProxy::RoutingProxy()
{
    m_context.moveToThread(&m_thread);
    m_thread.start();
    QMetaObject::invokeMethod(
        &m_context, [this] { Listen(); }, Qt::BlockingQueuedConnection);
}

RoutingProxy::~RoutingProxy()
{
    QMetaObject::invokeMethod(
        &m_context,
        [this] {
            delete m_server;
            qDeleteAll(m_context.findChildren<RoutedConnection*>(Qt::FindDirectChildrenOnly));
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void RoutingProxy::Listen()
{
    m_server = new QTcpServer;
    m_server->setProxy(QNetworkProxy::NoProxy);
    QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this] {
        auto router = [this](const QString& scheme, const QString& host, quint16 port) {
            return RouteFor(scheme, host, port);
        };
        while (QTcpSocket* client = m_server->nextPendingConnection())
            new RoutedConnection(client, router, &RoutingProxy::Resolve, &m_context);
    });
    if (m_server->listen(QHostAddress::LocalHost, 0))
        m_port = m_server->serverPort();
}

void RoutingProxy::SetRoutes(const Routes& routes)
{
    {
        QMutexLocker lock(&m_lock);
        m_routes = routes;
    }
    QMetaObject::invokeMethod(
        &m_context,
        [this] {
            for (RoutedConnection* connection :
                 m_context.findChildren<RoutedConnection*>(Qt::FindDirectChildrenOnly))
                connection->Retire();
        },
        Qt::BlockingQueuedConnection);
}

QNetworkProxy RoutingProxy::RouteFor(const QString& scheme, const QString& host, quint16 port) const
{
    Routes routes;
    {
        QMutexLocker lock(&m_lock);
        routes = m_routes;
    }
    switch (routes.access) {
    case ProxyRecord::Access::Named:
        if (routes.bypass.Bypasses(scheme, host, port))
            break;
        return QNetworkProxy(QNetworkProxy::HttpProxy, routes.upstream.host, routes.upstream.port);
    case ProxyRecord::Access::Preconfig:
        return DesktopRoute(scheme, host, port);
    case ProxyRecord::Access::Direct:
        break;
    }
    return QNetworkProxy(QNetworkProxy::NoProxy);
}

void RoutingProxy::SetResolver(Resolver resolver)
{
    QMutexLocker lock(&g_resolverLock);
    g_resolver = std::move(resolver);
}

QList<QHostAddress> RoutingProxy::Resolve(const QString& host)
{
    QMutexLocker lock(&g_resolverLock);
    return g_resolver ? g_resolver(host) : QList<QHostAddress>();
}

int RoutingProxy::OpenConnections() const
{
    int count = 0;
    QMetaObject::invokeMethod(
        const_cast<QObject*>(&m_context),
        [this, &count] {
            count =
                int(m_context.findChildren<RoutedConnection*>(Qt::FindDirectChildrenOnly).size());
        },
        Qt::BlockingQueuedConnection);
    return count;
}
