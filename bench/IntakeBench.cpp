// Serial intake at a receiver's rate: a child process plays a receiver on
// the master side of a pseudo-terminal, writing the sample log at a steady
// rate without ever waiting (what the terminal will not take is dropped, as a
// UART drops what does not fit), while this process runs NmeaDataPath on the
// other side every 100 ms with recording on. Reports the sustained intake,
// the bytes lost (offered against recorded), whether the recording is a byte
// copy, the longest tick and this process's CPU.
//   build/ci/bench/intake_bench [bytes-per-second=20000] [seconds=20]

#include "ProcessCpu.h"

#include "links/Clock.h"
#include "links/NmeaDataPath.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace orbilunex;

namespace {

struct FeedCount {
    long long offered = 0;
    long long accepted = 0;
};

void addNanoseconds(timespec& t, long long ns)
{
    t.tv_nsec += ns;
    while (t.tv_nsec >= 1'000'000'000) {
        t.tv_nsec -= 1'000'000'000;
        ++t.tv_sec;
    }
}

// The receiver: every 10 ms the bytes due so far, cycling through the log.
FeedCount feed(int master, const QByteArray& log, long long rate, int seconds)
{
    constexpr long long kStepNs = 10'000'000;
    const long long steps = static_cast<long long>(seconds) * 100;
    FeedCount count;
    long long at = 0;
    timespec next;
    clock_gettime(CLOCK_MONOTONIC, &next);
    for (long long step = 1; step <= steps; ++step) {
        const long long due = rate * step / 100 - count.offered;
        count.offered += due;
        for (long long left = due; left > 0;) {
            const long long n = std::min(left, static_cast<long long>(log.size()) - at);
            const ssize_t written = ::write(master, log.constData() + at, static_cast<size_t>(n));
            if (written <= 0) break; // full: the rest of this step is dropped
            count.accepted += written;
            left -= written;
            at = (at + written) % log.size();
        }
        addNanoseconds(next, kStepNs);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) == EINTR) {
        }
    }
    return count;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const long long rate = argc > 1 ? std::atoll(argv[1]) : 20000;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;
    if (rate <= 0 || seconds <= 0) {
        std::fprintf(stderr, "usage: intake_bench [bytes-per-second] [seconds]\n");
        return 2;
    }
    QFile sample(QStringLiteral(SAMPLE_LOG));
    if (!sample.open(QIODevice::ReadOnly)) return 1;
    const QByteArray log = sample.readAll();

    termios raw = {};
    cfmakeraw(&raw);
    int master = -1;
    int slave = -1;
    if (openpty(&master, &slave, nullptr, &raw, nullptr) != 0) return 1;
    const QString device = QString::fromLocal8Bit(ttyname(slave));

    MemorySettingsStore settings;
    SystemClock clock;
    LinkHooks hooks;
    hooks.message = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
    NmeaDataPath path(settings, clock, hooks);
    path.link.setDeviceOverride(device);
    if (path.connectSerial(1, 115200) != 1) return 1;
    ::close(slave);
    QTemporaryDir folder;
    const QString recording = folder.filePath(QStringLiteral("intake.txt"));
    if (!path.startRecording(recording, 0)) return 1;

    int report[2];
    if (::pipe(report) != 0) return 1;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(report[0]);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        const FeedCount count = feed(master, log, rate, seconds);
        [[maybe_unused]] const ssize_t n = ::write(report[1], &count, sizeof count);
        ::_exit(0);
    }
    ::close(report[1]);

    const double cpuBefore = processCpuSeconds(::getpid());
    QElapsedTimer wall;
    wall.start();
    qint64 longestTickNs = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QElapsedTimer tick;
        tick.start();
        path.tick();
        longestTickNs = std::max(longestTickNs, tick.nsecsElapsed());
    });
    poll.start(NmeaDataPath::kTickMs);
    // The feed's time, then a second for what is still on its way.
    QTimer::singleShot((seconds + 1) * 1000, &app, &QCoreApplication::quit);
    QCoreApplication::exec();
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
    const double cpu = processCpuSeconds(::getpid()) - cpuBefore;

    FeedCount count;
    const bool counted = ::read(report[0], &count, sizeof count) == sizeof count;
    ::waitpid(child, nullptr, 0);
    path.stopRecording();
    if (!counted) return 1;
    const QByteArray recorded = [&] {
        QFile file(recording);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QByteArray expected;
    while (expected.size() < count.accepted) expected += log;
    expected.truncate(static_cast<qsizetype>(count.accepted));
    const long long lost = count.offered - recorded.size();

    std::printf("fed %lld B/s for %d s\n", rate, seconds);
    std::printf("offered %lld B, taken by the terminal %lld B, recorded %lld B, lost %lld B "
                "(%.2f %%)\n",
                count.offered, count.accepted, static_cast<long long>(recorded.size()), lost,
                100.0 * static_cast<double>(lost) / static_cast<double>(count.offered));
    // What the terminal took is one unbroken run of the log, whatever it
    // dropped: the recording must be a prefix of it.
    std::printf("sustained intake %.0f B/s, recording a byte copy: %s, sentences %d\n",
                static_cast<double>(recorded.size()) / seconds,
                recorded == expected.left(recorded.size()) ? "yes" : "no", path.sentenceCount());
    std::printf("CPU %.2f s over %.1f s = %.2f %% of one core, longest tick %.1f ms\n", cpu,
                elapsed, 100.0 * cpu / elapsed, static_cast<double>(longestTickNs) / 1e6);
    return lost == 0 && recorded == expected ? 0 : 1;
}
