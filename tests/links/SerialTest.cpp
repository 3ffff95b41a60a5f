#include "LinkTestUtil.h"

#include "links/Clock.h"
#include "links/LinkTexts.h"
#include "links/NmeaDataPath.h"
#include "links/NmeaLink.h"
#include "links/SerialPortMap.h"
#include "tests/common/HangGuard.h"
#include "tests/common/NmeaSentence.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <cmath>
#include <sys/stat.h>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

using namespace orbilunex;
using namespace orbilunex::test;

namespace {

// A pseudo-terminal pair made by socat: the link opens one end, the test
// plays the receiver on the other.
class SerialTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        linkEnd = folder.filePath(QStringLiteral("gps"));
        receiverEnd = folder.filePath(QStringLiteral("receiver"));
        plugIn();
    }

    // Makes the pair at the same two paths, as a receiver plugged in again
    // comes back under its old name.
    void plugIn()
    {
        socat.start(QStringLiteral("socat"),
                    {QStringLiteral("pty,raw,echo=0,link=") + linkEnd,
                     QStringLiteral("pty,raw,echo=0,link=") + receiverEnd});
        ASSERT_TRUE(socat.waitForStarted(5000)) << "socat is needed: run scripts/setup";
        ASSERT_TRUE(pumpUntil([&] {
            return QFileInfo::exists(linkEnd) && QFileInfo::exists(receiverEnd);
        }));
        receiver.setPortName(receiverEnd);
        ASSERT_TRUE(receiver.open(QIODevice::ReadWrite));
    }

    void TearDown() override { unplug(); }

    // socat ends on SIGTERM and removes its links, as the device node of an
    // unplugged receiver goes.
    void unplug()
    {
        receiver.close();
        socat.terminate();
        socat.waitForFinished(3000);
    }

    // Reads from the link until `count` bytes came or time ran out.
    QByteArray readFromLink(NmeaLink& link, int count)
    {
        QByteArray got;
        char buffer[256];
        pumpUntil([&] {
            const int n = link.read(buffer, sizeof buffer);
            got.append(buffer, n);
            return got.size() >= count;
        });
        return got;
    }

    QTemporaryDir folder;
    QString linkEnd;
    QString receiverEnd;
    QProcess socat;
    QSerialPort receiver;
    MemorySettingsStore settings;
    RecordingHooks seen;
};

TEST_F(SerialTest, BytesArriveIntact)
{
    NmeaLink link(settings, seen.hooks());
    link.setDeviceOverride(linkEnd);
    link.configure(1, 4800, 0, 8, 0);
    ASSERT_EQ(link.openSerial(), 1) << "pseudo-terminals refuse DTR/RTS; that must not matter";
    EXPECT_EQ(link.sourceKind(), SourceSerial);

    QByteArray sent;
    for (int i = 0; i < 256; ++i) sent.append(static_cast<char>(i)); // every byte value
    sent += readAll(samplePath("sample-lf.nmea")).left(20000);
    receiver.write(sent);
    ASSERT_TRUE(receiver.waitForBytesWritten(5000));
    EXPECT_EQ(readFromLink(link, sent.size()), sent);
}

TEST_F(SerialTest, CloseAndReopen)
{
    NmeaLink link(settings, seen.hooks());
    link.setDeviceOverride(linkEnd);
    ASSERT_EQ(link.openSerial(), 1);
    EXPECT_EQ(link.close(), 0);
    EXPECT_EQ(link.sourceKind(), SourceNone);
    char buffer[16];
    EXPECT_EQ(link.read(buffer, sizeof buffer), 0);

    ASSERT_EQ(link.openSerial(), 1);
    receiver.write("$GPZDA*44\r\n");
    ASSERT_TRUE(receiver.waitForBytesWritten(5000));
    EXPECT_EQ(readFromLink(link, 11), QByteArray("$GPZDA*44\r\n"));
}

TEST_F(SerialTest, SecondOpenOfAPortInUseIsAccessDenied)
{
    NmeaLink first(settings, seen.hooks());
    first.setDeviceOverride(linkEnd);
    ASSERT_EQ(first.openSerial(), 1);
    NmeaLink second(settings, seen.hooks());
    second.setDeviceOverride(linkEnd);
    second.close(); // kind 0, to see that a failed open leaves it
    EXPECT_EQ(second.openSerial(), 0);
    EXPECT_EQ(second.lastSerialFailure(), SerialOpenFailure::AccessDenied);
    EXPECT_EQ(second.sourceKind(), SourceNone);
    EXPECT_EQ(serialOpenFailureText(second.lastSerialFailure(), 0), texts::kPortAccessDenied);
}

