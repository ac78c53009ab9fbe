#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 (random port) serving fixed bodies, so
// page tests never touch the network. Unknown paths answer 404. Every request
// is recorded with its headers.
class HttpServer : public QObject {
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray target; // path with query, as sent
        QByteArray path;   // without the query
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;

        // First header of that name (names match without regard to case).
        QByteArray header(const QByteArray& name) const;
    };

    explicit HttpServer(QObject* parent = nullptr);
    ~HttpServer() override;

    bool isListening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }

    void route(const QByteArray& path, const QByteArray& contentType, const QByteArray& body);
    // An extra response header for a routed path.
    void addHeader(const QByteArray& path, const QByteArray& name, const QByteArray& value);
    void setStatus(const QByteArray& path, int status);

    // Requests for a held path wait unanswered until release(); this keeps a
    // page busy for as long as a test needs.
    void hold(const QByteArray& path);
    void release(const QByteArray& path);
    int waitingCount(const QByteArray& path) const;
    // Responses for path stop after that many body bytes; release() sends the
    // rest.
    void stallAfter(const QByteArray& path, qsizetype bytes);

    QUrl url(const QByteArray& path) const;

    QList<Request> requests() const { return m_requests; }
    QList<Request> requestsFor(const QByteArray& path) const;
    int requestCount(const QByteArray& path) const { return requestsFor(path).size(); }
    void clearRequests() { m_requests.clear(); }

signals:
    void requestReceived(const QByteArray& path);

private:
    struct Route {
        QByteArray contentType;
        QByteArray body;
        int status = 200;
        QList<QPair<QByteArray, QByteArray>> headers;
    };
    struct Pending {
        QPointer<QTcpSocket> socket;
        QByteArray path;
    };

    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const QByteArray& path);
    // Sends the rest of the stalled responses for path.
    void endStalled(const QByteArray& path);

    QTcpServer m_server;
    QHash<QByteArray, Route> m_routes;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QSet<QByteArray> m_held;
    QList<Pending> m_waiting;
    QHash<QByteArray, qsizetype> m_stallAt;
    QList<Pending> m_stalled;
    QList<Request> m_requests;
};
