#include "links/NetServer.h"

#include "links/LinkTexts.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace orbilunex {

namespace {

// How often stalled clients are looked for between broadcasts.
constexpr int kStallCheckMs = 500;

} // namespace

CNetServer::CNetServer(int port, const LinkHooks& linkHooks)
    : listener(new QTcpServer(this)), stallCheck(new QTimer(this)), hooks(linkHooks)
{
    stallCheck->setInterval(kStallCheckMs);
    connect(stallCheck, &QTimer::timeout, this, &CNetServer::dropStalled);
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

void CNetServer::broadcast(const char* bytes, qint64 count)
{
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
