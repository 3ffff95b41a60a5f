#include "LinkTestUtil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTcpSocket>
#include <QThread>
#include <QUdpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <random>

#include <sys/stat.h>

using namespace orbilunex::test;

namespace {

class HeadlessTest : public ::testing::Test {
protected:
    void start(QStringList arguments)
    {
        arguments << QStringLiteral("--settings") << folder.filePath(QStringLiteral("settings.conf"));
        program.start(QStringLiteral(ORBILUNEX_PROGRAM), arguments);
        ASSERT_TRUE(program.waitForStarted(5000));
    }

    // Waits for the "Serving on port N" line and returns N.
    quint16 servedPort()
    {
        QRegularExpression serving(QStringLiteral("Serving on port (\\d+)"));
        quint16 port = 0;
        pumpUntil([&] {
            output += program.readAllStandardOutput();
            const auto match = serving.match(QString::fromUtf8(output));
            if (match.hasMatch()) port = static_cast<quint16>(match.captured(1).toUInt());
            return port != 0;
        });
        return port;
    }

    QTemporaryDir folder;
    QProcess program;
    QByteArray output;
};

TEST_F(HeadlessTest, PlaysRecordsAndRelaysTheSameBytes)
{
    const QByteArray log = readAll(QString::fromUtf8(SAMPLE_DATA_DIR) + "/sample.nmea");
    const QString recording = folder.filePath(QStringLiteral("recorded.txt"));
    start({"--headless", "--play", QString::fromUtf8(SAMPLE_DATA_DIR) + "/sample.nmea", "--speed",
           "fastest", "--serve", "0", "--record", recording, "--quit-after", "3"});
    const quint16 port = servedPort();
    ASSERT_NE(port, 0);
    QTcpSocket client;
    QByteArray received;
    QObject::connect(&client, &QTcpSocket::readyRead, [&] { received += client.readAll(); });
    client.connectToHost(QStringLiteral("127.0.0.1"), port);
    ASSERT_TRUE(pumpUntil([&] { return program.state() == QProcess::NotRunning; }, 15000));
    pumpUntil([&] { return client.state() == QAbstractSocket::UnconnectedState; }, 2000);
    received += client.readAll();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    const QByteArray recorded = readAll(recording);
    ASSERT_GT(recorded.size(), 20000) << "about 20 kB a second at the fastest speed";
    EXPECT_TRUE(recorded == log.left(recorded.size())) << "the recording is the played prefix";
    // The client came a little after the start: it has the rest of that prefix.
    ASSERT_GT(received.size(), 0);
    EXPECT_TRUE(received == recorded.right(received.size()));
    output += program.readAllStandardOutput();
    EXPECT_TRUE(output.contains("File | Differential GPS, SPS Mode | 3D fix | Sats:")) << output.constData();
}

TEST_F(HeadlessTest, UdpDatagramsAreRecordedByteForByte)
{
    const QByteArray log = readAll(QString::fromUtf8(SAMPLE_DATA_DIR) + "/sample.nmea");
    ASSERT_GT(log.size(), 100000);
    const QString recording = folder.filePath(QStringLiteral("udp.txt"));
    start({"--headless", "--udp", "0", "--record", recording, "--quit-after", "50"});
    QRegularExpression listening(QStringLiteral("Listening on UDP port (\\d+)"));
    quint16 port = 0;
    pumpUntil([&] {
        output += program.readAllStandardOutput();
        const auto match = listening.match(QString::fromUtf8(output));
        if (match.hasMatch()) port = static_cast<quint16>(match.captured(1).toUInt());
        return port != 0;
    });
    ASSERT_NE(port, 0) << output.constData();

    // About 1 kB a datagram, cut at line ends; never far ahead of the
    // recording, so that no socket buffer overflows however slow the machine.
    QUdpSocket sender;
    qsizetype sent = 0;
    while (sent < log.size()) {
        qsizetype end = log.indexOf('\n', sent + 1000);
        end = end < 0 ? log.size() : end + 1;
        ASSERT_TRUE(pumpUntil([&] { return sent - QFileInfo(recording).size() < 64 * 1024; }, 10000));
        const QByteArray datagram = log.mid(sent, end - sent);
        ASSERT_EQ(sender.writeDatagram(datagram, QHostAddress::LocalHost, port), datagram.size());
        sent = end;
        QThread::usleep(500);
    }
    EXPECT_TRUE(pumpUntil([&] { return QFileInfo(recording).size() >= log.size(); }, 15000));
    EXPECT_TRUE(pumpUntil([&] {
        output += program.readAllStandardOutput();
        return output.contains("\nUDP | ");
    })) << "the status names the source";
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_TRUE(readAll(recording) == log) << "recorded " << readAll(recording).size() << " of "
                                           << log.size() << " bytes";
}

TEST_F(HeadlessTest, UdpPortInUseIsAnError)
{
    QUdpSocket occupant;
    ASSERT_TRUE(occupant.bind(QHostAddress::AnyIPv4, 0));
    start({"--headless", "--udp", QString::number(occupant.localPort()), "--quit-after", "30"});
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().contains(
        QStringLiteral("Cannot listen on UDP port %1: the port is in use")
            .arg(occupant.localPort())
            .toUtf8()));
}

TEST_F(HeadlessTest, MultiSystemReceiverUnderGpsOnlyGetsTheHint)
{
    start({"--headless", "--play", QString::fromUtf8(SAMPLE_DATA_DIR) + "/sample-multi.nmea",
           "--speed", "fastest", "--quit-after", "9"});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0);
    const QByteArray errors = program.readAllStandardError();
    EXPECT_TRUE(errors.contains("\"Satellite systems\" to \"All systems\"")) << errors.constData();
    EXPECT_TRUE(errors.contains("--all-systems"));
    EXPECT_EQ(errors.count("Satellite systems"), 1) << "said once, not every second";
}

