#pragma once

#include "links/ByteRing.h"

#include <QObject>
#include <QPointer>
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

    // Sends a block, waiting in a local event loop while the peer cannot take
    // it yet. Returns false when the block could not be handed to the peer
    // within timeoutMs (a stalled reader). The connection may have been
    // deleted when this returns false: check a QPointer first.
    bool send(const char* bytes, qint64 count, int timeoutMs);

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
};

} // namespace orbilunex
