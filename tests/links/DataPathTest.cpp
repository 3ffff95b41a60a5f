#include "LinkTestUtil.h"

#include "links/Clock.h"
#include "links/LinkTexts.h"
#include "links/NetServer.h"
#include "links/NmeaDataPath.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace orbilunex;
using namespace orbilunex::test;

namespace {

class DataPathTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    MemorySettingsStore settings;
    ManualClock clock{1'000'000};
    RecordingHooks seen;
    NmeaDataPath path{settings, clock, seen.hooks()};

    QString tempFile(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
};

TEST_F(DataPathTest, BlockSizeFollowsSourceAndSpeed)
{
    struct Case {
        const char* legend;
        int speed;
        int expected;
    };
    path.connectFile(samplePath("sample-lf.nmea"));
    const Case cases[] = {
        {"slow", PlaySlow, 50}, {"medium", PlayMedium, 256}, {"fast", PlayFast, 1000},
        {"fastest", PlayFastest, 2000}, {"unknown speed reads like medium", 9, 256},
    };
    for (const auto& c : cases) {
        path.setPlaybackSpeed(c.speed);
        EXPECT_EQ(path.blockSize(), c.expected) << c.legend;
        EXPECT_EQ(path.tick().bytesRead, c.expected) << c.legend << ": one read per tick";
    }
    path.disconnectSource();
    path.setPlaybackSpeed(PlayFastest);
    EXPECT_EQ(path.blockSize(), NmeaDataPath::kLiveBlockSize)
        << "live sources read in the same blocks whatever the speed";
}

TEST_F(DataPathTest, RecordingIsAByteCopyAtEverySpeed)
{
    const QByteArray log = readAll(samplePath("sample-lf.nmea"));
    for (int speed : {PlaySlow, PlayMedium, PlayFast, PlayFastest}) {
        const QString recording = tempFile("speed.txt");
        path.setPlaybackSpeed(speed);
        path.connectFile(samplePath("sample-lf.nmea"));
        ASSERT_TRUE(path.startRecording(recording, 0));
        EXPECT_EQ(path.recorder.statusText(), "Recording NMEA");
        int ticks = 0;
        while (path.tick().bytesRead > 0) ++ticks;
        EXPECT_EQ(ticks, (log.size() + playbackBlockSize(speed) - 1) / playbackBlockSize(speed));
        EXPECT_EQ(path.link.sourceKind(), SourceFile) << "the end of the file keeps the source";
        path.stopRecording();
        EXPECT_EQ(readAll(recording), log) << "speed " << speed;
    }
    EXPECT_TRUE(seen.messages.empty());
}

TEST_F(DataPathTest, LampSeesNewSentencesOnlyWhenTheCountChanges)
{
    path.connectFile(samplePath("sample-lf.nmea"));
    path.setPlaybackSpeed(PlaySlow);
    // The file starts with a sentence longer than 50 bytes: no sentence
    // completes in the first tick, one does in the second.
    EXPECT_FALSE(path.tick().newSentences);
    bool sawNew = false;
    for (int i = 0; i < 3; ++i) sawNew = path.tick().newSentences || sawNew;
    EXPECT_TRUE(sawNew);
    EXPECT_EQ(path.lastBlockSize(), 50);
    EXPECT_EQ(path.lastBlock()[50], '\0') << "the block is handed on as text";
}

TEST_F(DataPathTest, OneHourRecordingStopsWhenLessThanASecondIsLeft)
{
    ASSERT_TRUE(path.startRecording(tempFile("hour.txt"), 1));
    clock.advance(1);
    EXPECT_EQ(path.recorder.statusText(), "Recording: 00:59:59");
    clock.advance(3598); // one second left
    path.tick();
    EXPECT_TRUE(path.recorder.active());
    EXPECT_EQ(path.recorder.statusText(), "Recording: 00:00:01");
    clock.advance(1);
    path.tick();
    EXPECT_FALSE(path.recorder.active());
    EXPECT_EQ(path.recorder.statusText(), "Data capture off");
    ASSERT_EQ(seen.messages.size(), 1u);
    EXPECT_EQ(seen.messages[0], texts::kRecordingExpired);
}

TEST_F(DataPathTest, UnlimitedAndNegativeDurations)
{
    ASSERT_TRUE(path.startRecording(tempFile("forever.txt"), 0));
    clock.advance(10 * 365 * 24 * 3600LL);
    EXPECT_FALSE(path.checkRecordingDuration());
    EXPECT_TRUE(path.recorder.active());

    ASSERT_TRUE(path.startRecording(tempFile("negative.txt"), -1));
    EXPECT_TRUE(path.checkRecordingDuration()) << "a negative duration has already expired";
    EXPECT_FALSE(path.recorder.active());
}

TEST_F(DataPathTest, RecordingFileThatCannotBeCreatedIsReported)
{
    EXPECT_FALSE(path.startRecording(tempFile("no-such-folder/rec.txt"), 0));
    EXPECT_FALSE(path.recorder.active());
    ASSERT_EQ(seen.messages.size(), 1u);
    EXPECT_NE(seen.messages[0].find("no-such-folder/rec.txt"), std::string::npos);
    EXPECT_EQ(path.recorder.statusText(), "Data capture off");
}

TEST_F(DataPathTest, RecordingToAFifoIsRefusedAtOnce)
{
    // Opening a pipe with no reader for writing would wait for one forever.
    const QString fifo = tempFile("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(path.startRecording(fifo, 0));
    EXPECT_FALSE(path.recorder.active());
    ASSERT_EQ(seen.messages.size(), 1u);
    EXPECT_EQ(seen.messages[0],
              "Cannot create the recording file " + fifo.toStdString() + ": not a regular file");
}

TEST_F(DataPathTest, FailedWriteStopsTheRecording)
{
    // Under a file size limit of nothing every write fails, as on a full
    // disk (the signal that would end the process is ignored meanwhile).
    struct NoRoomToWrite {
        rlimit saved = {};
        void (*savedHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
        NoRoomToWrite()
        {
            getrlimit(RLIMIT_FSIZE, &saved);
            rlimit none = saved;
            none.rlim_cur = 0;
            setrlimit(RLIMIT_FSIZE, &none);
        }
        ~NoRoomToWrite()
        {
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, savedHandler);
        }
    };
    path.connectFile(samplePath("sample-lf.nmea"));
    ASSERT_TRUE(path.startRecording(tempFile("full.txt"), 0));
    const NoRoomToWrite full;
    EXPECT_GT(path.tick().bytesRead, 0) << "the data still reaches the parser";
    EXPECT_FALSE(path.recorder.active());
    ASSERT_EQ(seen.messages.size(), 1u);
    EXPECT_NE(seen.messages[0].find("Recording stopped"), std::string::npos);
    path.tick();
    EXPECT_EQ(seen.messages.size(), 1u) << "said once";
}

TEST_F(DataPathTest, RecordingWhoseFileOrFolderIsRemovedStops)
{
    struct Case {
        const char* legend;
        bool wholeFolder;
    };
    for (const Case& c : {Case{"the file removed", false}, Case{"its folder removed", true}}) {
        SCOPED_TRACE(c.legend);
        RecordingHooks shown;
        NmeaDataPath recording{settings, clock, shown.hooks()};
        const QString folderPath = tempFile(c.wholeFolder ? "gone" : "kept");
        ASSERT_TRUE(QDir().mkpath(folderPath));
        const QString file = folderPath + QStringLiteral("/rec.txt");
        recording.connectFile(samplePath("sample-lf.nmea"));
        ASSERT_TRUE(recording.startRecording(file, 0));
        recording.tick();
        ASSERT_GT(QFileInfo(file).size(), 0);
        if (c.wholeFolder)
            ASSERT_TRUE(QDir(folderPath).removeRecursively());
        else
            ASSERT_TRUE(QFile::remove(file));

        EXPECT_GT(recording.tick().bytesRead, 0);
        EXPECT_TRUE(recording.recorder.active()) << "looked at once a second, not at every write";
        clock.advance(1);
        EXPECT_GT(recording.tick().bytesRead, 0) << "the data still reaches the parser";
        EXPECT_FALSE(recording.recorder.active());
        EXPECT_TRUE(recording.recorder.failed());
        EXPECT_EQ(recording.recorder.statusText(), "Data capture off");
        ASSERT_EQ(shown.messages.size(), 1u);
        EXPECT_EQ(shown.messages[0], "Recording stopped: " + file.toStdString() + " was removed");
        clock.advance(1);
        recording.tick();
        EXPECT_EQ(shown.messages.size(), 1u) << "said once";
    }
}

TEST_F(DataPathTest, PlaybackFileThatCannotBeOpened)
{
    EXPECT_EQ(path.connectFile(tempFile("missing.nmea")), 1);
    EXPECT_EQ(path.link.sourceKind(), SourceFile);
    ASSERT_EQ(seen.messages.size(), 1u);
    EXPECT_EQ(seen.messages[0], texts::kFileError);
    EXPECT_EQ(path.tick().bytesRead, 0);
}

TEST_F(DataPathTest, SpeedChangeTakesEffectAtTheNextTick)
{
    path.connectFile(samplePath("sample-lf.nmea"));
    path.setPlaybackSpeed(PlayMedium);
    EXPECT_EQ(path.tick().bytesRead, 256);
    path.setPlaybackSpeed(PlayFast);
    EXPECT_EQ(path.tick().bytesRead, 1000);
}

TEST_F(DataPathTest, StalledRelayClientNeverHoldsUpATick)
{
    // A relay client that reads nothing: once the kernel buffers towards it
    // are full, the ticks must still read whole blocks without waiting, and
    // no timer tick may find another one under way.
    QByteArray big;
    const QByteArray log = readAll(samplePath("sample-lf.nmea"));
    while (big.size() < 24 * 1024 * 1024) big += log;
    const QString bigFile = tempFile("big.nmea");
    QFile out(bigFile);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(big);
    out.close();

    path.link.enableServer(0);
    QTcpSocket stalled;
    stalled.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
    stalled.setReadBufferSize(1);
    stalled.connectToHost(QStringLiteral("127.0.0.1"), path.link.server()->serverPort());
    ASSERT_TRUE(pumpUntil([&] { return path.link.server()->clientCount() == 1; }));

    path.connectFile(bigFile);
    path.setPlaybackSpeed(PlayFastest);
    int skipped = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { skipped += path.tick().skipped; });
    timer.start(20);
    qint64 total = 0;
    qint64 slowestTickMs = 0;
    QElapsedTimer watch;
    while (path.link.server()->clientCount() == 1 && total < big.size()) {
        watch.start();
        total += path.tick().bytesRead;
        slowestTickMs = std::max(slowestTickMs, watch.elapsed());
        QCoreApplication::processEvents();
    }
    timer.stop();
    EXPECT_EQ(path.link.server()->clientCount(), 0) << "the stalled client was dropped";
    EXPECT_LT(slowestTickMs, 1000) << "a tick waited for the stalled client";
    EXPECT_EQ(skipped, 0) << "a timer tick ran inside another";
}

} // namespace
