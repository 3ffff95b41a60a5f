#include "app/MainFrame.h"

#include "app/OrbilunexApp.h"
#include "app/ToolIcons.h"
#include "app/WindowKindList.h"
#include "framework/ChildFrame.h"
#include "framework/Document.h"
#include "framework/PlacementGeometry.h"
#include "framework/Prompter.h"
#include "gauges/LedIndicator.h"
#include "links/LinkTexts.h"
#include "links/NetServer.h"
#include "settings/GeneralSettings.h"
#include "settings/SerialSettings.h"
#include "settings/SettingsStore.h"
#include "shell/Commands.h"
#include "shell/Recovery.h"
#include "shell/StatusTexts.h"
#include "shell/SystemsHint.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QTime>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace orbilunex {

namespace {

constexpr QSize kDefaultMainSize(1024, 720);

// Lamp image rows: no fix, fix, differential fix; all at row offset 128.
constexpr int kLampRowNoFix = 0;
constexpr int kLampRowFix = 16;
constexpr int kLampRowDifferential = 48;
constexpr int kLampRowOffset = 128;
constexpr int kLampLookIdle = 1;
constexpr int kLampFlashMs = 100;

// Sizing text and tool tip of each pane after the message pane.
struct PaneInfo {
    const char* sizing;
    const char* toolTip;
};
constexpr PaneInfo kPaneInfo[CMainFrame::PaneCount] = {
    {"Recording: 00:00:00", "NMEA recording status"},
    {"G   P   S     S   T   A   T   U   S", "Shows GPS quality"},
    {"RS-232", "GPS connection status"},
    {"Fix NA", "GPS Poaition fix type"}, // the tip as it has always read, misspelt
    {"Sats:00 ", "Satellites tracked"},
};
constexpr const char* kLampToolTip = "Blinks when NMEA data is received";

LinkHooks frameHooks(CMainFrame* frame, Prompter& prompter)
{
    LinkHooks hooks;
    hooks.message = [frame, &prompter](const std::string& text) {
        prompter.warn(frame, QString::fromStdString(text));
    };
    hooks.beep = [](unsigned) { QApplication::beep(); };
    return hooks;
}

} // namespace

CMainFrame::CMainFrame(COrbilunexApp& application)
    : app(application),
      path(application.settings(), application.clock(), frameHooks(this, application.prompter()))
{
    setObjectName(QStringLiteral("MainFrame"));
    mdi = new QMdiArea(this);
    mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi);
    connect(mdi, &QMdiArea::subWindowActivated, this, &CMainFrame::followActiveDocument);
    setWindowIcon(applicationIcon());
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    resize(kDefaultMainSize);
    updateCaption();
    connect(&poll, &QTimer::timeout, this, &CMainFrame::pollTick);
    applySatelliteSystems();
}

void CMainFrame::setAllSystemsOverride(bool all)
{
    allSystemsOverride = all;
    applySatelliteSystems();
}

void CMainFrame::applySatelliteSystems()
{
    path.parser.setAllSystems(allSystemsOverride ||
                              readSetting(app.settings(), settings::general::kSatelliteSystems) ==
                                  settings::general::kAllSystems);
}

CMainFrame::~CMainFrame()
{
    poll.stop();
    // Monitor windows go before the data path they read.
    mdi->closeAllSubWindows();
    for (QMdiSubWindow* window : mdi->subWindowList()) delete window;
}

QAction* CMainFrame::makeAction(int id, bool checkable)
{
    // A window kind's command has its texts in the kind's row.
    commands::CommandText text{id, "", nullptr, nullptr};
    if (const commands::CommandText* own = commands::commandText(id))
        text = *own;
    else if (const WindowKindDescriptor* kind = windowKindByCommand(id))
        text = {id, kind->kind.menuText, kind->kind.flyBy, kind->kind.toolTip};
    auto* action = new QAction(QString::fromUtf8(text.menuText), this);
    if (text.flyBy != nullptr) {
        action->setStatusTip(QString::fromUtf8(text.flyBy));
        action->setToolTip(QString::fromUtf8(text.toolTip));
    }
    action->setIcon(toolIcon(id));
    action->setCheckable(checkable);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
    actions[id] = action;
    return action;
}

