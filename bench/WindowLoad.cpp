// What the window program costs per second once it runs: all ten windows
// open, offscreen, in four situations, each the CPU share of one core the
// program used between kSettleSeconds after its start and `seconds` later
// (the marginal cost: start-up and closing left out).
//   build/dev/bench/window_load [--seconds N] [--repeat N] [--compare PROGRAM]
//                               [idle|slow-plain|slow|fast ...]
// With --compare, each situation runs with PROGRAM (an earlier build, say)
// and with this build in turn, so that both figures come from the same
// minutes of the same machine; with --repeat, the median of the runs.

#include "ProcessCpu.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kSettleSeconds = 5;

struct Situation {
    const char* name;
    const char* legend;
    const char* speed; // nullptr: no source at all
    bool smoothing;    // every gauge's filter on, polling ten times a second
};

const Situation kSituations[] = {
    {"idle", "no source, every gauge smoothing", nullptr, true},
    {"slow-plain", "sample log at slow, no smoothing", "slow", false},
    {"slow", "sample log at slow, every gauge smoothing", "slow", true},
    {"fast", "sample log at fast, every gauge smoothing", "fast", true},
};

// The CPU share of one core, in per cent, or a negative number on failure.
double marginalShare(const QString& program, const Situation& situation, int seconds)
{
    QTemporaryDir folder;
    const QString settingsFile = folder.filePath(QStringLiteral("settings.conf"));
    {
        QSettings settings(settingsFile, QSettings::IniFormat);
        for (const char* section : {"Speedometer", "Altimeter", "Compass", "Vertical Speed"})
            settings.setValue(QStringLiteral("%1/Filter").arg(QLatin1String(section)),
                              situation.smoothing ? 1 : 0);
        // Port 0 names no device: the program starts with no source.
        settings.setValue(QStringLiteral("Serial Port Commmunications/Port"), 0);
    }
    QStringList arguments{"--open", "all", "--settings", settingsFile};
    if (situation.speed != nullptr)
        arguments << "--play" << QStringLiteral(SAMPLE_LOG) << "--speed"
                  << QString::fromLatin1(situation.speed);

    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), folder.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
    environment.insert(QStringLiteral("XDG_STATE_HOME"), folder.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path());
    run.setProcessEnvironment(environment);
    // The offscreen platform's notes would break up the table.
    run.setStandardOutputFile(QProcess::nullDevice());
    run.setStandardErrorFile(QProcess::nullDevice());
    run.start(program, arguments);
    if (!run.waitForStarted()) return -1;
    const qint64 pid = run.processId();
    QThread::sleep(kSettleSeconds);
    const double start = processCpuSeconds(pid);
    QThread::sleep(static_cast<unsigned long>(seconds));
    const double end = processCpuSeconds(pid);
    // Nothing of the closing is measured; the settings are thrown away.
    run.kill();
    run.waitForFinished(10000);
    if (start < 0 || end < 0) return -1;
    return 100.0 * (end - start) / seconds;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int usage()
{
    std::fprintf(stderr, "usage: window_load [--seconds N] [--repeat N] [--compare PROGRAM] "
                         "[idle|slow-plain|slow|fast ...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int seconds = 30;
    int repeat = 1;
    QString earlier;
    std::vector<const Situation*> chosen;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--seconds" && i + 1 < argc) {
            seconds = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--repeat" && i + 1 < argc) {
            repeat = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--compare" && i + 1 < argc) {
            earlier = QString::fromLocal8Bit(argv[++i]);
        } else {
            const auto found = std::find_if(
                std::begin(kSituations), std::end(kSituations),
                [&](const Situation& s) { return argument == s.name; });
            if (found == std::end(kSituations)) return usage();
            chosen.push_back(found);
        }
    }
    if (chosen.empty())
        for (const Situation& s : kSituations) chosen.push_back(&s);

    const QString current = QStringLiteral(ORBILUNEX_PROGRAM);
    std::printf("window_load: all ten windows open, offscreen; CPU share of one core from %d s "
                "after start over %d s%s\n",
                kSettleSeconds, seconds, repeat > 1 ? ", median of the runs" : "");
    if (earlier.isEmpty()) std::printf("%-52s %10s\n", "situation", "this build");
    else std::printf("%-52s %10s %10s\n", "situation", "compared", "this build");
    for (const Situation* situation : chosen) {
        std::vector<double> before;
        std::vector<double> after;
        for (int r = 0; r < repeat; ++r) {
            // In turn, so that a busy minute of the machine falls on both.
            if (!earlier.isEmpty()) before.push_back(marginalShare(earlier, *situation, seconds));
            after.push_back(marginalShare(current, *situation, seconds));
        }
        const bool failed = std::any_of(before.begin(), before.end(), [](double v) { return v < 0; }) ||
                            std::any_of(after.begin(), after.end(), [](double v) { return v < 0; });
        if (failed) {
            std::fprintf(stderr, "window_load: could not run or measure the program\n");
            return 1;
        }
        const std::string label = std::string(situation->name) + ": " + situation->legend;
        if (earlier.isEmpty())
            std::printf("%-52s %8.2f %%\n", label.c_str(), median(after));
        else
            std::printf("%-52s %8.2f %% %8.2f %%\n", label.c_str(), median(before), median(after));
        std::fflush(stdout);
    }
    return 0;
}