TEST_F(HeadlessTest, TerminationClosesTheRecordingCleanly)
{
    const QString recording = folder.filePath(QStringLiteral("stopped.txt"));
    start({"--headless", "--play", samplePath("sample-lf.nmea"), "--speed", "slow", "--record",
           recording});
    pumpFor(1200);
    program.terminate(); // SIGTERM
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const QByteArray recorded = readAll(recording);
    EXPECT_GE(recorded.size(), 300);
    EXPECT_TRUE(recorded == readAll(samplePath("sample-lf.nmea")).left(recorded.size()));
    EXPECT_TRUE(program.readAllStandardOutput().contains("Data capture off"));
}

TEST_F(HeadlessTest, RecordingFolderRemovedWhileRunningStopsItAndFailsTheRun)
{
    const QString subfolder = folder.filePath(QStringLiteral("day"));
    ASSERT_TRUE(QDir().mkpath(subfolder));
    const QString recording = subfolder + QStringLiteral("/rec.txt");
    start({"--headless", "--play", QString::fromUtf8(SAMPLE_DATA_DIR) + "/sample.nmea", "--speed",
           "slow", "--record", recording});
    ASSERT_TRUE(pumpUntil([&] { return QFileInfo(recording).size() > 0; }));
    ASSERT_TRUE(QDir(subfolder).removeRecursively());
    const QByteArray said = ("Recording stopped: " + recording + " was removed").toUtf8();
    QByteArray errors;
    EXPECT_TRUE(pumpUntil(
        [&] {
            errors += program.readAllStandardError();
            return errors.contains(said);
        },
        10000))
        << errors.constData();
    program.terminate(); // the run itself goes on, playing
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1) << "data was lost";
}

TEST_F(HeadlessTest, StatusLineSaysWhenTheReceiverIsSilentOrSendsNoNmea)
{
    // The program reads one end of a pseudo-terminal pair; the test plays
    // the receiver on the other.
    const QString gpsEnd = folder.filePath(QStringLiteral("gps"));
    const QString receiverEnd = folder.filePath(QStringLiteral("receiver"));
    QProcess socat;
    socat.start(QStringLiteral("socat"), {QStringLiteral("pty,raw,echo=0,link=") + gpsEnd,
                                          QStringLiteral("pty,raw,echo=0,link=") + receiverEnd});
    ASSERT_TRUE(socat.waitForStarted(5000)) << "socat is needed: run scripts/setup";
    ASSERT_TRUE(pumpUntil([&] { return QFileInfo::exists(gpsEnd) && QFileInfo::exists(receiverEnd); }));
    start({"--headless", "--serial", gpsEnd, "--baud", "4800"});
    auto printed = [&](const char* text) {
        return pumpUntil(
            [&] {
                output += program.readAllStandardOutput();
                return output.contains(text);
            },
            8000);
    };
    EXPECT_TRUE(printed("RS-232 (no data) | ")) << output.constData();

    // A receiver at another baud rate: bytes, but never a sentence.
    QSerialPort receiver;
    receiver.setPortName(receiverEnd);
    ASSERT_TRUE(receiver.open(QIODevice::ReadWrite));
    std::mt19937 noise(7);
    QTimer sender;
    QObject::connect(&sender, &QTimer::timeout, [&] {
        QByteArray bytes;
        for (int i = 0; i < 48; ++i) bytes.append(static_cast<char>(noise() & 0xff));
        receiver.write(bytes);
    });
    sender.start(100);
    output.clear();
    EXPECT_TRUE(printed("RS-232 (no valid NMEA: check the baud rate) | ")) << output.constData();
    EXPECT_TRUE(output.contains("| Sentences: 0 good, ")) << output.constData();
    sender.stop();
    program.terminate();
    EXPECT_TRUE(program.waitForFinished(5000));
    receiver.close();
    socat.terminate();
    socat.waitForFinished(3000);
}

TEST_F(HeadlessTest, BadArgumentsGetUsageAndExitCode2)
{
    for (const QStringList& arguments :
         {QStringList{"--headless", "--speed", "warp"}, QStringList{"--headless", "--serve"},
          QStringList{"--headless", "--bogus", "1"}}) {
        QProcess run;
        run.start(QStringLiteral(ORBILUNEX_PROGRAM), arguments);
        ASSERT_TRUE(run.waitForFinished(5000));
        EXPECT_EQ(run.exitCode(), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.readAllStandardError().contains("usage: orbilunex"));
    }
}

TEST_F(HeadlessTest, MissingPlaybackFileIsAnError)
{
    start({"--headless", "--play", folder.filePath(QStringLiteral("missing.nmea"))});
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(program.readAllStandardError().contains("File Error!"));
}

TEST_F(HeadlessTest, PlayingAFifoIsRefusedAtOnce)
{
    // A pipe (or a terminal) would leave the program waiting in a read that
    // no signal or timer interrupts.
    const QString fifo = folder.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    start({"--headless", "--play", fifo, "--quit-after", "30"});
    ASSERT_TRUE(program.waitForFinished(5000)) << "still running";
    EXPECT_EQ(program.exitCode(), 1);
    const QByteArray errors = program.readAllStandardError();
    EXPECT_TRUE(errors.contains(("Cannot play " + fifo + ": not a regular file").toUtf8()))
        << errors.constData();
}

} // namespace
