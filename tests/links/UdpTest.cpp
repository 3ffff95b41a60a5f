#include "LinkTestUtil.h"

#include "links/Clock.h"
#include "links/NetServer.h"
#include "links/NmeaDataPath.h"
#include "links/NmeaLink.h"
#include "links/UdpReceiver.h"

#include <gtest/gtest.h>

#include <QNetworkDatagram>
#include <QUdpSocket>

using namespace orbilunex;
using namespace orbilunex::test;

namespace {

class UdpTest : public ::testing::Test {
protected:
    // Sends each part as one datagram to the link's port on loopback.
    void send(QUdpSocket& from, const QList<QByteArray>& parts, quint16 port)
    {
        for (const QByteArray& part : parts)
            ASSERT_EQ(from.writeDatagram(part, QHostAddress::LocalHost, port), part.size());
    }

    // Reads with `maximum` until `wanted` bytes came or the time is up.
    QByteArray readUntil(NmeaLink& link, qsizetype wanted, int maximum, QList<int>* counts = nullptr)
    {
        QByteArray got;
        std::vector<char> buffer(static_cast<std::size_t>(maximum));
        pumpUntil([&] {
            const int n = link.read(buffer.data(), maximum);
            if (n > 0) {
                got.append(buffer.data(), n);
                if (counts != nullptr) counts->append(n);
            }
            return got.size() >= wanted;
        });
        return got;
    }

    MemorySettingsStore settings;
    ManualClock clock{1000};
    RecordingHooks seen;
};

TEST_F(UdpTest, DatagramsArriveInOrderAndOneTooLargeForARead)
{
    NmeaLink link(settings, seen.hooks());
    ASSERT_EQ(link.openUdp(0, QString()), 1);
    EXPECT_EQ(link.sourceKind(), SourceUdp);
    ASSERT_NE(link.udpPort(), 0);
    // The second does not fit one read: its rest must come first next time.
    const QList<QByteArray> parts = {QByteArray(300, 'a'), QByteArray(1700, 'b'),
                                     QByteArray(40, 'c'), QByteArray(500, 'd')};
    QUdpSocket sender;
    send(sender, parts, static_cast<quint16>(link.udpPort()));
    QList<int> counts;
    const QByteArray got = readUntil(link, 2540, 700, &counts);
    EXPECT_EQ(got, parts.join());
    for (int n : counts) EXPECT_LE(n, 700);
    EXPECT_TRUE(seen.messages.empty());
}

TEST_F(UdpTest, OnlyTheChosenSenderIsTaken)
{
    NmeaLink link(settings, seen.hooks());
    ASSERT_EQ(link.openUdp(0, QStringLiteral("127.0.0.1")), 1);
    const auto port = static_cast<quint16>(link.udpPort());
    QUdpSocket other;
    if (!other.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0))
        GTEST_SKIP() << "no 127.0.0.2 on this machine";
    QUdpSocket chosen;
    ASSERT_TRUE(chosen.bind(QHostAddress::LocalHost, 0));
    // The other's comes first: once the chosen one's is read, it was seen and dropped.
    send(other, {"$OTHER*00\r\n"}, port);
    send(chosen, {"$CHOSEN*00\r\n"}, port);
    EXPECT_EQ(readUntil(link, 12, 2048), QByteArray("$CHOSEN*00\r\n"));
}

TEST(UdpSenderFilter, SameHostWhateverTheFamily)
{
    const struct {
        const char* wanted;
        const char* sender;
        bool accepted;
    } cases[] = {
        {"", "192.168.1.7", true},
        {"127.0.0.1", "127.0.0.1", true},
        {"127.0.0.1", "::ffff:127.0.0.1", true},
        {"127.0.0.1", "127.0.0.2", false},
        {"::1", "127.0.0.1", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(udpSenderAccepted(QHostAddress(QString::fromUtf8(c.wanted)),
                                    QHostAddress(QString::fromUtf8(c.sender))),
                  c.accepted)
            << c.wanted << " / " << c.sender;
}

TEST_F(UdpTest, PortInUseIsSaidAndTheSourceStays)
{
    QUdpSocket occupant;
    ASSERT_TRUE(occupant.bind(QHostAddress::AnyIPv4, 0));
    NmeaDataPath path(settings, clock, seen.hooks());
    path.disconnectSource();
    EXPECT_EQ(path.connectUdp(occupant.localPort(), QString()), 0);
    EXPECT_EQ(path.link.sourceKind(), SourceNone);
    ASSERT_EQ(seen.messages.size(), 1u);
    EXPECT_EQ(seen.messages[0],
              "Cannot listen on UDP port " + std::to_string(occupant.localPort()) +
                  ": the port is in use");
}

TEST(UdpListenFailure, SaysWhy)
{
    // A port below 1024 without the right to it cannot be tried here: the
    // tests may run as root.
    EXPECT_EQ(udpListenFailureText(123, QAbstractSocket::SocketAccessError, "ignored"),
              "Cannot listen on UDP port 123: permission denied");
    EXPECT_EQ(udpListenFailureText(10110, QAbstractSocket::AddressInUseError, "ignored"),
              "Cannot listen on UDP port 10110: the port is in use");
    EXPECT_EQ(udpListenFailureText(10110, QAbstractSocket::UnknownSocketError, "Out of luck"),
              "Cannot listen on UDP port 10110: Out of luck");
}

TEST_F(UdpTest, RelaySendsEachBlockAsOneDatagram)
{
    QUdpSocket receiver;
    ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
    CNetServer server(0, seen.hooks(), true);
    EXPECT_TRUE(server.loopbackOnly());
    server.setUdpDestinations({{"127.0.0.1", receiver.localPort()}});
    const QList<QByteArray> blocks = {"$GPGGA,1*00\r\n", QByteArray(2048, 'x'), "$GPRMC,2*00\r\n"};
    for (const QByteArray& block : blocks) server.broadcast(block.constData(), block.size());
    QList<QByteArray> got;
    pumpUntil([&] {
        while (receiver.hasPendingDatagrams()) got.append(receiver.receiveDatagram().data());
        return got.size() >= blocks.size();
    });
    EXPECT_EQ(got, blocks);
}

} // namespace
