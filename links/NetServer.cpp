#include "links/NetServer.h"

#include "links/LinkTexts.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

namespace orbilunex {

namespace {

// How often stalled clients are looked for between broadcasts.
constexpr int kStallCheckMs = 500;

} // namespace

struct CNetServer::UdpOut {
    QUdpSocket socket;
    std::vector<QHostAddress> addresses;
};

CNetServer::CNetServer(int port, const LinkHooks& linkHooks, bool loopbackOnly)
    : listener(new QTcpServer(this)), stallCheck(new QTimer(this)), hooks(linkHooks),
      localOnly(loopbackOnly)
{
    stallCheck->setInterval(kStallCheckMs);
    connect(stallCheck, &QTimer::timeout, this, &CNetServer::dropStalled);
    listener->setListenBacklogSize(kListenBacklog);
    connect(listener, &QTcpServer::newConnection, this, &CNetServer::acceptPending);
    const bool valid = port >= 0 && port <= 65535;
    const QHostAddress where = loopbackOnly ? QHostAddress::LocalHost : QHostAddress::Any;
    if (!valid || !listener->listen(where, static_cast<quint16>(port)))
        hooks.say(texts::kCannotCreateServer);
}

CNetServer::~CNetServer()
{
    for (NetConnection* connection : clientList) {
        connection->disconnect(this);
        connection->abort();
        delete connection;
    }
}

bool CNetServer::isListening() const
{
    return listener->isListening();
}

quint16 CNetServer::serverPort() const
{
    return listener->isListening() ? listener->serverPort() : 0;
}

void CNetServer::acceptPending()
{
    while (QTcpSocket* socket = listener->nextPendingConnection()) {
        auto* connection = new NetConnection(socket, this);
        connect(connection, &NetConnection::peerClosed, this, &CNetServer::removeClient);
        clientList.append(connection);
        if (clients < maxConnections) {
            hooks.sound(kDefaultBeep);
            ++clients;
            if (!stallCheck->isActive()) stallCheck->start();
            continue;
        }
        // Over the limit: the peer sees its connection close at once.
        ++clients;
        clientList.removeOne(connection);
        --clients;
        connection->disconnect(this);
        connection->abort();
        connection->deleteLater();
    }
}

void CNetServer::removeClient(NetConnection* connection)
{
    if (!clientList.removeOne(connection)) return;
    --clients;
    if (clientList.isEmpty()) stallCheck->stop();
    connection->disconnect(this);
    // We may be inside one of its own signals: delete it once that returns.
    connection->deleteLater();
    hooks.sound(kDefaultBeep);
}

void CNetServer::drop(NetConnection* connection)
{
    connection->reset();
    removeClient(connection);
}

void CNetServer::dropStalled()
{
    // A copy: dropping changes the list.
    const QList<NetConnection*> current = clientList;
    for (NetConnection* connection : current)
        if (connection->stalledForMs() >= kStallTimeoutMs) drop(connection);
}

void CNetServer::setUdpDestinations(const std::vector<UdpDestination>& destinations)
{
    destinationList = destinations;
    if (destinations.empty()) {
        udpOut.reset();
        return;
    }
    if (udpOut == nullptr) udpOut = std::make_unique<UdpOut>();
    udpOut->addresses.clear();
    for (const UdpDestination& d : destinations)
        udpOut->addresses.emplace_back(QString::fromStdString(d.host));
}

void CNetServer::broadcast(const char* bytes, qint64 count)
{
    for (std::size_t i = 0; i < destinationList.size(); ++i)
        udpOut->socket.writeDatagram(bytes, count, udpOut->addresses[i],
                                 static_cast<quint16>(destinationList[i].port));
    if (clientList.isEmpty()) return;
    // A copy: a failed write reports the client's close, which takes it off
    // the list; removed connections are deleted later, so the pointers hold.
    const QList<NetConnection*> current = clientList;
    for (NetConnection* connection : current) {
        if (connection->closedFlag()) continue; // left while we were sending
        if (connection->bytesQueued() + count > kClientQueueLimit ||
            connection->stalledForMs() >= kStallTimeoutMs) {
            // A client that stopped reading: drop it rather than stall everyone.
            drop(connection);
            continue;
        }
        connection->send(bytes, count);
    }
}

} // namespace orbilunex
