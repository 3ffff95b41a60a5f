#include "app/HeadlessRunner.h"

#include "links/Clock.h"
#include "links/IniSettingsStore.h"
#include "links/NetServer.h"
#include "links/NmeaDataPath.h"
#include "settings/GeneralSettings.h"
#include "settings/NetworkSettings.h"
#include "settings/SerialSettings.h"
#include "shell/Alarms.h"
#include "shell/StatusTexts.h"
#include "shell/SystemsHint.h"
#include "shell/UdpDestinations.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace orbilunex {

namespace {

// SIGINT and SIGTERM are turned into a byte on this pair, so the event loop
// can stop in an orderly way (closing the recording) outside the handler.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

bool installSignalHandlers()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return false;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGINT, &action, nullptr) == 0 && sigaction(SIGTERM, &action, nullptr) == 0;
}

void printLine(const std::string& text)
{
    std::fputs(text.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string statusLine(const NmeaDataPath& path)
{
    const GpsState& gps = path.gps();
    return sourcePaneText(path.link.sourceKind(), path.health(),
                          path.link.waitingForDevice().toStdString()) +
           " | " + fixQualityText(gps.fixQuality) + " | " + fixTypeText(gps.fixType) + " | " +
           satellitesText(gps.satellitesUsed) + " | " + path.recorder.statusText() + " | " +
           sentenceCountsText(path.parser.sentenceCount(), path.parser.checksumFailureCount());
}

// Opens the source the options name (the stored serial port by default).
bool openSource(const CommandLineOptions& o, const SettingsStore& settings, NmeaDataPath& path)
{
    if (!o.playFile.empty()) {
        if (o.speed >= 0) path.setPlaybackSpeed(o.speed);
        path.connectFile(QString::fromStdString(o.playFile));
        return path.link.sourceOpen();
    }
    if (!o.connectHost.empty())
        return path.connectNetwork(QString::fromStdString(o.connectHost), o.connectPort) == 1;
    if (!o.gpsdHost.empty())
        return path.connectGpsd(QString::fromStdString(o.gpsdHost), o.gpsdPort) == 1;
    if (o.udpPort >= 0) {
        if (path.connectUdp(o.udpPort, QString()) != 1) return false;
        // Senders may start once this is printed (and learn a port picked for them).
        printLine("Listening on UDP port " + std::to_string(path.link.udpPort()));
        return true;
    }

    const int port = readSetting(settings, settings::serial::kPort);
    const int baud = o.baud > 0 ? o.baud
                                : readSetting(settings, settings::serial::kBaud);
    path.link.setDeviceOverride(QString::fromStdString(o.serialDevice));
    if (path.connectSerial(port, baud) == 1) return true;
    std::fprintf(stderr, "orbilunex: %s\n",
                 serialFailureReason(path.link.lastSerialFailure(),
                                     path.link.lastSerialErrorCode(),
                                     path.link.serialDevicePath().toStdString())
                     .c_str());
    return false;
}

bool startServer(const CommandLineOptions& o, const SettingsStore& settings, NmeaDataPath& path)
{
    if (o.servePort < 0) return true;
    path.link.enableServer(o.servePort,
                           o.serveLocal ||
                               readSetting(settings, settings::network::kServerLoopbackOnly) == 1);
    CNetServer* server = path.link.server();
    if (!server->isListening()) return false;
    server->setUdpDestinations(!o.udpSend.empty() ? o.udpSend : storedUdpDestinations(settings));
    server->setMaxConnections(o.maxClients > 0
                                  ? o.maxClients
                                  : readSetting(settings, settings::network::kMaxConnections));
    printLine("Serving on port " + std::to_string(server->serverPort()));
    return true;
}

} // namespace

int runHeadless(const CommandLineOptions& o)
{
    IniSettingsStore settings(resolveSettingsPath(o.settingsFile));
    if (!settings.refusal().empty())
        std::fprintf(stderr, "orbilunex: %s\n", settings.refusal().c_str());
    SystemClock clock;
    LinkHooks hooks;
    hooks.message = [](const std::string& text) {
        std::fprintf(stderr, "orbilunex: %s\n", text.c_str());
    };
    NmeaDataPath path(settings, clock, hooks);
    path.parser.setAllSystems(o.allSystems ||
                              readSetting(settings, settings::general::kSatelliteSystems) ==
                                  settings::general::kAllSystems);

    if (!openSource(o, settings, path) || !startServer(o, settings, path)) return 1;
    if (!o.recordFile.empty() &&
        !path.startRecording(QString::fromStdString(o.recordFile), o.recordHours))
        return 1;

    if (!installSignalHandlers()) {
        std::fprintf(stderr, "orbilunex: cannot install signal handlers\n");
        return 1;
    }
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, qApp, &QCoreApplication::quit);

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&path] {
        // One line as an alarm goes active and one as it clears.
        for (const std::optional<AlarmChange>& change : path.tick().alarms)
            if (change) std::fprintf(stderr, "%s\n", alarmText(*change).c_str());
    });
    poll.start(NmeaDataPath::kTickMs);
    QTimer status;
    bool hintSaid = false;
    QObject::connect(&status, &QTimer::timeout, [&] {
        printLine(statusLine(path));
        // Said once each time it comes on, not every second.
        if (path.systemsHintShowing() && !hintSaid)
            std::fprintf(stderr, "orbilunex: %s (or give --all-systems)\n", kSystemsHintDetail);
        hintSaid = path.systemsHintShowing();
    });
    status.start(1000);
    if (o.quitAfterSeconds >= 0)
        QTimer::singleShot(static_cast<int>(o.quitAfterSeconds * 1000), qApp, &QCoreApplication::quit);

    QCoreApplication::exec();

    // Everything read so far is already in the file; close it and the links.
    path.stopRecording();
    path.link.disableServer();
    path.link.close();
    printLine(statusLine(path));
    // A recording that failed on the way lost data: scripts must hear of it.
    return path.recorder.failed() ? 1 : 0;
}

} // namespace orbilunex
