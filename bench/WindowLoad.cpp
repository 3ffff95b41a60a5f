// The window program's own cost: plays the sample log with every monitor
// window open and every gauge's smoothing on (each gauge then redraws ten
// times a second), offscreen, and reports the program's CPU share of one
// core over a stretch after the start.
//   build/dev/bench/window_load [seconds=30] [speed=fast]

#include "ProcessCpu.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    const QString speed = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("fast");
    constexpr int kWarmUpSeconds = 3;
    QTemporaryDir folder;
    const QString settingsFile = folder.filePath(QStringLiteral("settings.conf"));
    {
        QSettings settings(settingsFile, QSettings::IniFormat);
        for (const char* section : {"Speedometer", "Altimeter", "Compass", "Vertical Speed"})
            settings.setValue(QStringLiteral("%1/Filter").arg(QLatin1String(section)), 1);
    }

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), folder.path());
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(ORBILUNEX_PROGRAM),
                  {"--play", QStringLiteral(SAMPLE_LOG), "--speed", speed, "--open", "all",
                   "--settings", settingsFile,
                   // A snapshot run answers the closing questions unattended.
                   "--snapshot", folder.filePath(QStringLiteral("snapshot")), "--after",
                   QString::number(seconds + kWarmUpSeconds + 2)});
    if (!program.waitForStarted()) return 1;
    const qint64 pid = program.processId();

    QThread::sleep(kWarmUpSeconds);
    const double start = processCpuSeconds(pid);
    QThread::sleep(static_cast<unsigned long>(seconds));
    const double end = processCpuSeconds(pid);
    program.waitForFinished(30000);
    if (start < 0 || end < 0) {
        std::fprintf(stderr, "window_load: could not read the program's CPU time\n");
        return 1;
    }
    std::printf("window_load: all windows open, smoothing on, playing at %s: %.2f %% of one "
                "core over %d s\n",
                qPrintable(speed), 100.0 * (end - start) / seconds, seconds);
    return 0;
}
