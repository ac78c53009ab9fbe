#pragma once

#include <QByteArray>
#include <QHash>
#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

// One running Zelvo per user and display. The running instance listens on a
// local socket; a second start hands its raw command line over and ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // The marker of the current user and display.
    static QString DefaultName();

    explicit SingleInstance(QObject* parent = nullptr);
    SingleInstance(const QString& name, QObject* parent);
    ~SingleInstance() override;

    // Gives rawCommandLine to the running instance of name; true once that
    // instance has taken it. False when nobody listens or it does not answer
    // within timeoutMs.
    static bool SendToRunning(const QByteArray& rawCommandLine, int timeoutMs,
                              const QString& name = DefaultName());

    // Becomes the running instance. False when another instance is listening
    // already (the caller should hand over to it instead).
    bool Listen();
    bool IsListening() const { return m_server.isListening(); }

    // Removes the marker; later starts no longer find this instance.
    void Stop();

    QString Name() const { return m_name; }

signals:
    // One command line per hand-over, in the order the hand-overs completed.
    void received(const QByteArray& rawCommandLine);

private:
    void AcceptConnections();
    void ReadFrom(QLocalSocket* socket);
    bool SomeoneListens() const;

    QString m_name;
    QLocalServer m_server;
    QHash<QLocalSocket*, QByteArray> m_pending;
};
