#include "view/EngineProxy.h"

#include "view/ConnectionGate.h"
#include "view/EngineProfile.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWebEnginePage>

namespace {

// How long a proxy change waits at most for its throwaway request; the
// request goes to this process on the loopback address, so it comes at once
// unless the engine is wedged.
constexpr int kNudgeWaitMs = 5000;

// Sends a page request to a server of its own on the loopback address, which
// never goes through a proxy but makes the engine read the proxy anew.
class ProxyNudge : public QObject {
public:
    ProxyNudge()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, &ProxyNudge::Answer);
    }

    ~ProxyNudge() override { delete m_page; }

    void Send()
    {
        if (!m_server.isListening())
            return;
        if (!m_page)
            m_page = new QWebEnginePage(EngineProfile::Instance());
        const QUrl url(QStringLiteral("http://127.0.0.1:%1/proxy-change/%2")
                           .arg(m_server.serverPort())
                           .arg(++m_serial));
        ConnectionGate::SetExempt(url);
        QEventLoop loop;
        const QMetaObject::Connection seen =
            connect(&m_server, &QTcpServer::newConnection, &loop, &QEventLoop::quit);
        QTimer::singleShot(kNudgeWaitMs, &loop, &QEventLoop::quit);
        m_page->load(url);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        disconnect(seen);
    }

private:
    void Answer()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            socket->write("HTTP/1.1 204 No Content\r\nContent-Length: 0\r\n"
                          "Connection: close\r\n\r\n");
            socket->disconnectFromHost();
        }
    }

    QTcpServer m_server;
    QWebEnginePage* m_page = nullptr;
    int m_serial = 0;
};

ProxyNudge* g_nudge = nullptr;

void Nudge()
{
    if (!g_nudge)
        g_nudge = new ProxyNudge;
    g_nudge->Send();
}

} // namespace

namespace EngineProxy {

bool Apply(const ProxyRecord& record)
{
    QNetworkProxy proxy(QNetworkProxy::NoProxy);
    if (record.access == ProxyRecord::Access::Named) {
        const std::optional<ProxyEndpoint> endpoint = ProxySettings::Endpoint(record.proxy);
        if (!endpoint)
            return false;
        proxy = QNetworkProxy(QNetworkProxy::HttpProxy, endpoint->host, endpoint->port);
    }
    // With no proxy of its own the engine would otherwise fall back to the
    // desktop's settings.
    QNetworkProxyFactory::setUseSystemConfiguration(false);
    QNetworkProxy::setApplicationProxy(proxy);
    Nudge();
    return true;
}

ProxyRecord SystemRecord()
{
    const QList<QNetworkProxy> proxies = QNetworkProxyFactory::systemProxyForQuery(
        QNetworkProxyQuery(QUrl(QStringLiteral("http://zelvo.invalid/"))));
    ProxyRecord record;
    for (const QNetworkProxy& proxy : proxies) {
        const bool http = proxy.type() == QNetworkProxy::HttpProxy ||
                          proxy.type() == QNetworkProxy::HttpCachingProxy;
        if (http && !proxy.hostName().isEmpty() && proxy.port() != 0) {
            record.access = ProxyRecord::Access::Named;
            record.proxy = proxy.hostName() + QLatin1Char(':') + QString::number(proxy.port());
            break;
        }
    }
    return record;
}

void Release()
{
    delete g_nudge;
    g_nudge = nullptr;
}

} // namespace EngineProxy