void CMainFrame::createActions()
{
    using namespace commands;
    for (int id : {kFileOpen, kFileSave, kFileSaveAs, kFileExport, kFilePrint, kFilePrintPreview,
                   kFilePrintSetup, kAppExit, kEditCut, kEditCopy, kEditPaste, kAppAbout,
                   kContextHelp, kWindowCascade, kWindowTile, kWindowArrange, kConnectFile,
                   kGeneralSettings})
        makeAction(id);
    for (int id : {kConnectSerial, kConnectNetwork, kConnectGpsd, kConnectUdp, kDisconnect,
                   kNetworkServer, kRecordStart, kPlayFastest, kPlayFast, kPlayMedium, kPlaySlow,
                   kViewMainToolbar, kViewWindowToolbar, kViewConnectToolbar, kViewRecordToolbar,
                   kViewStatusBar})
        makeAction(id, true);
    actions[kConnectFile]->setCheckable(true);
    makeAction(kRecordStop);
    for (const WindowKind* kind : windowKinds().inMenuOrder()) makeAction(kind->command);
    actions[kFileOpen]->setShortcut(QKeySequence::Open);
    actions[kFileSave]->setShortcut(QKeySequence::Save);
    actions[kFilePrint]->setShortcut(QKeySequence::Print);
}

void CMainFrame::createMenus()
{
    using namespace commands;
    auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == kSeparator)
                menu->addSeparator();
            else
                menu->addAction(actions[id]);
        }
    };
    add(menuBar()->addMenu(QStringLiteral("&File")),
        {kFileOpen, kFileSave, kFileSaveAs, kFileExport, kSeparator, kFilePrint, kFilePrintPreview,
         kFilePrintSetup, kSeparator, kAppExit});
    add(menuBar()->addMenu(QStringLiteral("&Edit")), {kEditCut, kEditCopy, kEditPaste});
    add(menuBar()->addMenu(QStringLiteral("&View")),
        {kViewMainToolbar, kViewWindowToolbar, kViewConnectToolbar, kViewRecordToolbar,
         kViewStatusBar, kSeparator, kGeneralSettings});
    QMenu* connectMenu = menuBar()->addMenu(QStringLiteral("&Connect"));
    add(connectMenu, {kConnectSerial, kConnectNetwork, kConnectGpsd, kConnectUdp, kConnectFile});
    playbackMenu = connectMenu->addMenu(QStringLiteral("Playback"));
    add(playbackMenu, {kPlayFastest, kPlayFast, kPlayMedium, kPlaySlow});
    add(connectMenu, {kSeparator, kDisconnect, kSeparator, kNetworkServer});
    add(menuBar()->addMenu(QStringLiteral("&Record NMEA")), {kRecordStart, kRecordStop});
    // The active window's own menu, titled and filled by its view.
    kindMenu = menuBar()->addMenu(QString());
    kindMenu->menuAction()->setVisible(false);
    connect(kindMenu, &QMenu::aboutToShow, this, &CMainFrame::fillKindMenu);
    windowsMenu = menuBar()->addMenu(QStringLiteral("&Window"));
    for (const WindowKind* kind : windowKinds().inMenuOrder())
        windowsMenu->addAction(actions[kind->command]);
    add(windowsMenu, {kSeparator, kWindowCascade, kWindowTile, kWindowArrange});
    connect(windowsMenu, &QMenu::aboutToShow, this, &CMainFrame::listOpenWindows);
    add(menuBar()->addMenu(QStringLiteral("&Help")), {kAppAbout, kContextHelp});
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateInterface);
}

QToolBar* CMainFrame::makeToolBar(const QString& title, const QString& name,
                                  std::initializer_list<int> ids)
{
    QToolBar* bar = addToolBar(title);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : ids) {
        if (id == commands::kSeparator)
            bar->addSeparator();
        else
            bar->addAction(actions[id]);
    }
    return bar;
}

