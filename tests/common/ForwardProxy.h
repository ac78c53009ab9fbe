#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

// A forward HTTP proxy on 127.0.0.1 (random port) that never forwards: it
// records each absolute-URI request it gets and answers a fixed page.
class ForwardProxy : public QObject {
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray target; // the absolute URI of the request line
        QByteArray userAgent;
    };

    explicit ForwardProxy(QObject* parent = nullptr);
    ~ForwardProxy() override;

    quint16 port() const { return m_server.serverPort(); }
    QList<Request> requests() const { return m_requests; }
    // The targets, in the order they came.
    QList<QByteArray> targets() const;

private:
    void onReadyRead(class QTcpSocket* socket);

    QTcpServer m_server;
    QList<Request> m_requests;
};
