#pragma once

#include "links/LinkHooks.h"
#include "links/NetConnection.h"
#include "shell/UdpDestinations.h"

#include <QList>
#include <QObject>

#include <memory>
#include <vector>

class QTcpServer;
class QTimer;

namespace orbilunex {

// The relay server: listens on a port on all local addresses (or loopback
// only) and sends every block the link reads, unchanged, to each connected
// client, and as one datagram to each UDP destination. There is no protocol
// of its own; the stream on the wire is the raw NMEA byte stream.
class CNetServer : public QObject {
    Q_OBJECT

public:
    // Each client has its own queue, written as its socket allows. A client
    // whose queue would pass kClientQueueLimit bytes, or that has taken
    // nothing for kStallTimeoutMs while bytes wait for it, is dropped (with
    // the default beep); the others are never held up by it.
    static constexpr qint64 kClientQueueLimit = 256 * 1024;
    static constexpr int kStallTimeoutMs = 3000;
    static constexpr int kInitialMaxConnections = 100;
    // Room for many clients connecting at once; they are accepted (or
    // refused) as soon as the event loop sees them.
    static constexpr int kListenBacklog = 256;

    // Starts listening on port (0 picks a free one) with a backlog of
    // kListenBacklog, on all local addresses, or on 127.0.0.1 alone with
    // loopbackOnly. On failure (port in use, or outside 0..65535) shows
    // "CNetServer Error: Could not create server" through the hooks; the
    // object then exists and accepts nobody.
    CNetServer(int port, const LinkHooks& hooks, bool loopbackOnly = false);
    ~CNetServer() override;

    bool isListening() const;
    bool loopbackOnly() const { return localOnly; }
    // The port listened on (useful after asking for port 0), 0 if none.
    quint16 serverPort() const;

    // Clients beyond the maximum are accepted and closed at once.
    void setMaxConnections(int maximum) { maxConnections = maximum; }
    int maximumConnections() const { return maxConnections; }
    int clientCount() const { return clients; }

    // Where each block also goes as one datagram; the socket that sends them
    // is made for the first destination and closed with the last.
    void setUdpDestinations(const std::vector<UdpDestination>& destinations);
    const std::vector<UdpDestination>& udpDestinations() const { return destinationList; }

    // Sends the block as a datagram to each UDP destination (one the kernel
    // cannot take now is lost, as datagrams are), queues it for each client
    // in acceptance order and returns without waiting; drops the clients
    // that cannot keep up.
    void broadcast(const char* bytes, qint64 count);

    // Bytes the clients sent us; kept while there is room, never read.
    NetQueue& receiveQueue() { return received; }

private:
    void acceptPending();
    void removeClient(NetConnection* connection);
    void drop(NetConnection* connection);
    void dropStalled();

    QTcpServer* listener;
    // Looks for stalled clients while the link sends nothing new.
    QTimer* stallCheck;
    QList<NetConnection*> clientList;
    int clients = 0;
    int maxConnections = kInitialMaxConnections;
    NetQueue received;
    LinkHooks hooks;
    bool localOnly = false;
    std::vector<UdpDestination> destinationList;
    // The socket and the destinations as addresses, while there are any.
    struct UdpOut;
    std::unique_ptr<UdpOut> udpOut;
};

} // namespace orbilunex