void CMainFrame::createToolBars()
{
    using namespace commands;
    toolBars[0] = makeToolBar(QStringLiteral("Main Tool"), QStringLiteral("MainTool"),
                              {kFileOpen, kFileSave, kSeparator, kEditCut, kEditCopy, kEditPaste,
                               kSeparator, kFilePrint, kSeparator, kAppAbout, kContextHelp});
    toolBars[1] = makeToolBar(QStringLiteral("Window Tool"), QStringLiteral("WindowTool"), {});
    for (const WindowKind* kind : windowKinds().inMenuOrder())
        toolBars[1]->addAction(actions[kind->command]);
    toolBars[2] = makeToolBar(QStringLiteral("Connect Tool"), QStringLiteral("ConnectTool"),
                              {kConnectSerial, kConnectNetwork, kConnectFile, kDisconnect,
                               kSeparator, kNetworkServer});
    toolBars[3] = makeToolBar(QString(), QStringLiteral("RecordTool"), {kRecordStart, kRecordStop});
    // No caption of its own, but a name in the menu that shows and hides bars.
    toolBars[3]->toggleViewAction()->setText(QStringLiteral("Record Tool"));
    // The file button's arrow opens the playback speeds.
    if (auto* button = qobject_cast<QToolButton*>(toolBars[2]->widgetForAction(actions[kConnectFile]))) {
        button->setMenu(playbackMenu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    for (int i = 0; i < PaneCount; ++i) {
        auto* label = new QLabel(bar);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(
                                   QString::fromUtf8(kPaneInfo[i].sizing)) + 8);
        label->setToolTip(QString::fromUtf8(kPaneInfo[i].toolTip));
        bar->addPermanentWidget(label);
        panes[i] = label;
    }
    // The active alarms in red, before the panes; hidden while none is.
    alarmLabel = new QLabel(bar);
    alarmLabel->setObjectName(QStringLiteral("AlarmPane"));
    QPalette alarmColours = alarmLabel->palette();
    alarmColours.setColor(QPalette::WindowText, Qt::red);
    alarmLabel->setPalette(alarmColours);
    alarmLabel->hide();
    bar->insertPermanentWidget(0, alarmLabel);
    // The relay's clients, after the alarms; hidden while it is off.
    serverLabel = new QLabel(bar);
    serverLabel->setObjectName(QStringLiteral("ServerPane"));
    serverLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    serverLabel->setToolTip(QStringLiteral("Clients of the network server"));
    serverLabel->hide();
    bar->insertPermanentWidget(1, serverLabel);
    connect(&alarmBeep, &QTimer::timeout, this, [] { QApplication::beep(); });
    rxLed = new CLedIndicator(bar);
    rxLed->setObjectName(QStringLiteral("RxLed"));
    rxLed->setToolTip(QString::fromUtf8(kLampToolTip));
    rxLed->setFixedSize(20, 20);
    rxLed->set(kLampRowFix, kLampLookIdle, kLampRowOffset);
    bar->addPermanentWidget(rxLed);
    updateInterface();
}

void CMainFrame::startDataPath(bool openStoredPort)
{
    const SettingsStore& settings = app.settings();
    path.link.configure(readSetting(settings, settings::serial::kPort),
                        readSetting(settings, settings::serial::kBaud),
                        0, 8, 0);
    if (!openStoredPort) {
        // Another source follows at once: opening the port first would
        // reset a receiver another program may be reading.
        path.link.close();
    } else if (path.link.openSerial() == 0 && !path.link.serialDevicePath().isEmpty()) {
        // A port number that stands for no device (0) is no failure.
        storedPortFailure =
            QString::fromStdString(sourceKindText(SourceSerial) + ": " +
                                   serialFailureReason(path.link.lastSerialFailure(),
                                                       path.link.lastSerialErrorCode(),
                                                       path.link.serialDevicePath().toStdString()));
        path.link.close(); // nothing is open, as after a failed Connect
        statusBar()->showMessage(storedPortFailure);
        updatePanes();
    }
    poll.start(NmeaDataPath::kTickMs);
}

void CMainFrame::forgetStoredPortFailure()
{
    if (storedPortFailure.isEmpty()) return;
    if (statusBar()->currentMessage() == storedPortFailure) statusBar()->clearMessage();
    storedPortFailure.clear();
}

QString CMainFrame::serialFailureMessage() const
{
    return QString::fromUtf8(texts::kCannotOpenPort) + QStringLiteral(": ") +
           QString::fromStdString(serialFailureReason(path.link.lastSerialFailure(),
                                                      path.link.lastSerialErrorCode(),
                                                      path.link.serialDevicePath().toStdString()));
}

void CMainFrame::pollTick()
{
    const NmeaDataPath::TickResult result = path.tick();
    if (result.newSentences) {
        const int quality = path.gps().fixQuality;
        const int row = quality == 0 ? kLampRowNoFix
                        : quality == 2 ? kLampRowDifferential
                                       : kLampRowFix;
        // While data keeps coming the lamp stays lit in its row: it is set
        // again only when the row changed or the last flash ended.
        const CLedIndicator::State& lamp = rxLed->state();
        if (lamp.row != row || lamp.flashActive == 0)
            rxLed->set(row, kLampLookIdle, kLampRowOffset);
        rxLed->flash(kLampFlashMs);
    }
    if (std::any_of(result.alarms.begin(), result.alarms.end(),
                    [](const std::optional<AlarmChange>& c) { return c.has_value(); }))
        showAlarms(result);
    updateSystemsHint();
    // Most ticks change nothing the panes or the commands show: they are
    // looked at again only when what they are made from moved.
    const PaneInputs panesNow = paneInputs();
    if (!(panesNow == shownPanes)) updatePanes();
    const CommandInputs commandsNow = commandInputs();
    if (!(commandsNow == shownCommands)) updateCommands();
}

void CMainFrame::showAlarms(const NmeaDataPath::TickResult& result)
{
    QStringList active;
    for (int i = 0; i < kAlarmKinds; ++i) {
        const auto kind = static_cast<AlarmKind>(i);
        const std::optional<AlarmChange>& change = result.alarms[i];
        if (change && change->active) {
            alarmStarted[i] = QTime::currentTime();
            // Told once as it goes active, where the desktop has a tray.
            if (QSystemTrayIcon::isSystemTrayAvailable()) {
                if (tray == nullptr) tray = new QSystemTrayIcon(windowIcon(), this);
                tray->show();
                tray->showMessage(QStringLiteral("Orbilunex"),
                                  QString::fromStdString(alarmText(*change)),
                                  QSystemTrayIcon::Warning);
            }
        }
        if (path.alarms().alarm(kind).active)
            active << QStringLiteral("%1 since %2")
                          .arg(QString::fromUtf8(alarmName(kind)),
                               alarmStarted[i].toString(QStringLiteral("HH:mm:ss")));
    }
    alarmLabel->setText(active.isEmpty() ? QString()
                                         : QStringLiteral("Alarm: ") + active.join(QStringLiteral(", ")));
    alarmLabel->setVisible(!active.isEmpty());
    // A beep once a minute while any is active, if asked for.
    if (!active.isEmpty() && path.alarmRules().sound) {
        if (!alarmBeep.isActive()) {
            QApplication::beep();
            alarmBeep.start(60 * 1000);
        }
    } else {
        alarmBeep.stop();
    }
}

void CMainFrame::updateSystemsHint()
{
    const bool wasShowing = hintShown;
    const bool showing = path.systemsHintShowing();
    if (!showing && !wasShowing) return;
    hintShown = showing;
    // Shown again while it holds, as menu tips clear the message pane.
    if (showing && statusBar()->currentMessage().isEmpty())
        statusBar()->showMessage(QString::fromUtf8(kSystemsHintText));
    if (showing == wasShowing) return;
    statusBar()->setToolTip(showing ? QString::fromUtf8(kSystemsHintDetail) : QString());
    if (!showing && statusBar()->currentMessage() == QString::fromUtf8(kSystemsHintText))
        statusBar()->clearMessage();
}

QString CMainFrame::paneText(Pane pane) const
{
    return panes[pane]->text();
}

void CMainFrame::setPaneText(Pane pane, const QString& text)
{
    if (panes[pane]->text() != text) panes[pane]->setText(text);
}

QAction* CMainFrame::action(int id) const
{
    auto it = actions.find(id);
    return it == actions.end() ? nullptr : it->second;
}

namespace {

// An action is touched only when its state differs: setting it again would
// tell every menu and tool button showing it.
void showChecked(QAction* action, bool checked)
{
    if (action->isChecked() != checked) action->setChecked(checked);
}

void showEnabled(QAction* action, bool enabled)
{
    if (action->isEnabled() != enabled) action->setEnabled(enabled);
}

} // namespace

CMainFrame::PaneInputs CMainFrame::paneInputs() const
{
    PaneInputs inputs;
    inputs.state = path.parser.stateRevision();
    inputs.checksumFailures = path.parser.checksumFailureCount();
    inputs.sourceKind = path.link.sourceKind();
    inputs.health = static_cast<int>(path.health());
    inputs.waitingDevice = path.link.waitingForDevice();
    // Shown only while nothing else was opened since.
    if (inputs.sourceKind == SourceNone) inputs.storedPortFailure = storedPortFailure;
    inputs.recording = path.recorder.active();
    const CNetServer* server = path.link.serverEnabled() ? path.link.server() : nullptr;
    inputs.serverClients = server != nullptr ? server->clientCount() : -1;
    // A recording with a duration counts down by the second.
    inputs.recordingSecond =
        inputs.recording && path.recorder.durationHours() != 0 ? app.clock().now() : 0;
    return inputs;
}

CMainFrame::CommandInputs CMainFrame::commandInputs() const
{
    CommandInputs inputs;
    inputs.sourceKind = path.link.sourceKind();
    inputs.serverEnabled = path.link.serverEnabled();
    inputs.recording = path.recorder.active();
    inputs.playbackSpeed = path.playbackSpeed();
    for (int i = 0; i < 4; ++i) inputs.toolBarsVisible[i] = toolBars[i]->isVisible();
    inputs.statusBarVisible = statusBar()->isVisible();
    const CChildFrame* active = activeFrame();
    inputs.activeView = active != nullptr ? active->view() : nullptr;
    return inputs;
}

void CMainFrame::updateInterface()
{
    updatePanes();
    updateCommands();
}

void CMainFrame::updatePanes()
{
    shownPanes = paneInputs();
    const GpsState& gps = path.gps();
    const int kind = shownPanes.sourceKind;
    setPaneText(RecordingPane, QString::fromStdString(path.recorder.statusText()));
    setPaneText(QualityPane, QString::fromStdString(fixQualityText(gps.fixQuality)));
    setPaneText(SourcePane, !shownPanes.storedPortFailure.isEmpty()
                                ? shownPanes.storedPortFailure
                                : QString::fromStdString(sourcePaneText(
                                      kind, path.health(), shownPanes.waitingDevice.toStdString())));
    const QString sourceTip =
        QString::fromUtf8(kPaneInfo[SourcePane].toolTip) + QLatin1Char('\n') +
        QString::fromStdString(sentenceCountsText(path.parser.sentenceCount(),
                                                  path.parser.checksumFailureCount()));
    if (panes[SourcePane]->toolTip() != sourceTip) panes[SourcePane]->setToolTip(sourceTip);
    setPaneText(FixTypePane, QString::fromStdString(fixTypeText(gps.fixType)));
    setPaneText(SatellitesPane, QString::fromStdString(satellitesText(gps.satellitesUsed)));
    const bool serving = shownPanes.serverClients >= 0;
    const QString serverText =
        serving ? QString::fromStdString(orbilunex::serverPaneText(shownPanes.serverClients))
                : QString();
    if (serverLabel->text() != serverText) serverLabel->setText(serverText);
    // Hidden, not merely empty: it is shown only as a server starts.
    if (serverLabel->isVisibleTo(statusBar()) != serving) serverLabel->setVisible(serving);
}

QString CMainFrame::serverPaneText() const
{
    return serverLabel->isVisibleTo(statusBar()) ? serverLabel->text() : QString();
}

void CMainFrame::updateCommands()
{
    using namespace commands;
    shownCommands = commandInputs();
    const CommandInputs& in = shownCommands;
    showChecked(actions[kConnectSerial], in.sourceKind == SourceSerial);
    showChecked(actions[kConnectNetwork], in.sourceKind == SourceNetwork);
    showChecked(actions[kConnectGpsd], in.sourceKind == SourceGpsd);
    showChecked(actions[kConnectUdp], in.sourceKind == SourceUdp);
    showChecked(actions[kConnectFile], in.sourceKind == SourceFile);
    showChecked(actions[kDisconnect], in.sourceKind == SourceNone);
    showChecked(actions[kNetworkServer], in.serverEnabled);
    showChecked(actions[kRecordStart], in.recording);
    showEnabled(actions[kRecordStop], in.recording);
    const int speeds[] = {kPlaySlow, kPlayMedium, kPlayFast, kPlayFastest};
    for (int speed = 0; speed < 4; ++speed)
        showChecked(actions[speeds[speed]], in.playbackSpeed == speed);
    const int toggles[] = {kViewMainToolbar, kViewWindowToolbar, kViewConnectToolbar,
                           kViewRecordToolbar};
    for (int i = 0; i < 4; ++i) showChecked(actions[toggles[i]], in.toolBarsVisible[i]);
    showChecked(actions[kViewStatusBar], in.statusBarVisible);

    const CView* activeView = in.activeView;
    const bool fileCommands = activeView != nullptr && activeView->allowsFileCommands();
    showEnabled(actions[kFileOpen], fileCommands);
    showEnabled(actions[kFileSave], fileCommands);
    showEnabled(actions[kFileSaveAs], fileCommands);
    const bool printing = activeView != nullptr && activeView->allowsPrinting();
    showEnabled(actions[kFilePrint], printing);
    showEnabled(actions[kFilePrintPreview], printing);
    for (int id : {kEditCut, kEditCopy, kEditPaste}) showEnabled(actions[id], false);
    // Shown only while the active window has something to export.
    const QString exportText = activeView != nullptr ? activeView->exportMenuText() : QString();
    QAction* exportAction = actions[kFileExport];
    if (!exportText.isEmpty() && exportAction->text() != exportText) exportAction->setText(exportText);
    if (exportAction->isVisible() == exportText.isEmpty()) exportAction->setVisible(!exportText.isEmpty());
    const QString kindMenuTitle = activeView != nullptr ? activeView->frameMenuTitle() : QString();
    if (kindMenu->title() != kindMenuTitle) kindMenu->setTitle(kindMenuTitle);
    if (kindMenu->menuAction()->isVisible() == kindMenuTitle.isEmpty())
        kindMenu->menuAction()->setVisible(!kindMenuTitle.isEmpty());
}

CChildFrame* CMainFrame::activeFrame() const
{
    return qobject_cast<CChildFrame*>(mdi->currentSubWindow());
}

QString CMainFrame::caption() const
{
    CChildFrame* active = activeFrame();
    const QString base = QStringLiteral("Orbilunex");
    return active != nullptr && active->document() != nullptr
               ? base + QStringLiteral(" - ") + active->document()->title()
               : base;
}

void CMainFrame::updateCaption()
{
    const QString text = caption();
    if (windowTitle() != text) setWindowTitle(text);
}

// The caption follows the active document's title as it changes (Save As,
// Clear), not only when another window becomes active.
void CMainFrame::followActiveDocument()
{
    disconnect(activeTitle);
    if (CChildFrame* active = activeFrame(); active != nullptr && active->document() != nullptr)
        activeTitle = connect(active->document(), &CDocument::titleChanged, this,
                              &CMainFrame::updateCaption);
    updateCaption();
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // A maximised child has Qt append " - [child caption]", and restoring it
    // puts back a title Qt remembered: the caption already names the
    // document, so it is put back at once.
    if (event->type() == QEvent::WindowTitleChange) updateCaption();
}

void CMainFrame::fillKindMenu()
{
    kindMenu->clear();
    CChildFrame* active = activeFrame();
    if (active != nullptr && active->view() != nullptr) active->view()->fillFrameMenu(*kindMenu);
}

void CMainFrame::listOpenWindows()
{
    for (QAction* action : windowListActions) {
        windowsMenu->removeAction(action);
        action->deleteLater();
    }
    windowListActions.clear();
    const QList<QMdiSubWindow*> windows = mdi->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    windowListActions << windowsMenu->addSeparator();
    int number = 0;
    for (QMdiSubWindow* window : windows) {
        ++number;
        // The first nine are reached by their digit. An "&" of the title
        // ("Azimuth & Elevation Window", a file's name) is doubled to show
        // as itself rather than underline the letter after it.
        QString title = window->windowTitle();
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString text = (number < 10 ? QStringLiteral("&%1 %2") : QStringLiteral("%1 %2"))
                                 .arg(QString::number(number), title);
        QAction* action = windowsMenu->addAction(text);
        action->setCheckable(true);
        action->setChecked(window == mdi->activeSubWindow());
        QPointer<QMdiSubWindow> target(window);
        connect(action, &QAction::triggered, this, [this, target] {
            if (target == nullptr) return;
            if (target->isMinimized()) target->showNormal();
            mdi->setActiveSubWindow(target);
        });
        windowListActions << action;
    }
}

WindowPlacement CMainFrame::placement() const
{
    WindowPlacement p;
    p.showCommand = isMinimized() ? kShowMinimized : isMaximized() ? kShowMaximized : kShowNormal;
    setPlacementRect(p, normalGeometry().isValid() ? normalGeometry() : geometry());
    return p;
}

void CMainFrame::applyPlacement(const WindowPlacement& p)
{
    const QRect wanted = placementRect(p);
    // The screen that shows most of the window, else the primary one.
    QScreen* best = QGuiApplication::primaryScreen();
    long long bestArea = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->availableGeometry().intersected(wanted.normalized());
        const long long area = static_cast<long long>(overlap.width()) * overlap.height();
        if (area > bestArea) {
            bestArea = area;
            best = screen;
        }
    }
    const QRect area = best != nullptr ? best->availableGeometry() : QRect(0, 0, 1024, 768);
    setGeometry(reachableRect(wanted, area, kDefaultMainSize, true));
}

