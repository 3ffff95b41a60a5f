#pragma once

#include "links/ByteRing.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QTcpSocket;

namespace orbilunex {

class CNetServer;

constexpr std::size_t kNetQueueSize = 16384;
using NetQueue = ByteRing<kNetQueueSize>;

// One TCP stream connection: the link's own connection to a far server, or a
// client accepted by this program's relay server (then `owner` is set).
// Events arrive on the user-interface thread through Qt's event loop.
class NetConnection : public QObject {
    Q_OBJECT

public:
    // Takes ownership of an accepted socket.
    NetConnection(QTcpSocket* socket, CNetServer* owner);
    // A client connection with a socket of its own, not yet connected.
    NetConnection();
    ~NetConnection() override;

    // Connects to host (name or dotted address) and port, waiting in a local
    // event loop (so the interface stays alive) until connected, refused or
    // timeoutMs passed. Returns true when connected.
    bool connectTo(const QString& host, quint16 port, int timeoutMs);

    // Queues a block for the peer and hands the kernel what it takes at
    // once; never waits. The rest goes out as the socket allows.
    void send(const char* bytes, qint64 count);

    // Bytes queued for the peer that the kernel has not taken yet.
    qint64 bytesQueued() const;

    // How long queued bytes have waited without the peer taking any; 0 while
    // nothing is queued.
    qint64 stalledForMs() const;

    // Takes up to maximum received bytes, oldest first.
    std::size_t take(char* out, std::size_t maximum);

    // Received bytes not yet taken (queued here or still in the socket).
    bool hasPending() const;

    // 1 once the peer has closed the connection.
    int closedFlag() const { return closed; }

    // Our side ends the connection: shut down sending, close, discard what is
    // still queued.
    void shutdownAndDiscard();

    // Ends the connection at once, dropping what is queued both ways.
    void abort();

    // As abort, and the kernel also discards what it still holds for the
    // peer (a reset), rather than keep trying to deliver it to a client that
    // does not read.
    void reset();

    QTcpSocket* socket() const { return tcp; }

signals:
    // The peer closed the connection (or it failed).
    void peerClosed(orbilunex::NetConnection* connection);

private:
    void setUp();
    void receive();
    void fillFromSocket();
    void onDisconnected();

    QTcpSocket* tcp;
    NetQueue queue;
    CNetServer* owner = nullptr;
    int closed = 0;
    // Restarted whenever the peer takes bytes, or bytes start to wait.
    QElapsedTimer lastProgress;
};

} // namespace orbilunex
