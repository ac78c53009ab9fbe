#pragma once

#include "security/ProxyBypass.h"
#include "security/ProxySettings.h"

#include <QHostAddress>
#include <QMutex>
#include <QNetworkProxy>
#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>

class QTcpServer;

// A proxy of the program's own on the loopback address. The engine takes one
// proxy for every request and no list of addresses that bypass it, so while a
// proxy mode is on it sends everything here, and this one picks the way per
// request: straight to the page's server, or on to the mode's proxy. It runs
// in a thread of its own, never holding up the windows.
class RoutingProxy {
public:
    // The way of a connection mode.
    struct Routes {
        ProxyRecord::Access access = ProxyRecord::Access::Direct;
        ProxyEndpoint upstream;
        ProxyBypass bypass;
    };
    // Addresses for a host name; none leaves the name to the system.
    using Resolver = std::function<QList<QHostAddress>(const QString& host)>;

    RoutingProxy();
    ~RoutingProxy();
    RoutingProxy(const RoutingProxy&) = delete;
    RoutingProxy& operator=(const RoutingProxy&) = delete;

    // 0 when it could not listen.
    quint16 Port() const { return m_port; }

    // Connections open before the change that tunnel to one host are closed
    // as soon as they are quiet: the engine would otherwise reuse them.
    void SetRoutes(const Routes& routes);
    // The proxy a request for that address takes (NoProxy: straight there).
    QNetworkProxy RouteFor(const QString& scheme, const QString& host, quint16 port) const;

    // Names the system cannot resolve; tests map theirs to the loopback address.
    static void SetResolver(Resolver resolver);

    // Connections still open.
    int OpenConnections() const;

private:
    void Listen();
    static QList<QHostAddress> Resolve(const QString& host);

    QThread m_thread;
    QObject m_context;
    QTcpServer* m_server = nullptr;
    std::atomic<quint16> m_port{0};
    mutable QMutex m_lock;
    Routes m_routes;
};