void CMainFrame::restoreToolBarState()
{
    const std::string stored = readSetting(app.settings(), settings::general::kToolBars);
    if (stored.empty()) return;
    restoreState(QByteArray::fromBase64(QByteArray::fromStdString(stored)));
}

QList<CChildFrame*> CMainFrame::childFrames() const
{
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : mdi->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window); child != nullptr && child->document())
            children << child;
    return children;
}

bool CMainFrame::writeRecoveryFiles()
{
    QList<CDocument*> unsaved;
    for (CChildFrame* child : childFrames())
        if (child->document()->isModified() && child->document()->docTemplate().hasFileType())
            unsaved << child->document();
    if (unsaved.isEmpty()) return true;
    const QString folder = QString::fromStdString(
        recoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")));
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        const QString where =
            folder.isEmpty() ? QStringLiteral("(neither XDG_STATE_HOME nor HOME is set)") : folder;
        for (CDocument* document : unsaved)
            std::fprintf(stderr, "orbilunex: unsaved %s could not be written: cannot create the "
                                 "folder %s\n",
                         document->docTemplate().kind->title, qPrintable(where));
        return false;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    bool all = true;
    for (CDocument* document : unsaved) {
        const DocTemplate& tmpl = document->docTemplate();
        // Named after the file the user chose, else after the kind.
        QString name = QFileInfo(document->pathName()).completeBaseName();
        if (name.isEmpty()) {
            name = QString::fromUtf8(tmpl.kind->shortName);
            name[0] = name[0].toUpper();
        }
        const std::string extension = QString(QLatin1Char('.') + tmpl.extension()).toStdString();
        QString target = QDir(folder).filePath(
            QString::fromStdString(recoveryFileName(name.toStdString(), local, extension)));
        // Never over an earlier recovery file of the same second.
        for (int n = 2; QFileInfo::exists(target); ++n)
            target = QDir(folder).filePath(QString::fromStdString(recoveryFileName(
                name.toStdString() + "-" + std::to_string(n), local, extension)));
        QString error;
        if (document->writeCopy(target, error)) {
            std::fprintf(stderr, "orbilunex: unsaved %s written to %s\n", tmpl.kind->title,
                         qPrintable(target));
        } else {
            std::fprintf(stderr, "orbilunex: unsaved %s could not be written to %s: %s\n",
                         tmpl.kind->title, qPrintable(target), qPrintable(error));
            all = false;
        }
    }
    return all;
}

bool CMainFrame::quitUnattended()
{
    if (closing) return true;
    const bool written = writeRecoveryFiles();
    unattended = true;
    close();
    return written;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    QList<CDocument*> documents;
    for (CChildFrame* child : childFrames()) documents << child->document();
    // Every question is asked before anything closes, and a Cancel leaves
    // all as it was; nobody is asked in an unattended run, whose documents
    // were written aside already.
    if (!unattended && !saveAllModified(documents, app.prompter(), this)) {
        event->ignore();
        return;
    }
    writeSetting(app.settings(), settings::general::kToolBars,
                 saveState().toBase64().toStdString());
    app.saveLayout();
    closing = true;
    poll.stop();
    path.stopRecording();
    // Answered: what changed since (data keeps coming while a question is
    // up) asks nothing again.
    for (CChildFrame* child : childFrames()) child->closeWithoutAsking();
    event->accept();
}

} // namespace orbilunex
