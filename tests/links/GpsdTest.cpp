#include "LinkTestUtil.h"

#include "links/Clock.h"
#include "links/NetServer.h"
#include "links/NmeaDataPath.h"
#include "tests/common/NmeaSentence.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

using namespace orbilunex;
using namespace orbilunex::test;

namespace {

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
    return probe.serverPort();
}

// A TCP server on loopback that keeps the sockets of whoever connects, to
// play a receiver behind gpsd or a server that is not gpsd.
class LoopbackServer {
public:
    LoopbackServer()
    {
        listening = server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                peers.append(socket);
                if (!greeting.isEmpty()) socket->write(greeting);
            }
        });
    }
    void sendToAll(const QByteArray& bytes)
    {
        for (QTcpSocket* socket : peers) socket->write(bytes);
    }

    QTcpServer server;
    QList<QTcpSocket*> peers; // owned by the server
    QByteArray greeting;      // written to every peer as it connects
    bool listening = false;
};

// Runs a real gpsd on a loopback port of its own (never the system's 2947),
// reading a receiver played by a loopback server. gpsd runs under timeout(1)
// so that it cannot outlive a test that dies.
class GpsdTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(receiver.listening);
        gpsdProgram = QStandardPaths::findExecutable(QStringLiteral("gpsd"));
        if (gpsdProgram.isEmpty())
            gpsdProgram = QStandardPaths::findExecutable(
                QStringLiteral("gpsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        ASSERT_FALSE(gpsdProgram.isEmpty()) << "gpsd is needed: run scripts/setup";
    }

    void TearDown() override
    {
        if (gpsd.state() == QProcess::NotRunning) return;
        gpsd.terminate(); // timeout(1) passes it on to gpsd
        if (!gpsd.waitForFinished(3000)) {
            gpsd.kill();
            gpsd.waitForFinished(3000);
        }
    }

    // Starts gpsd (foreground, no waiting for clients, read-only on its
    // source) and waits until it reads the receiver and takes clients.
    void startGpsd()
    {
        gpsdPort = freeLoopbackPort();
        ASSERT_NE(gpsdPort, 0);
        gpsd.setProcessChannelMode(QProcess::MergedChannels);
        gpsd.start(QStringLiteral("timeout"),
                   {QStringLiteral("--kill-after=5"), QStringLiteral("120"), gpsdProgram,
                    QStringLiteral("-N"), QStringLiteral("-n"), QStringLiteral("-b"),
                    QStringLiteral("-S"), QString::number(gpsdPort), QStringLiteral("-F"),
                    folder.filePath(QStringLiteral("control")),
                    QStringLiteral("tcp://127.0.0.1:%1").arg(receiver.server.serverPort())});
        ASSERT_TRUE(gpsd.waitForStarted(5000));
        ASSERT_TRUE(pumpUntil([&] { return !receiver.peers.isEmpty(); }, 10000))
            << "gpsd did not open its source: " << gpsd.readAll().constData();
        QTcpSocket probe;
        ASSERT_TRUE(pumpUntil(
            [&] {
                if (probe.state() == QAbstractSocket::ConnectedState) return true;
                if (probe.state() == QAbstractSocket::UnconnectedState)
                    probe.connectToHost(QHostAddress::LocalHost, gpsdPort);
                return false;
            },
            10000))
            << "gpsd does not listen: " << gpsd.readAll().constData();
    }

    QTemporaryDir folder;
    QString gpsdProgram;
    LoopbackServer receiver;
    QProcess gpsd;
    quint16 gpsdPort = 0;
    MemorySettingsStore settings;
    SystemClock clock;
    RecordingHooks seen;
};

TEST_F(GpsdTest, StreamIsDecodedRecordedAndRelayedWithoutGpsdsReports)
{
    ASSERT_NO_FATAL_FAILURE(startGpsd());
    NmeaDataPath path(settings, clock, seen.hooks());
    ASSERT_EQ(path.connectGpsd(QStringLiteral("127.0.0.1"), gpsdPort), 1)
        << (seen.messages.empty() ? std::string() : seen.messages.front());
    EXPECT_EQ(path.link.sourceKind(), SourceGpsd);
    const QString recording = folder.filePath(QStringLiteral("recorded.txt"));
    ASSERT_TRUE(path.startRecording(recording, 0));
    path.link.enableServer(0);
    QTcpSocket relayClient;
    QByteArray relayed;
    QObject::connect(&relayClient, &QTcpSocket::readyRead, [&] { relayed += relayClient.readAll(); });
    relayClient.connectToHost(QHostAddress::LocalHost, path.link.server()->serverPort());
    ASSERT_TRUE(relayClient.waitForConnected(5000));

    // The first 600 lines of the sample log reach their first fixes.
    const QByteArray log = readAll(QString::fromUtf8(SAMPLE_DATA_DIR) + "/sample.nmea");
    QByteArray part;
    for (const QByteArray& line : log.split('\n').mid(0, 600)) part += line + '\n';
    NmeaParser expected;
    expected.feed(part.constData(), static_cast<std::size_t>(part.size()));
    ASSERT_EQ(expected.gpsState().fixQuality, 1) << "the part must end with a fix";

    receiver.sendToAll(part);
    const GpsState& gps = path.gps();
    const GpsState& want = expected.gpsState();
    EXPECT_TRUE(pumpUntil(
        [&] {
            path.tick();
            return gps.ggaHour == want.ggaHour && gps.ggaMinute == want.ggaMinute &&
                   gps.ggaSecond == want.ggaSecond;
        },
        15000))
        << "no GGA of " << int(want.ggaMinute) << ":" << int(want.ggaSecond) << " came through";
    EXPECT_EQ(gps.latitude, want.latitude);
    EXPECT_EQ(gps.longitude, want.longitude);
    EXPECT_EQ(gps.altitude, want.altitude);
    EXPECT_EQ(gps.fixQuality, want.fixQuality);
    EXPECT_EQ(gps.satellitesUsed, want.satellitesUsed);
    EXPECT_EQ(path.parser.checksumFailureCount(), 0);

    // The recording holds gpsd's copy of the log's lines and none of its
    // JSON; the relay sends the same bytes.
    pumpFor(200);
    path.stopRecording();
    const QByteArray recorded = readAll(recording);
    ASSERT_FALSE(recorded.isEmpty());
    EXPECT_FALSE(recorded.contains('{')) << recorded.left(300).constData();
    int lines = 0;
    // The last line may have been cut by the end of the recording.
    for (const QByteArray& line : recorded.left(recorded.lastIndexOf('\n')).split('\n')) {
        if (line.isEmpty()) continue;
        ++lines;
        EXPECT_TRUE(part.contains(line.trimmed() + "\r\n")) << line.constData();
    }
    EXPECT_GT(lines, 300);
    pumpUntil([&] { return relayed.size() >= recorded.size(); }, 3000);
    EXPECT_TRUE(relayed == recorded);
}

