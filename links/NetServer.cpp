#include "links/NetServer.h"

#include "links/LinkTexts.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace orbilunex {

namespace {

constexpr int kListenBacklog = 5;

} // namespace

CNetServer::CNetServer(int port, const LinkHooks& linkHooks)
    : listener(new QTcpServer(this)), hooks(linkHooks)
{
    listener->setListenBacklogSize(kListenBacklog);
    connect(listener, &QTcpServer::newConnection, this, &CNetServer::acceptPending);
    const bool valid = port >= 0 && port <= 65535;
    if (!valid || !listener->listen(QHostAddress::Any, static_cast<quint16>(port)))
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
    connection->disconnect(this);
    // We may be inside one of its own signals: delete it once that returns.
    connection->deleteLater();
    hooks.sound(kDefaultBeep);
}

void CNetServer::broadcast(const char* bytes, qint64 count)
{
    if (clientList.isEmpty()) return;
    // Sending may run the event loop: clients can leave, and even this server
    // can be disabled, before the loop below is done.
    QPointer<CNetServer> self(this);
    QList<QPointer<NetConnection>> snapshot;
    for (NetConnection* connection : clientList) snapshot.append(connection);
    for (const QPointer<NetConnection>& connection : snapshot) {
        if (!self) return;
        if (!connection || !clientList.contains(connection.data())) continue;
        if (connection->send(bytes, count, kSendTimeoutMs)) continue;
        if (!self) return;
        if (connection && clientList.contains(connection.data())) {
            // A client that stopped reading: drop it rather than stall everyone.
            NetConnection* stalled = connection.data();
            stalled->abort();
            removeClient(stalled);
        }
    }
}

} // namespace orbilunex
