// The main window's commands: connecting, recording, windows, settings,
// files and printing.

#include "app/CommunicationDialog.h"
#include "app/GeneralSettingsDialog.h"
#include "app/MainFrame.h"
#include "app/NetworkConnectDialog.h"
#include "app/NetworkServerDialog.h"
#include "app/OrbilunexApp.h"
#include "app/RecordFileDialog.h"
#include "app/UdpConnectDialog.h"
#include "app/WindowKindList.h"
#include "framework/ChildFrame.h"
#include "framework/Document.h"
#include "framework/HostView.h"
#include "framework/Prompter.h"
#include "links/LinkTexts.h"
#include "links/NetServer.h"
#include "links/SerialPortMap.h"
#include "settings/NetworkSettings.h"
#include "settings/SerialSettings.h"
#include "settings/SettingsStore.h"
#include "shell/Commands.h"

#include <QMdiArea>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

namespace orbilunex {

namespace {

// A serial port is given this long to settle after it was closed.
constexpr int kSerialReopenDelayMs = 300;

} // namespace

void CMainFrame::runCommand(int id)
{
    using namespace commands;
    if (const WindowKind* kind = windowKinds().byCommand(id)) {
        app.showWindowOfKind(kind->code);
        updateInterface();
        return;
    }
    switch (id) {
    case kConnectSerial: connectSerial(); break;
    case kConnectNetwork: connectNetwork(); break;
    case kConnectGpsd: connectGpsd(); break;
    case kConnectUdp: connectUdp(); break;
    case kConnectFile: connectFile(); break;
    case kDisconnect:
        forgetStoredPortFailure();
        path.disconnectSource();
        break;
    case kNetworkServer: toggleServer(); break;
    case kRecordStart: startRecording(); break;
    case kRecordStop: path.stopRecording(); break;
    case kGeneralSettings: generalSettings(); break;
    case kPlaySlow: path.setPlaybackSpeed(PlaySlow); break;
    case kPlayMedium: path.setPlaybackSpeed(PlayMedium); break;
    case kPlayFast: path.setPlaybackSpeed(PlayFast); break;
    case kPlayFastest: path.setPlaybackSpeed(PlayFastest); break;
    case kViewMainToolbar: toolBars[0]->setVisible(!toolBars[0]->isVisible()); break;
    case kViewWindowToolbar: toolBars[1]->setVisible(!toolBars[1]->isVisible()); break;
    case kViewConnectToolbar: toolBars[2]->setVisible(!toolBars[2]->isVisible()); break;
    case kViewRecordToolbar: toolBars[3]->setVisible(!toolBars[3]->isVisible()); break;
    case kViewStatusBar: statusBar()->setVisible(!statusBar()->isVisible()); break;
    case kAppAbout: about(); break;
    case kContextHelp: QWhatsThis::enterWhatsThisMode(); break;
    case kAppExit: close(); break;
    case kWindowCascade: mdi->cascadeSubWindows(); break;
    case kWindowTile:
    case kWindowArrange: mdi->tileSubWindows(); break;
    case kFileOpen: fileOpen(); break;
    case kFileSave: fileSave(false); break;
    case kFileSaveAs: fileSave(true); break;
    case kFileExport:
        if (CChildFrame* active = activeFrame(); active != nullptr && active->view() != nullptr)
            active->view()->exportData();
        break;
    case kFilePrint: filePrint(false); break;
    case kFilePrintPreview: filePrint(true); break;
    case kFilePrintSetup: {
        QPrinter printer;
        QPrintDialog dialog(&printer, this);
        app.prompter().runDialog(dialog);
        break;
    }
    default: break;
    }
    updateInterface();
}

void CMainFrame::connectSerial()
{
    SettingsStore& settings = app.settings();
    CommunicationDialog dialog(
        readSetting(settings, settings::serial::kPort), readSetting(settings, settings::serial::kBaud),
        [&settings](int port) { return QString::fromStdString(serialDeviceForPort(settings, port)); },
        this, presentSerialPorts());
    if (!app.prompter().runDialog(dialog)) return;
    forgetStoredPortFailure();
    const int port = dialog.port();
    const int baud = dialog.baud();
    writeSetting(settings, settings::serial::kPort, port);
    writeSetting(settings, settings::serial::kBaud, baud);
    if (port >= kFirstSerialPort && port <= kLastSerialPort &&
        dialog.devicePath().toStdString() != serialDeviceForPort(settings, port))
        setSerialDeviceForPort(settings, port, dialog.devicePath().toStdString());
    path.disconnectSource();
    path.link.setDeviceOverride(QString());
    // The port is opened again after a pause, without holding up the window.
    QTimer::singleShot(kSerialReopenDelayMs, this, [this, port, baud] {
        if (closing) return;
        if (path.connectSerial(port, baud) == 0) app.prompter().warn(this, serialFailureMessage());
        updateInterface();
    });
}

void CMainFrame::connectNetwork()
{
    SettingsStore& settings = app.settings();
    NetworkConnectDialog dialog(
        QString::fromStdString(readSetting(settings, settings::network::kNetAddress)),
        readSetting(settings, settings::network::kConnectToPort), app.prompter(), this);
    if (!app.prompter().runDialog(dialog)) return;
    forgetStoredPortFailure();
    // Failure is shown by the link; the values are kept either way.
    path.connectNetwork(dialog.address(), dialog.port());
    writeSetting(settings, settings::network::kNetAddress, dialog.address().toStdString());
    writeSetting(settings, settings::network::kConnectToPort, dialog.port());
}

void CMainFrame::connectGpsd()
{
    SettingsStore& settings = app.settings();
    NetworkConnectDialog dialog(
        QString::fromStdString(readSetting(settings, settings::network::kGpsdHost)),
        readSetting(settings, settings::network::kGpsdPort), app.prompter(), this);
    dialog.setWindowTitle(QStringLiteral("Connect to gpsd"));
    if (!app.prompter().runDialog(dialog)) return;
    forgetStoredPortFailure();
    // The link says why a connect failed; the values are kept either way.
    path.connectGpsd(dialog.address(), dialog.port());
    writeSetting(settings, settings::network::kGpsdHost, dialog.address().toStdString());
    writeSetting(settings, settings::network::kGpsdPort, dialog.port());
}

void CMainFrame::connectUdp()
{
    SettingsStore& settings = app.settings();
    UdpConnectDialog dialog(readSetting(settings, settings::udp::kPort),
                            QString::fromStdString(readSetting(settings, settings::udp::kSender)),
                            app.prompter(), this);
    if (!app.prompter().runDialog(dialog)) return;
    forgetStoredPortFailure();
    // The link says why a port cannot be listened on; the values are kept either way.
    path.connectUdp(dialog.port(), dialog.sender());
    writeSetting(settings, settings::udp::kPort, dialog.port());
    writeSetting(settings, settings::udp::kSender, dialog.sender().toStdString());
}

void CMainFrame::connectFile()
{
    const QString file = app.prompter().chooseOpenFile(
        this, QStringLiteral("Connect to file"), QString::fromUtf8(texts::kNmeaOpenFilters),
        QString::fromUtf8(texts::kNmeaFileSuffix));
    if (file.isEmpty()) return;
    forgetStoredPortFailure();
    path.connectFile(file);
}

void CMainFrame::toggleServer()
{
    if (path.link.serverEnabled()) {
        path.link.disableServer();
        return;
    }
    SettingsStore& settings = app.settings();
    NetworkServerDialog dialog(
        readSetting(settings, settings::network::kServerPort),
        readSetting(settings, settings::network::kMaxConnections), app.prompter(), this);
    dialog.setLoopbackOnly(readSetting(settings, settings::network::kServerLoopbackOnly) == 1);
    dialog.setUdpDestinations(
        QString::fromStdString(readSetting(settings, settings::network::kUdpDestinations)));
    if (!app.prompter().runDialog(dialog)) return;
    path.link.enableServer(dialog.port(), dialog.loopbackOnly());
    path.link.server()->setMaxConnections(dialog.maxConnections());
    path.link.server()->setUdpDestinations(dialog.udpDestinations());
    writeSetting(settings, settings::network::kServerPort, dialog.port());
    writeSetting(settings, settings::network::kMaxConnections, dialog.maxConnections());
    writeSetting(settings, settings::network::kServerLoopbackOnly, dialog.loopbackOnly() ? 1 : 0);
    writeSetting(settings, settings::network::kUdpDestinations,
                 dialog.udpDestinationsText().trimmed().toStdString());
}

void CMainFrame::startRecording()
{
    if (path.recorder.active()) {
        if (app.prompter().askYesNo(this, QString::fromUtf8(texts::kAlreadyRecording)) !=
            Prompter::Answer::Yes)
            return;
        path.stopRecording();
    }
    CRecordFileDialog dialog(this);
    if (!app.prompter().runDialog(dialog)) return;
    path.startRecording(dialog.selectedPath(), dialog.durationHours());
}

void CMainFrame::generalSettings()
{
    GeneralSettingsDialog dialog(app.settings(), this, &app.prompter());
    if (!app.prompter().runDialog(dialog)) return;
    applySatelliteSystems();
    // Every window shows the new units and drawing at once, the attitude
    // indicator too, which has no timer of its own.
    for (CHostView* view : findChildren<CHostView*>()) view->tick();
    for (QWidget* widget : findChildren<QWidget*>()) widget->update();
    update();
}

void CMainFrame::about()
{
    app.prompter().inform(this, QStringLiteral("Orbilunex %1\n\nA monitor for GPS receivers that "
                                               "speak NMEA-0183.")
                                    .arg(QStringLiteral(ORBILUNEX_VERSION)));
}

void CMainFrame::fileOpen()
{
    CChildFrame* frame = activeFrame();
    if (frame == nullptr || frame->document() == nullptr) return;
    frame->document()->onFileOpen(app.prompter(), this);
}

void CMainFrame::fileSave(bool saveAs)
{
    CChildFrame* frame = activeFrame();
    if (frame == nullptr || frame->document() == nullptr) return;
    frame->document()->doSave(app.prompter(), this, saveAs);
}

void CMainFrame::filePrint(bool preview)
{
    CChildFrame* frame = activeFrame();
    if (frame == nullptr || frame->view() == nullptr) return;
    CView* view = frame->view();
    QPrinter printer(QPrinter::HighResolution);
    auto paint = [view](QPrinter* target) {
        QPainter painter(target);
        // The painter's origin is the corner of the printable area.
        const QSize printable = target->pageLayout().paintRectPixels(target->resolution()).size();
        view->printPage(painter, QRect(QPoint(0, 0), printable), target->resolution());
    };
    if (preview) {
        QPrintPreviewDialog dialog(&printer, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, paint);
        app.prompter().runDialog(dialog);
        return;
    }
    QPrintDialog dialog(&printer, this);
    if (app.prompter().runDialog(dialog)) paint(&printer);
}

} // namespace orbilunex
