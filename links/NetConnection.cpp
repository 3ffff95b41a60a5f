#include "links/NetConnection.h"

#include "links/NetServer.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

namespace orbilunex {

namespace {

// Bytes taken from the socket per step, as one receive of a notification.
constexpr qint64 kReceiveChunk = 512;

} // namespace

NetConnection::NetConnection(QTcpSocket* socket, CNetServer* server)
    : tcp(socket), owner(server)
{
    tcp->setParent(this);
    setUp();
}

NetConnection::NetConnection() : tcp(new QTcpSocket(this))
{
    setUp();
}

NetConnection::~NetConnection() = default;

void NetConnection::setUp()
{
    // Bytes beyond our queue wait in the socket and then in the kernel, so a
    // fast sender is slowed down by TCP rather than losing data.
    tcp->setReadBufferSize(static_cast<qint64>(kNetQueueSize));
    connect(tcp, &QTcpSocket::readyRead, this, &NetConnection::receive);
    connect(tcp, &QTcpSocket::disconnected, this, &NetConnection::onDisconnected);
    connect(tcp, &QTcpSocket::bytesWritten, this, [this] { lastProgress.start(); });
    connect(tcp, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        // A failed connection ends like a closed one; a refused connect is
        // reported by connectTo instead.
        if (error != QAbstractSocket::ConnectionRefusedError &&
            error != QAbstractSocket::HostNotFoundError &&
            error != QAbstractSocket::SocketTimeoutError)
            onDisconnected();
    });
}

bool NetConnection::connectTo(const QString& host, quint16 port, int timeoutMs)
{
    QEventLoop wait;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &wait, &QEventLoop::quit);
    connect(tcp, &QTcpSocket::connected, &wait, &QEventLoop::quit);
    connect(tcp, &QTcpSocket::errorOccurred, &wait, &QEventLoop::quit);
    tcp->connectToHost(host, port);
    if (tcp->state() != QAbstractSocket::ConnectedState) {
        timer.start(timeoutMs);
        wait.exec();
    }
    if (tcp->state() == QAbstractSocket::ConnectedState) return true;
    tcp->abort();
    return false;
}

void NetConnection::send(const char* bytes, qint64 count)
{
    if (tcp->state() != QAbstractSocket::ConnectedState) return; // its close is on the way
    if (tcp->bytesToWrite() == 0) lastProgress.start();
    tcp->write(bytes, count);
    // Non-blocking: writes what the kernel takes now, keeps the rest queued.
    tcp->flush();
}

qint64 NetConnection::bytesQueued() const
{
    return tcp->bytesToWrite();
}

qint64 NetConnection::stalledForMs() const
{
    if (tcp->bytesToWrite() == 0 || !lastProgress.isValid()) return 0;
    return lastProgress.elapsed();
}

void NetConnection::receive()
{
    if (!closed) fillFromSocket();
}

void NetConnection::fillFromSocket()
{
    char chunk[kReceiveChunk];
    while (tcp->bytesAvailable() > 0) {
        if (owner != nullptr) {
            // Clients of the relay have nothing to say; their bytes are kept
            // in the server's queue while it has room and never read.
            const qint64 n = tcp->read(chunk, kReceiveChunk);
            if (n <= 0) break;
            owner->receiveQueue().push(chunk, static_cast<std::size_t>(n));
            continue;
        }
        // Take what fits; the rest stays in the socket until the queue drains.
        const qint64 room = static_cast<qint64>(queue.room());
        if (room == 0) break;
        const qint64 n = tcp->read(chunk, room < kReceiveChunk ? room : kReceiveChunk);
        if (n <= 0) break;
        queue.push(chunk, static_cast<std::size_t>(n));
    }
}

std::size_t NetConnection::take(char* out, std::size_t maximum)
{
    std::size_t n = queue.pop(out, maximum);
    // Refill from what waited in the socket; after the peer closed, the
    // socket may still hold its last bytes, and they are delivered too.
    fillFromSocket();
    if (n < maximum) n += queue.pop(out + n, maximum - n);
    return n;
}

bool NetConnection::hasPending() const
{
    return !queue.empty() || tcp->bytesAvailable() > 0;
}

void NetConnection::onDisconnected()
{
    if (closed) return;
    // Whatever arrived before the close stays for the link to take.
    fillFromSocket();
    closed = 1;
    emit peerClosed(this);
}

void NetConnection::shutdownAndDiscard()
{
    closed = 1;
    tcp->disconnectFromHost();
    tcp->abort();
    queue.clear();
}

void NetConnection::abort()
{
    closed = 1;
    tcp->abort();
    queue.clear();
}

void NetConnection::reset()
{
    const qintptr descriptor = tcp->socketDescriptor();
    if (descriptor >= 0) {
        const linger now = {1, 0};
        ::setsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_LINGER, &now, sizeof now);
    }
    abort();
}

} // namespace orbilunex
