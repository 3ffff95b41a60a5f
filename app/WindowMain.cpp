#include "app/WindowMain.h"

#include "app/MainFrame.h"
#include "app/OrbilunexApp.h"
#include "app/Snapshot.h"
#include "framework/Prompter.h"
#include "links/Clock.h"
#include "links/IniSettingsStore.h"
#include "links/NetServer.h"
#include "settings/NetworkSettings.h"
#include "settings/SerialSettings.h"
#include "shell/UdpDestinations.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace orbilunex {

namespace {

bool namesSource(const CommandLineOptions& o)
{
    return !o.serialDevice.empty() || o.baud > 0 || !o.playFile.empty() ||
           !o.connectHost.empty() || !o.gpsdHost.empty() || o.udpPort >= 0;
}

// What the command line asks of the data path; the stored serial port was
// opened as on every start unless it names a source. A port named here that cannot be opened is
// reported as the Connect command reports it.
void applySources(const CommandLineOptions& o, SettingsStore& settings, CMainFrame& frame,
                  Prompter& prompter)
{
    NmeaDataPath& path = frame.dataPath();
    if (o.allSystems) frame.setAllSystemsOverride(true);
    if (namesSource(o)) frame.forgetStoredPortFailure();
    if (!o.serialDevice.empty() || o.baud > 0) {
        path.link.setDeviceOverride(QString::fromStdString(o.serialDevice));
        const int port = readSetting(settings, settings::serial::kPort);
        const int baud = o.baud > 0 ? o.baud
                                    : readSetting(settings, settings::serial::kBaud);
        if (path.connectSerial(port, baud) == 0) prompter.warn(&frame, frame.serialFailureMessage());
    }
    if (!o.playFile.empty()) {
        if (o.speed >= 0) path.setPlaybackSpeed(o.speed);
        path.connectFile(QString::fromStdString(o.playFile));
    }
    if (!o.connectHost.empty())
        path.connectNetwork(QString::fromStdString(o.connectHost), o.connectPort);
    if (!o.gpsdHost.empty()) path.connectGpsd(QString::fromStdString(o.gpsdHost), o.gpsdPort);
    if (o.udpPort >= 0) path.connectUdp(o.udpPort, QString());
    if (o.servePort >= 0) {
        path.link.enableServer(o.servePort,
                               o.serveLocal ||
                                   readSetting(settings, settings::network::kServerLoopbackOnly) == 1);
        path.link.server()->setUdpDestinations(!o.udpSend.empty() ? o.udpSend
                                                                  : storedUdpDestinations(settings));
        path.link.server()->setMaxConnections(
            o.maxClients > 0 ? o.maxClients
                             : readSetting(settings, settings::network::kMaxConnections));
    }
    if (!o.recordFile.empty())
        path.startRecording(QString::fromStdString(o.recordFile), o.recordHours);
    frame.updateInterface();
}

} // namespace

int runWindow(const CommandLineOptions& o)
{
    IniSettingsStore settings(resolveSettingsPath(o.settingsFile));
    SystemClock clock;
    // Nobody may be at the screen of a snapshot or timed run: nothing waits
    // for a click, messages go to stderr.
    std::unique_ptr<Prompter> prompter;
    if (o.snapshotDir.empty() && o.quitAfterSeconds < 0)
        prompter = std::make_unique<WidgetPrompter>();
    else
        prompter = std::make_unique<UnattendedPrompter>();

    COrbilunexApp app(settings, *prompter, clock);
    if (!app.initInstance(!namesSource(o))) return 1;
    CMainFrame* frame = app.mainFrame();
    // A refused settings file (a pipe, a huge file) is said at once; one that
    // cannot be written is said the first time a write fails.
    if (!settings.refusal().empty())
        prompter->warn(frame, QString::fromStdString(settings.refusal()));
    settings.setWriteFailureHandler([&prompter, frame](const std::string& text) {
        prompter->warn(frame, QString::fromStdString(text));
    });
    applySources(o, settings, *frame, *prompter);
    for (int code : o.openKinds) app.showWindowOfKind(code);

    int exitCode = 0;
    if (!o.snapshotDir.empty()) {
        QTimer::singleShot(static_cast<int>(o.snapshotAfter * 1000), frame, [&] {
            QString error;
            if (!writeSnapshot(app, QString::fromStdString(o.snapshotDir), &error)) {
                std::fprintf(stderr, "orbilunex: snapshot: %s\n", error.toLocal8Bit().constData());
                exitCode = 1;
            }
            if (!frame->quitUnattended()) exitCode = 1;
        });
    }
    // Nobody is there to answer a save question: unsaved documents go to
    // recovery files instead.
    if (o.quitAfterSeconds >= 0)
        QTimer::singleShot(static_cast<int>(o.quitAfterSeconds * 1000), frame, [&exitCode, frame] {
            if (!frame->quitUnattended()) exitCode = 1;
        });
    const int result = QApplication::exec();
    // The layout written at close, while a failure can still be told.
    settings.sync();
    settings.setWriteFailureHandler(nullptr);
    return exitCode != 0 ? exitCode : result;
}

} // namespace orbilunex
