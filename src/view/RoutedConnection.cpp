#include "view/RoutedConnection.h"

#include <QTcpSocket>
#include <QUrl>

namespace {

// A request or response head longer than this is no head the engine sends.
constexpr qsizetype kMaxHead = 64 * 1024;
// Bytes read at once, and the most one side may have waiting to be written
// before the other side is no longer read.
constexpr qint64 kChunk = 64 * 1024;
constexpr qint64 kMaxWaiting = 256 * 1024;
// A server or proxy that takes longer to accept is taken as not answering.
constexpr int kConnectTimeoutMs = 30000;
// A tunnel without traffic for this long carries no transfer.
constexpr int kQuietMs = 500;

const QByteArray kHeadEnd = "\r\n\r\n";

bool IsHopHeader(const QByteArray& line, bool dropAuthorization)
{
    const QByteArray name = line.left(line.indexOf(':')).trimmed().toLower();
    return name == "connection" || name == "proxy-connection" || name == "keep-alive" ||
           (dropAuthorization && name == "proxy-authorization");
}

// The head with its connection headers replaced by "Connection: close".
QByteArray CloseAfterwards(const QByteArray& head, const QByteArray& firstLine,
                           bool dropAuthorization)
{
    const QList<QByteArray> lines = head.left(head.indexOf(kHeadEnd)).split('\n');
    QByteArray result = firstLine + "\r\n";
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].endsWith('\r') ? lines[i].chopped(1) : lines[i];
        if (!line.isEmpty() && !IsHopHeader(line, dropAuthorization))
            result += line + "\r\n";
    }
    return result + "Connection: close\r\n\r\n";
}

// "/path?query" of an absolute URI.
QByteArray OriginForm(const QByteArray& target)
{
    const qsizetype authority = target.indexOf("://") + 3;
    qsizetype rest = target.size();
    for (char c : {'/', '?', '#'}) {
        const qsizetype at = target.indexOf(c, authority);
        if (at >= 0 && at < rest)
            rest = at;
    }
    QByteArray path = target.mid(rest);
    if (const qsizetype hash = path.indexOf('#'); hash >= 0)
        path.truncate(hash);
    return path.startsWith('/') ? path : "/" + path;
}

QTcpSocket* NewSocket(QObject* parent)
{
    auto* socket = new QTcpSocket(parent);
    socket->setProxy(QNetworkProxy::NoProxy);
    socket->setReadBufferSize(kChunk);
    return socket;
}

} // namespace

RoutedConnection::RoutedConnection(QTcpSocket* client, Router router, Resolver resolver,
                                   QObject* parent)
    : QObject(parent), m_client(client), m_router(std::move(router)),
      m_resolver(std::move(resolver))
{
    m_client->setParent(this);
    m_client->setReadBufferSize(kChunk);
    m_lastTraffic.start();
    m_connectTimer.setSingleShot(true);
    m_quietTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, &RoutedConnection::Fail);
    connect(&m_quietTimer, &QTimer::timeout, this, &RoutedConnection::CloseIfQuiet);
    connect(m_client, &QTcpSocket::readyRead, this, [this] {
        Touch();
        if (!m_headRead)
            ReadHead();
        else if (m_connected)
            Pump(m_client, m_server);
    });
    connect(m_client, &QTcpSocket::bytesWritten, this, [this] {
        if (m_connected)
            PumpResponse();
    });
    connect(m_client, &QTcpSocket::disconnected, this, [this] { OnSideClosed(m_client); });
    ReadHead();
}

void RoutedConnection::ReadHead()
{
    m_head += m_client->readAll();
    const qsizetype end = m_head.indexOf(kHeadEnd);
    if (end < 0) {
        if (m_head.size() > kMaxHead)
            Fail();
        return;
    }
    m_headRead = true;
    const QByteArray head = m_head.left(end + kHeadEnd.size());
    // What came after the head goes out after it.
    m_outgoing = m_head.mid(head.size());
    m_head = head;
    if (!ParseHead())
        Fail();
    else
        Open(m_router(m_tunnel ? QStringLiteral("https") : QStringLiteral("http"), m_host, m_port));
}

bool RoutedConnection::ParseHead()
{
    const QList<QByteArray> parts = m_head.left(m_head.indexOf("\r\n")).split(' ');
    if (parts.size() != 3)
        return false;
    m_tunnel = parts[0] == "CONNECT";
    QUrl url;
    if (m_tunnel) {
        url.setScheme(QStringLiteral("https"));
        url.setAuthority(QString::fromLatin1(parts[1]), QUrl::StrictMode);
    } else {
        url = QUrl::fromEncoded(parts[1], QUrl::StrictMode);
        if (url.scheme() != QStringLiteral("http"))
            return false;
    }
    if (!url.isValid() || url.host().isEmpty())
        return false;
    m_host = url.host();
    m_port = quint16(url.port(m_tunnel ? 443 : 80));
    return true;
}

QByteArray RoutedConnection::OutgoingHead() const
{
    if (m_tunnel)
        return m_forwarded ? m_head : QByteArray();
    const QList<QByteArray> parts = m_head.left(m_head.indexOf("\r\n")).split(' ');
    const QByteArray target = m_forwarded ? parts[1] : OriginForm(parts[1]);
    return CloseAfterwards(m_head, parts[0] + ' ' + target + ' ' + parts[2], !m_forwarded);
}

