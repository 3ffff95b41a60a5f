#pragma once

#include "links/LinkHooks.h"
#include "links/NetConnection.h"

#include <QList>
#include <QObject>

class QTcpServer;

namespace orbilunex {

// The relay server: listens on a port on all local addresses and sends every
// block the link reads, unchanged, to each connected client. There is no
// protocol of its own; the stream on the wire is the raw NMEA byte stream.
class CNetServer : public QObject {
    Q_OBJECT

public:
    // How long a send may wait for a client that does not read before that
    // client is dropped (the others keep receiving).
    static constexpr int kSendTimeoutMs = 3000;
    static constexpr int kInitialMaxConnections = 100;

    // Starts listening on port (0 picks a free one) with a backlog of 5, on
    // all local addresses. On failure (port in use, or outside 0..65535)
    // shows "CNetServer Error: Could not create server" through the hooks;
    // the object then exists and accepts nobody.
    CNetServer(int port, const LinkHooks& hooks);
    ~CNetServer() override;

    bool isListening() const;
    // The port listened on (useful after asking for port 0), 0 if none.
    quint16 serverPort() const;

    // Clients beyond the maximum are accepted and closed at once.
    void setMaxConnections(int maximum) { maxConnections = maximum; }
    int maximumConnections() const { return maxConnections; }
    int clientCount() const { return clients; }

    // Sends the block to each client in acceptance order, waiting (with the
    // event loop running) while a client's connection is full; a client that
    // takes nothing for kSendTimeoutMs is dropped.
    void broadcast(const char* bytes, qint64 count);

    // Bytes the clients sent us; kept while there is room, never read.
    NetQueue& receiveQueue() { return received; }

private:
    void acceptPending();
    void removeClient(NetConnection* connection);

    QTcpServer* listener;
    QList<NetConnection*> clientList;
    int clients = 0;
    int maxConnections = kInitialMaxConnections;
    NetQueue received;
    LinkHooks hooks;
};

} // namespace orbilunex
