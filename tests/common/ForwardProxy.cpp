#include "ForwardProxy.h"

#include <QHostAddress>
#include <QTcpSocket>

ForwardProxy::ForwardProxy(QObject* parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    m_server.listen(QHostAddress::LocalHost, 0);
}

ForwardProxy::~ForwardProxy()
{
    m_server.close();
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>()) {
        socket->disconnect(this);
        socket->abort();
        delete socket;
    }
}

QList<QByteArray> ForwardProxy::targets() const
{
    QList<QByteArray> result;
    for (const Request& request : m_requests)
        result.append(request.target);
    return result;
}

void ForwardProxy::onReadyRead(QTcpSocket* socket)
{
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> lines = head.left(head.indexOf("\r\n\r\n")).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    Request request;
    request.method = first.value(0);
    request.target = first.value(1);
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare("user-agent", Qt::CaseInsensitive) == 0)
            request.userAgent = line.mid(colon + 1).trimmed();
    }
    m_requests.append(request);
    const QByteArray body = "<html><head><title>Proxied</title></head><body>proxied</body></html>";
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nCache-Control: no-store\r\n"
                  "Connection: close\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
    socket->disconnectFromHost();
}