TEST(GpsdBurst, NmeaBehindABurstOfReportsIsDecodedWithinACoupleOfTicks)
{
    // gpsd played by a loopback server: it greets, then sends 2 MB of its
    // reports and one fix behind them.
    LoopbackServer fakeGpsd;
    ASSERT_TRUE(fakeGpsd.listening);
    fakeGpsd.greeting = "{\"class\":\"VERSION\",\"release\":\"3.22\",\"proto_major\":3}\n";
    MemorySettingsStore settings;
    SystemClock clock;
    RecordingHooks seen;
    NmeaDataPath path(settings, clock, seen.hooks());
    ASSERT_EQ(path.connectGpsd(QStringLiteral("127.0.0.1"), fakeGpsd.server.serverPort()), 1);
    ASSERT_EQ(fakeGpsd.peers.size(), 1);

    const QByteArray report =
        "{\"class\":\"SKY\",\"device\":\"/dev/ttyUSB0\",\"satellites\":[{\"PRN\":5,"
        "\"el\":42.0,\"az\":120.0,\"ss\":38.0,\"used\":true}]}\r\n";
    QByteArray burst;
    while (burst.size() < 2 * 1024 * 1024) burst += report;
    burst += QByteArray::fromStdString(
        sentence("GPGGA,101500.00,4716.7820,N,01120.8885,E,1,08,1.2,602.8,M,48.3,M,,"));
    QTcpSocket* peer = fakeGpsd.peers.front();
    peer->write(burst);
    ASSERT_TRUE(pumpUntil([&] { return peer->bytesToWrite() == 0; }, 15000))
        << "the client stopped taking gpsd's bytes: " << peer->bytesToWrite() << " left";

    int ticks = 0;
    while (ticks < 10 && path.gps().ggaCount == 0) {
        pumpFor(NmeaDataPath::kTickMs);
        path.tick();
        ++ticks;
    }
    EXPECT_EQ(path.gps().ggaCount, 1);
    EXPECT_LE(ticks, 3) << "the fix waited behind the reports";
    EXPECT_EQ(path.parser.checksumFailureCount(), 0);
    EXPECT_TRUE(seen.messages.empty());
}

struct RefusedCase {
    const char* legend;
    bool listening;        // a server on the port
    const char* greeting;  // what it says first
    const char* expected;  // the message, with %1 for the port
};

TEST(GpsdConnect, ServerThatIsNotGpsdOrNotThereIsSaidSo)
{
    MemorySettingsStore settings;
    SystemClock clock;
    const RefusedCase cases[] = {
        {"nothing listens", false, "",
         "Could not connect to gpsd at 127.0.0.1:%1: connection refused. Is gpsd running?"},
        {"a silent server", true, "",
         "The server at 127.0.0.1:%1 is not gpsd: it did not greet as gpsd does."},
        {"a server that sends NMEA", true, "$GPZDA,094700.00,21,05,2026,00,00*6C\r\n",
         "The server at 127.0.0.1:%1 is not gpsd: it did not greet as gpsd does."},
    };
    for (const auto& c : cases) {
        LoopbackServer other;
        other.greeting = c.greeting;
        const quint16 port = c.listening ? other.server.serverPort() : freeLoopbackPort();
        RecordingHooks shown;
        NmeaDataPath path(settings, clock, shown.hooks());
        EXPECT_EQ(path.connectGpsd(QStringLiteral("127.0.0.1"), port), 0) << c.legend;
        EXPECT_EQ(path.link.sourceKind(), SourceNone) << c.legend;
        ASSERT_EQ(shown.messages.size(), 1u) << c.legend;
        EXPECT_EQ(shown.messages[0], QString::fromUtf8(c.expected).arg(port).toStdString())
            << c.legend;
    }
}

} // namespace
