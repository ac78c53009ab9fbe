#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QtEndian>

#include <unistd.h>

namespace {

// A hand-over is a 4-byte big-endian length and the text; the receiver answers
// with one byte once it has handled it, as the sender of a window message waits
// for the message to be processed.
constexpr char kAck = 'A';
constexpr int kHeaderBytes = 4;
// Far more than any command line; a larger length is not one of ours.
constexpr quint32 kMaxMessageBytes = 1 << 20;
// A socket path must fit into sockaddr_un (108 bytes with the terminator).
constexpr int kMaxSocketPath = 100;

QString SafeDisplayName()
{
    QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        display = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("nodisplay");
    QString safe;
    for (const char c : display) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '.' || c == '-';
        safe += plain ? QLatin1Char(c) : QLatin1Char('_');
    }
    return safe;
}

} // namespace

QString SingleInstance::DefaultName()
{
    QString name = QStringLiteral("Zelvo-%1-%2").arg(getuid()).arg(SafeDisplayName());
    const int room = kMaxSocketPath - QDir::tempPath().toUtf8().size() - 1;
    if (name.size() > room || name.size() > 64) {
        // Odd display names are kept apart by a digest instead of being cut.
        const QByteArray digest =
            QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        name = QStringLiteral("Zelvo-%1-%2").arg(getuid()).arg(QString::fromLatin1(digest));
    }
    return name;
}

SingleInstance::SingleInstance(QObject* parent) : SingleInstance(DefaultName(), parent) {}

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent), m_name(name)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::AcceptConnections);
}

SingleInstance::~SingleInstance()
{
    Stop();
}

bool SingleInstance::SendToRunning(const QByteArray& rawCommandLine, int timeoutMs,
                                   const QString& name)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(deadline.remainingTime()))
        return false;

    QByteArray message(kHeaderBytes, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(rawCommandLine.size()), message.data());
    message += rawCommandLine;
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(deadline.remainingTime()))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(deadline.remainingTime()))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kAck;
}

bool SingleInstance::Listen()
{
    if (m_server.isListening())
        return true;

    // Two starts at the same moment must not both decide that the socket they
    // found is stale and remove each other's.
    QLockFile lock(QDir::tempPath() + QLatin1Char('/') + m_name + QStringLiteral(".lock"));
    if (!lock.tryLock(5000))
        return false;

    if (SomeoneListens())
        return false;
    // A socket nobody answers on was left by a Zelvo that was killed.
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

void SingleInstance::Stop()
{
    // Closing the server also removes its socket file.
    m_server.close();
    const QList<QLocalSocket*> sockets = m_pending.keys();
    m_pending.clear();
    for (QLocalSocket* socket : sockets)
        socket->abort();
}

bool SingleInstance::SomeoneListens() const
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    const bool connected = probe.waitForConnected(1000);
    probe.abort();
    return connected;
}

void SingleInstance::AcceptConnections()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        m_pending.insert(socket, QByteArray());
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
        // Data may have arrived before the connections above were made.
        ReadFrom(socket);
    }
}

void SingleInstance::ReadFrom(QLocalSocket* socket)
{
    auto it = m_pending.find(socket);
    if (it == m_pending.end())
        return;
    QByteArray& buffer = it.value();
    buffer += socket->readAll();
    if (buffer.size() < kHeaderBytes)
        return;
    const quint32 length = qFromBigEndian<quint32>(buffer.constData());
    if (length > kMaxMessageBytes) {
        m_pending.erase(it);
        socket->abort();
        return;
    }
    if (static_cast<quint32>(buffer.size() - kHeaderBytes) < length)
        return;

    const QByteArray text = buffer.mid(kHeaderBytes, static_cast<qsizetype>(length));
    m_pending.erase(it);
    emit received(text);
    socket->putChar(kAck);
    socket->flush();
    socket->disconnectFromServer();
}
