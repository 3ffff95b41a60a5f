#include "LinkTestUtil.h"

#include "links/Clock.h"
#include "links/LinkTexts.h"
#include "links/NetServer.h"
#include "links/NmeaDataPath.h"
#include "links/NmeaLink.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <cerrno>
#include <memory>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace orbilunex;
using namespace orbilunex::test;

namespace {

// A plain TCP client that keeps everything it receives.
struct Collector {
    QTcpSocket socket;
    QByteArray received;

    explicit Collector(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead,
                         [this] { received += socket.readAll(); });
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    }
    bool connected() const { return socket.state() == QAbstractSocket::ConnectedState; }
};

// A client that never reads. Its receive buffer is made small before it
// connects, so that what the kernel holds for it fills within a few blocks.
class StalledClient {
public:
    explicit StalledClient(quint16 port) : fd(::socket(AF_INET, SOCK_STREAM, 0))
    {
        const int size = 4096;
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        // On loopback the kernel completes the handshake before any accept.
        ok = fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~StalledClient()
    {
        if (fd >= 0) ::close(fd);
    }
    StalledClient(const StalledClient&) = delete;
    StalledClient& operator=(const StalledClient&) = delete;
    bool connected() const { return ok; }

    // Whether the server has ended the connection (read only once dropped:
    // reading would let it go on).
    bool ended() const
    {
        char chunk[65536];
        for (;;) {
            const ssize_t n = ::recv(fd, chunk, sizeof chunk, MSG_DONTWAIT);
            if (n > 0) continue;
            return n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
        }
    }

private:
    int fd;
    bool ok = false;
};

class NetworkTest : public ::testing::Test {
protected:
    MemorySettingsStore settings;
    ManualClock clock{1000};
    RecordingHooks seen;
};

// Plays a file to the end through a data path, ticking as fast as the event
// loop allows (the 100 ms pacing is the window's business, not the link's).
void playToEnd(NmeaDataPath& path, int quietTicks = 20)
{
    int quiet = 0;
    while (quiet < quietTicks) {
        const auto result = path.tick();
        quiet = result.bytesRead > 0 ? 0 : quiet + 1;
        QCoreApplication::processEvents();
    }
}

TEST_F(NetworkTest, EveryClientReceivesEveryByteInOrder)
{
    const QByteArray log = readAll(samplePath("sample-lf.nmea"));
    ASSERT_FALSE(log.isEmpty());
    NmeaDataPath source(settings, clock, seen.hooks());
    source.link.enableServer(0);
    CNetServer* server = source.link.server();
    ASSERT_TRUE(server->isListening());

    std::vector<std::unique_ptr<Collector>> clients;
    for (int i = 0; i < 5; ++i) clients.push_back(std::make_unique<Collector>(server->serverPort()));
    ASSERT_TRUE(pumpUntil([&] { return server->clientCount() == 5; }));

    source.setPlaybackSpeed(PlayFastest);
    source.connectFile(samplePath("sample-lf.nmea"));
    playToEnd(source);
    for (auto& client : clients) {
        ASSERT_TRUE(pumpUntil([&] { return client->received.size() >= log.size(); }));
        EXPECT_EQ(client->received, log);
    }
    EXPECT_EQ(std::count(seen.beeps.begin(), seen.beeps.end(), kDefaultBeep), 5)
        << "one default beep per client that came";
}

TEST_F(NetworkTest, ClientBeyondTheMaximumIsClosedAtOnce)
{
    CNetServer server(0, seen.hooks());
    server.setMaxConnections(1);
    Collector first(server.serverPort());
    ASSERT_TRUE(pumpUntil([&] { return server.clientCount() == 1; }));
    Collector second(server.serverPort());
    ASSERT_TRUE(pumpUntil([&] { return second.socket.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(server.clientCount(), 1);
    EXPECT_TRUE(first.connected());

    // The first client leaving frees its place.
    first.socket.disconnectFromHost();
    ASSERT_TRUE(pumpUntil([&] { return server.clientCount() == 0; }));
    Collector third(server.serverPort());
    ASSERT_TRUE(pumpUntil([&] { return server.clientCount() == 1; }));
    pumpFor(100);
    EXPECT_TRUE(third.connected());
}

TEST_F(NetworkTest, FarServerClosingFallsBackToNoneAndKeepsTheState)
{
    auto far = std::make_unique<CNetServer>(0, seen.hooks());
    NmeaDataPath client(settings, clock, seen.hooks());
    ASSERT_EQ(client.connectNetwork(QStringLiteral("127.0.0.1"), far->serverPort()), 1);
    EXPECT_EQ(client.link.sourceKind(), SourceNetwork);
    ASSERT_TRUE(pumpUntil([&] { return far->clientCount() == 1; }));

    const QByteArray gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
    far->broadcast(gga.constData(), gga.size());
    far.reset(); // the far end goes away right after sending
    ASSERT_TRUE(pumpUntil([&] {
        client.tick();
        return client.link.sourceKind() == SourceNone;
    }));
    EXPECT_EQ(client.gps().ggaCount, 1) << "what was sent before the close is still decoded";
    EXPECT_EQ(client.gps().altitude, 545.4);
    EXPECT_EQ(client.tick().bytesRead, 0);
}

TEST_F(NetworkTest, ConnectRefusedSaysSoAndLeavesNone)
{
    // A port that was free a moment ago: nothing listens there now.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();

    NmeaDataPath client(settings, clock, seen.hooks());
    EXPECT_EQ(client.connectNetwork(QStringLiteral("127.0.0.1"), port), 0);
    EXPECT_EQ(client.link.sourceKind(), SourceNone);
    ASSERT_EQ(seen.messages.size(), 1u);
    EXPECT_EQ(seen.messages[0], texts::kCannotConnect);
}

TEST_F(NetworkTest, ConnectResetsTheDecodedState)
{
    CNetServer far(0, seen.hooks());
    NmeaDataPath client(settings, clock, seen.hooks());
    const char gga[] = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
    client.parser.feed(gga, sizeof gga - 1);
    ASSERT_EQ(client.gps().ggaCount, 1);
    ASSERT_EQ(client.connectNetwork(QStringLiteral("127.0.0.1"), far.serverPort()), 1);
    EXPECT_EQ(client.gps().ggaCount, 0);
    EXPECT_EQ(client.sentenceCount(), 1) << "the sentence count is never reset";
}

TEST_F(NetworkTest, ChainedInstancesStayByteExact)
{
    const QByteArray log = readAll(samplePath("sample-lf.nmea"));
    // first plays and serves; second takes from first and serves again.
    NmeaDataPath first(settings, clock, seen.hooks());
    first.link.enableServer(0);
    NmeaDataPath second(settings, clock, seen.hooks());
    ASSERT_EQ(second.connectNetwork(QStringLiteral("127.0.0.1"),
                                    first.link.server()->serverPort()), 1);
    second.link.enableServer(0);
    Collector last(second.link.server()->serverPort());
    ASSERT_TRUE(pumpUntil([&] {
        return first.link.server()->clientCount() == 1 && second.link.server()->clientCount() == 1;
    }));

    first.setPlaybackSpeed(PlayFastest); // faster than the second can take: it must catch up
    first.connectFile(samplePath("sample-lf.nmea"));
    int quiet = 0;
    while (quiet < 50) {
        const int moved = first.tick().bytesRead + second.tick().bytesRead;
        quiet = moved > 0 ? 0 : quiet + 1;
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(pumpUntil([&] { return last.received.size() >= log.size(); }));
    EXPECT_EQ(last.received, log);
    EXPECT_EQ(second.gps().ggaCount, first.gps().ggaCount);
}

TEST_F(NetworkTest, StalledClientNeverHoldsUpTheOthersAndIsDroppedPastItsQueueLimit)
{
    CNetServer server(0, seen.hooks());
    Collector reader(server.serverPort());
    StalledClient stalled(server.serverPort());
    ASSERT_TRUE(stalled.connected());
    ASSERT_TRUE(pumpUntil([&] { return server.clientCount() == 2; }));

    // Up to 16 MB, far more than the kernel buffers towards the stalled client
    // hold (a few MB), and a few blocks more once it is gone.
    QByteArray block(16384, 'x');
    QByteArray sent;
    qint64 sentWhenDropped = -1;
    qint64 slowestBroadcastMs = 0;
    int lateBlocks = 0;
    QElapsedTimer watch;
    int blocksAfterDrop = 0;
    for (int i = 0; i < 1024 && blocksAfterDrop < 8; ++i) {
        block.fill(static_cast<char>('A' + i % 26));
        watch.start();
        server.broadcast(block.constData(), block.size());
        slowestBroadcastMs = std::max(slowestBroadcastMs, watch.elapsed());
        sent += block;
        if (sentWhenDropped >= 0) ++blocksAfterDrop;
        else if (server.clientCount() == 1) sentWhenDropped = sent.size();
        // The reader has each block before the next poll would send another.
        const auto caughtUp = [&] { return reader.received.size() >= sent.size(); };
        if (!pumpUntil(caughtUp, NmeaDataPath::kTickMs)) ++lateBlocks;
    }
    EXPECT_LT(slowestBroadcastMs, 1000) << "a broadcast waited for the stalled client";
    EXPECT_EQ(lateBlocks, 0) << "the reading client waited longer than one poll";
    ASSERT_TRUE(pumpUntil([&] { return reader.received.size() >= sent.size(); }));
    EXPECT_TRUE(reader.received == sent) << "the reading client lost nothing";
    ASSERT_GE(sentWhenDropped, 0) << "the stalled client was never dropped";
    EXPECT_GT(sentWhenDropped, CNetServer::kClientQueueLimit)
        << "dropped before its queue could be full";
    EXPECT_TRUE(pumpUntil([&] { return stalled.ended(); })) << "its connection was ended";
    EXPECT_EQ(std::count(seen.beeps.begin(), seen.beeps.end(), kDefaultBeep), 3)
        << "a beep for each client that came and one for the client dropped";
}

TEST_F(NetworkTest, ManyClientsInARowAreAcceptedOrRefusedPromptly)
{
    constexpr int kClients = 200;
    constexpr int kMaximum = 150;
    CNetServer server(0, seen.hooks());
    server.setMaxConnections(kMaximum);
    QElapsedTimer watch;
    watch.start();
    // All connect before the server gets a chance to accept any of them.
    std::vector<std::unique_ptr<QTcpSocket>> clients;
    for (int i = 0; i < kClients; ++i) {
        clients.push_back(std::make_unique<QTcpSocket>());
        clients.back()->connectToHost(QStringLiteral("127.0.0.1"), server.serverPort());
    }
    const auto inState = [&](QAbstractSocket::SocketState state) {
        return std::count_if(clients.begin(), clients.end(),
                             [state](const auto& c) { return c->state() == state; });
    };
    const bool settled = pumpUntil(
        [&] {
            return server.clientCount() == kMaximum &&
                   inState(QAbstractSocket::UnconnectedState) == kClients - kMaximum;
        },
        10000);
    EXPECT_TRUE(settled) << "after " << watch.elapsed() << " ms: " << server.clientCount()
                         << " held, " << inState(QAbstractSocket::UnconnectedState) << " refused";
    pumpFor(100);
    EXPECT_EQ(server.clientCount(), kMaximum);
    EXPECT_EQ(inState(QAbstractSocket::ConnectedState), kMaximum) << "the ones held stay connected";
}

TEST_F(NetworkTest, ServerOnABusyPortSaysSoButCountsAsEnabled)
{
    QTcpServer occupant;
    ASSERT_TRUE(occupant.listen(QHostAddress::Any, 0));
    NmeaLink link(settings, seen.hooks());
    link.enableServer(occupant.serverPort());
    EXPECT_TRUE(link.serverEnabled());
    EXPECT_FALSE(link.server()->isListening());
    ASSERT_EQ(seen.messages.size(), 1u);
    EXPECT_EQ(seen.messages[0], texts::kCannotCreateServer);
    link.disableServer();
    EXPECT_FALSE(link.serverEnabled());
    EXPECT_EQ(link.server(), nullptr);
}

} // namespace