TEST_F(SerialTest, DeviceThatDisappearsLeavesTheLinkReadingNothing)
{
    NmeaLink link(settings, seen.hooks());
    link.setDeviceOverride(linkEnd);
    ASSERT_EQ(link.openSerial(), 1);
    receiver.write("$GP");
    ASSERT_TRUE(receiver.waitForBytesWritten(5000));
    readFromLink(link, 3);
    socat.kill(); // the USB cable is pulled
    socat.waitForFinished(3000);
    char buffer[256];
    int total = 0;
    pumpUntil([&] { total += link.read(buffer, sizeof buffer); return false; }, 500);
    EXPECT_EQ(total, 0);
    EXPECT_EQ(link.sourceKind(), SourceSerial);
}

TEST_F(SerialTest, DataPathTakesEverythingWaitingAtEachTick)
{
    // A receiver at 115200 baud sends some 11.5 kB a second; here 60 kB
    // arrive at once and ten ticks must take all of them, every byte decoded
    // and recorded.
    ManualClock clock{1'000'000};
    NmeaDataPath path(settings, clock, seen.hooks());
    path.link.setDeviceOverride(linkEnd);
    ASSERT_EQ(path.connectSerial(1, 115200), 1);
    const QString recording = folder.filePath(QStringLiteral("burst.txt"));
    ASSERT_TRUE(path.startRecording(recording, 0));

    const QByteArray sent = readAll(samplePath("sample-lf.nmea")).left(60000);
    receiver.write(sent);
    qint64 read = 0;
    for (int tick = 0; tick < 10; ++tick) {
        pumpFor(NmeaDataPath::kTickMs);
        read += path.tick().bytesRead;
    }
    path.stopRecording();
    EXPECT_EQ(read, sent.size());
    EXPECT_TRUE(readAll(recording) == sent) << "recorded " << readAll(recording).size();
    NmeaParser reference;
    reference.feed(sent.constData(), static_cast<std::size_t>(sent.size()));
    EXPECT_GT(reference.sentenceCount(), 500);
    EXPECT_EQ(path.sentenceCount(), reference.sentenceCount());
    EXPECT_TRUE(seen.messages.empty());
}

TEST_F(SerialTest, UnpluggedReceiverResumesWhenPluggedBackIn)
{
    SystemClock clock;
    NmeaDataPath path(settings, clock, seen.hooks());
    path.link.setDeviceOverride(linkEnd);
    ASSERT_EQ(path.connectSerial(1, 4800), 1);
    auto decodedLatitude = [&](double latitude) {
        return pumpUntil([&] {
            path.tick();
            return std::abs(path.gps().latitude - latitude) < 1e-9;
        });
    };
    receiver.write(QByteArray::fromStdString(
        sentence("GPGGA,101500.00,4716.7820,N,01120.8885,E,1,08,1.2,602.8,M,48.3,M,,")));
    ASSERT_TRUE(receiver.waitForBytesWritten(5000));
    ASSERT_TRUE(decodedLatitude(47.0 + 16.7820 / 60));

    unplug();
    ASSERT_TRUE(pumpUntil([&] {
        path.tick();
        return path.link.waitingForDevice() == linkEnd;
    })) << "the link notices that the device went";
    EXPECT_EQ(path.link.sourceKind(), SourceSerial);

    ASSERT_NO_FATAL_FAILURE(plugIn());
    ASSERT_TRUE(pumpUntil([&] {
        path.tick();
        return path.link.sourceOpen();
    }, 3 * NmeaLink::kDeviceRetryMs)) << "opened again within a retry or two";
    EXPECT_EQ(path.link.waitingForDevice(), QString());
    receiver.write(QByteArray::fromStdString(
        sentence("GPGGA,101501.00,4816.7820,N,01120.8885,E,1,08,1.2,602.8,M,48.3,M,,")));
    ASSERT_TRUE(receiver.waitForBytesWritten(5000));
    EXPECT_TRUE(decodedLatitude(48.0 + 16.7820 / 60)) << "sentences after the replug are decoded";

    // Disconnect stops the looking.
    unplug();
    ASSERT_TRUE(pumpUntil([&] {
        path.tick();
        return !path.link.waitingForDevice().isEmpty();
    }));
    path.disconnectSource();
    EXPECT_EQ(path.link.waitingForDevice(), QString());
    ASSERT_NO_FATAL_FAILURE(plugIn());
    pumpFor(NmeaLink::kDeviceRetryMs + 500);
    EXPECT_FALSE(path.link.sourceOpen());
    EXPECT_EQ(path.link.sourceKind(), SourceNone);
}