void RoutedConnection::Open(const QNetworkProxy& route)
{
    m_forwarded =
        route.type() == QNetworkProxy::HttpProxy || route.type() == QNetworkProxy::HttpCachingProxy;
    m_outgoing.prepend(OutgoingHead());
    m_head.clear();
    m_server = NewSocket(this);
    connect(m_server, &QTcpSocket::connected, this, &RoutedConnection::OnConnected);
    connect(m_server, &QTcpSocket::errorOccurred, this, [this] {
        if (!m_connected)
            Fail();
    });
    connect(m_server, &QTcpSocket::readyRead, this, [this] {
        Touch();
        PumpResponse();
    });
    connect(m_server, &QTcpSocket::bytesWritten, this, [this] { Pump(m_client, m_server); });
    connect(m_server, &QTcpSocket::disconnected, this, [this] { OnSideClosed(m_server); });
    m_connectTimer.start(kConnectTimeoutMs);
    if (m_forwarded) {
        m_server->connectToHost(route.hostName(), route.port());
        return;
    }
    if (route.type() == QNetworkProxy::Socks5Proxy)
        m_server->setProxy(route);
    const QList<QHostAddress> addresses = m_resolver ? m_resolver(m_host) : QList<QHostAddress>();
    if (!addresses.isEmpty())
        m_server->connectToHost(addresses.first(), m_port);
    else
        m_server->connectToHost(m_host, m_port);
}

void RoutedConnection::OnConnected()
{
    m_connectTimer.stop();
    m_connected = true;
    // A tunnel the engine asked for itself is open now; one through the
    // mode's proxy gets that proxy's answer.
    if (m_tunnel && !m_forwarded)
        m_client->write("HTTP/1.1 200 Connection established\r\n\r\n");
    m_responseHeadDone = m_tunnel;
    m_server->write(m_outgoing);
    m_outgoing.clear();
    Pump(m_client, m_server);
    if (m_client->state() != QAbstractSocket::ConnectedState)
        OnSideClosed(m_client);
}

void RoutedConnection::Fail()
{
    m_connectTimer.stop();
    if (m_server) {
        m_server->disconnect(this);
        m_server->abort();
    }
    // The engine shows its own error page for a tunnel refused or a
    // connection closed without an answer.
    if (m_tunnel && m_client->state() == QAbstractSocket::ConnectedState)
        m_client->write("HTTP/1.1 502 Bad Gateway\r\nContent-Length: 0\r\n"
                        "Connection: close\r\n\r\n");
    m_client->disconnect(this);
    m_client->disconnectFromHost();
    if (m_client->state() == QAbstractSocket::UnconnectedState)
        deleteLater();
    else
        connect(m_client, &QTcpSocket::disconnected, this, &QObject::deleteLater);
}

void RoutedConnection::Pump(QTcpSocket* from, QTcpSocket* to)
{
    while (from->bytesAvailable() > 0 && to->bytesToWrite() < kMaxWaiting)
        to->write(from->read(kChunk));
}

void RoutedConnection::PumpResponse()
{
    if (m_responseHeadDone) {
        Pump(m_server, m_client);
        return;
    }
    m_responseHead += m_server->read(kChunk);
    const qsizetype end = m_responseHead.indexOf(kHeadEnd);
    if (end < 0 && m_responseHead.size() <= kMaxHead &&
        m_server->state() == QAbstractSocket::ConnectedState)
        return;
    m_responseHeadDone = true;
    if (end >= 0) {
        const QByteArray head = m_responseHead.left(end + kHeadEnd.size());
        m_client->write(CloseAfterwards(head, head.left(head.indexOf("\r\n")), false));
        m_client->write(m_responseHead.mid(head.size()));
    } else {
        m_client->write(m_responseHead);
    }
    m_responseHead.clear();
    Pump(m_server, m_client);
}

void RoutedConnection::OnSideClosed(QTcpSocket* side)
{
    if (!m_connected) {
        if (side == m_client)
            Fail();
        return;
    }
    // The other side gets what is left, then is closed as well.
    QTcpSocket* other = side == m_client ? m_server : m_client;
    if (side == m_server)
        PumpResponse();
    while (side->bytesAvailable() > 0)
        other->write(side->read(kChunk));
    if (other->state() == QAbstractSocket::ConnectedState)
        other->disconnectFromHost();
    if (m_client->state() == QAbstractSocket::UnconnectedState &&
        m_server->state() == QAbstractSocket::UnconnectedState)
        deleteLater();
}

void RoutedConnection::Touch()
{
    m_lastTraffic.restart();
    if (m_retired)
        m_quietTimer.start(kQuietMs);
}

void RoutedConnection::Retire()
{
    if (!m_tunnel || !m_connected)
        return;
    m_retired = true;
    CloseIfQuiet();
}

void RoutedConnection::CloseIfQuiet()
{
    const qint64 quiet = m_lastTraffic.elapsed();
    if (quiet < kQuietMs) {
        m_quietTimer.start(int(kQuietMs - quiet));
        return;
    }
    m_client->abort();
    m_server->abort();
}
