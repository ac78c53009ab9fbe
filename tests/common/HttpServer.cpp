#include "HttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace {

QByteArray ReasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

// Length of the head (through the blank line) and of the body announced in it;
// -1 while the head is incomplete.
qsizetype HeadLength(const QByteArray& buffer)
{
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    return end < 0 ? -1 : end + 4;
}

} // namespace

QByteArray HttpServer::Request::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

HttpServer::HttpServer(QObject* parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpServer::onNewConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

HttpServer::~HttpServer()
{
    // Open connections go first, while the tables their handlers use still
    // exist: the listening server outlives them and would delete them last.
    m_server.close();
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>()) {
        socket->disconnect(this);
        socket->abort();
        delete socket;
    }
}

void HttpServer::route(const QByteArray& path, const QByteArray& contentType,
                       const QByteArray& body)
{
    Route& r = m_routes[path];
    r.contentType = contentType;
    r.body = body;
}

void HttpServer::addHeader(const QByteArray& path, const QByteArray& name, const QByteArray& value)
{
    m_routes[path].headers.append({name, value});
}

void HttpServer::setStatus(const QByteArray& path, int status)
{
    m_routes[path].status = status;
}

void HttpServer::hold(const QByteArray& path)
{
    m_held.insert(path);
}

void HttpServer::stallAfter(const QByteArray& path, qsizetype bytes)
{
    m_stallAt.insert(path, bytes);
}

void HttpServer::endStalled(const QByteArray& path)
{
    m_stallAt.remove(path);
    const QList<Pending> stalled = m_stalled;
    m_stalled.clear();
    for (const Pending& pending : stalled) {
        if (pending.path != path) {
            m_stalled.append(pending);
        } else if (pending.socket) {
            const QByteArray& body = m_routes.value(path).body;
            pending.socket->write(body.mid(pending.socket->property("sent").toLongLong()));
            pending.socket->disconnectFromHost();
        }
    }
}

void HttpServer::release(const QByteArray& path)
{
    m_held.remove(path);
    endStalled(path);
    const QList<Pending> waiting = m_waiting;
    m_waiting.clear();
    for (const Pending& pending : waiting) {
        if (pending.path != path)
            m_waiting.append(pending);
        else if (pending.socket)
            respond(pending.socket, pending.path);
    }
}

int HttpServer::waitingCount(const QByteArray& path) const
{
    int count = 0;
    for (const Pending& pending : m_waiting)
        count += pending.path == path && pending.socket ? 1 : 0;
    return count;
}

QUrl HttpServer::url(const QByteArray& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port()) + QString::fromUtf8(path));
}

QList<HttpServer::Request> HttpServer::requestsFor(const QByteArray& path) const
{
    QList<Request> found;
    for (const Request& r : m_requests) {
        if (r.path == path)
            found.append(r);
    }
    return found;
}

void HttpServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void HttpServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    // Connections are closed after each answer, so one request per socket.
    const qsizetype headLength = HeadLength(buffer);
    if (headLength < 0)
        return;

    Request request;
    const QList<QByteArray> lines = buffer.left(headLength - 4).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    request.path = request.target.left(
        request.target.indexOf('?') < 0 ? request.target.size() : request.target.indexOf('?'));
    qsizetype contentLength = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed();
        const QByteArray value = line.mid(colon + 1).trimmed();
        request.headers.append({name, value});
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
            contentLength = value.toLongLong();
    }
    if (buffer.size() < headLength + contentLength)
        return;
    request.body = buffer.mid(headLength, contentLength);
    m_buffers.remove(socket);

    m_requests.append(request);
    emit requestReceived(request.path);
    if (m_held.contains(request.path))
        m_waiting.append({socket, request.path});
    else
        respond(socket, request.path);
}

void HttpServer::respond(QTcpSocket* socket, const QByteArray& path)
{
    const auto it = m_routes.constFind(path);
    const bool found = it != m_routes.constEnd() && !it->contentType.isEmpty();
    const int status = found ? it->status : 404;
    const QByteArray body = found ? it->body : QByteArray("not found");
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonPhrase(status) +
                      "\r\nContent-Type: " + (found ? it->contentType : "text/plain") +
                      "\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\nConnection: close\r\n";
    if (it != m_routes.constEnd()) {
        for (const auto& [name, value] : it->headers)
            head += name + ": " + value + "\r\n";
    }
    const qsizetype stall = m_stallAt.value(path, -1);
    if (stall >= 0 && stall < body.size()) {
        socket->write(head + "\r\n" + body.left(stall));
        socket->setProperty("sent", qint64(stall));
        m_stalled.append({socket, path});
        return;
    }
    socket->write(head + "\r\n" + body);
    socket->disconnectFromHost();
}