TEST(SerialOpen, MissingDevicesAreNotFound)
{
    MemorySettingsStore settings;
    RecordingHooks seen;
    NmeaLink link(settings, seen.hooks());
    struct Case {
        const char* legend;
        int port;
        const char* override;
    };
    const Case cases[] = {
        {"device path that does not exist", 1, "/dev/orbilunex-no-such-device"},
        {"port 0 stands for no device", 0, ""},
        {"port 17 stands for no device", 17, ""},
    };
    for (const auto& c : cases) {
        link.configure(c.port, 4800, 0, 8, 0);
        link.setDeviceOverride(QString::fromUtf8(c.override));
        EXPECT_EQ(link.openSerial(), 0) << c.legend;
        EXPECT_EQ(link.lastSerialFailure(), SerialOpenFailure::NotFound) << c.legend;
        EXPECT_EQ(link.sourceKind(), SourceSerial) << c.legend << ": a failed open keeps the kind";
    }
    EXPECT_TRUE(seen.messages.empty()) << "the link itself shows nothing";
}

TEST(SerialOpen, WhatIsNoSerialPortIsSaidAsWhatItIs)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string base = folder.path().toStdString();
    ASSERT_EQ(::mkfifo((base + "/pipe").c_str(), 0600), 0);
    QFile plain(folder.filePath(QStringLiteral("log.txt")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    struct Case {
        std::string path;
        SerialOpenFailure failure;
        std::string text;
    };
    const Case cases[] = {
        {base, SerialOpenFailure::NotADevice, base + " is a directory, not a serial port"},
        {base + "/pipe", SerialOpenFailure::NotADevice,
         base + "/pipe is a named pipe (FIFO), not a serial port"},
        {base + "/log.txt", SerialOpenFailure::NotADevice,
         base + "/log.txt is a plain file; use Connect to File to play it back"},
        {base + "/ttyUSB9", SerialOpenFailure::NotFound, base + "/ttyUSB9 not found"},
    };
    MemorySettingsStore settings;
    NmeaLink link(settings, LinkHooks{});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        link.setDeviceOverride(QString::fromStdString(c.path));
        const HangGuard guard("opening " + c.path, std::chrono::seconds(20));
        EXPECT_EQ(link.openSerial(), 0);
        EXPECT_EQ(link.lastSerialFailure(), c.failure);
        EXPECT_EQ(serialFailureReason(link.lastSerialFailure(), link.lastSerialErrorCode(), c.path),
                  c.text);
    }
}

TEST(SerialOpen, FailureTexts)
{
    EXPECT_EQ(serialOpenFailureText(SerialOpenFailure::NotFound, 0),
              "Communication Port Not Found!\n\nThe communications port does not exist. Check "
              "your system configuration on the status of this Communication port");
    EXPECT_EQ(serialOpenFailureText(SerialOpenFailure::Other, 12),
              "Comm Open Error![12]\n\n The communications port may be in use at this time. "
              "Please choose another port or close the application using the desired port.");
}

TEST(SerialPortMap, NumbersStandForDevicePaths)
{
    MemorySettingsStore settings;
    EXPECT_EQ(serialDeviceForPort(settings, 1), "/dev/ttyUSB0");
    EXPECT_EQ(serialDeviceForPort(settings, 3), "/dev/ttyACM0");
    EXPECT_EQ(serialDeviceForPort(settings, 0), "");
    EXPECT_EQ(serialDeviceForPort(settings, 17), "");
    setSerialDeviceForPort(settings, 3, "/dev/serial/by-id/usb-gps");
    EXPECT_EQ(serialDeviceForPort(settings, 3), "/dev/serial/by-id/usb-gps");
    setSerialDeviceForPort(settings, 40, "/dev/x");
    EXPECT_EQ(serialDeviceForPort(settings, 40), "") << "outside the table nothing is stored";

    NmeaLink link(settings, LinkHooks{});
    link.configure(3, 9600, 0, 8, 0);
    EXPECT_EQ(link.serialDevicePath(), QStringLiteral("/dev/serial/by-id/usb-gps"));
    link.setDeviceOverride(QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(link.serialDevicePath(), QStringLiteral("/dev/pts/7"));
}

} // namespace
