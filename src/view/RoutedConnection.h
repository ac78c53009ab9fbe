#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QObject>
#include <QTimer>

#include <functional>

class QTcpSocket;

// One connection the engine made to the routing proxy, carried on to the
// page's server or to the proxy its route names. A plain request gets a
// connection of its own ("Connection: close" both ways), so a kept-alive
// connection can never take a request for another host down the wrong way.
// Deletes itself once both sides are closed.
class RoutedConnection : public QObject {
    Q_OBJECT

public:
    using Router =
        std::function<QNetworkProxy(const QString& scheme, const QString& host, quint16 port)>;
    using Resolver = std::function<QList<QHostAddress>(const QString& host)>;

    RoutedConnection(QTcpSocket* client, Router router, Resolver resolver, QObject* parent);

    // The routes changed: a tunnel made the old way closes once it is quiet,
    // so that the engine opens the next one the new way.
    void Retire();

private:
    void ReadHead();
    bool ParseHead();
    QByteArray OutgoingHead() const;
    void Open(const QNetworkProxy& route);
    void OnConnected();
    void Fail();
    void Pump(QTcpSocket* from, QTcpSocket* to);
    void PumpResponse();
    void OnSideClosed(QTcpSocket* side);
    void Touch();
    void CloseIfQuiet();

    QTcpSocket* m_client = nullptr;
    QTcpSocket* m_server = nullptr;
    Router m_router;
    Resolver m_resolver;
    // The request head until it has gone out, and what goes out first once
    // connected.
    QByteArray m_head;
    QByteArray m_outgoing;
    QByteArray m_responseHead;
    QString m_host;
    quint16 m_port = 0;
    bool m_tunnel = false;
    bool m_forwarded = false;
    bool m_headRead = false;
    bool m_connected = false;
    bool m_responseHeadDone = false;
    bool m_retired = false;
    QTimer m_connectTimer;
    QTimer m_quietTimer;
    QElapsedTimer m_lastTraffic;
};
