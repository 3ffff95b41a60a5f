#pragma once

#include "links/NmeaDataPath.h"

#include <QMainWindow>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>

class QLabel;
class QSystemTrayIcon;
class QMdiArea;
class QMenu;
class QToolBar;

namespace orbilunex {

class CChildFrame;
class CView;
class CLedIndicator;
class COrbilunexApp;
struct WindowPlacement;

// The main window. It owns the data path of the whole program (the link,
// the parser with its decoded state, the recording and the playback speed)
// and drives it every 100 ms; views read the decoded state on timers of
// their own. It carries the tool bars, the menus with every command, and
// the status bar with the alarms, the relay server's clients, the recording,
// fix, source, fix type, satellites and the receive lamp.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // The status-bar panes after the message pane, in order.
    enum Pane { RecordingPane, QualityPane, SourcePane, FixTypePane, SatellitesPane, PaneCount };

    explicit CMainFrame(COrbilunexApp& app);
    ~CMainFrame() override;

    // Opens the stored serial port (unless the command line names a source:
    // then no source, until that one opens) and starts the 100 ms poll. A
    // port that does not open is said in the source pane and the status bar
    // ("RS-232: /dev/ttyUSB0 not found"), never in a box: the program may
    // last have run on gpsd or a file.
    void startDataPath(bool openStoredPort = true);

    // Another source chosen (on the command line or by a command) replaces
    // the stored serial port: its failure at start is then no news.
    void forgetStoredPortFailure();

    // "Cannot open communications port: " and why the last serial open
    // failed, naming the device.
    QString serialFailureMessage() const;

    // Decodes every satellite system whatever the setting says (--all-systems).
    void setAllSystemsOverride(bool all);
    // The parser follows the "Satellite systems" setting (or the override).
    void applySatelliteSystems();
    // The hint that positions of other satellite systems are being ignored.
    bool systemsHintShowing() const { return path.systemsHintShowing(); }

    NmeaDataPath& dataPath() { return path; }
    const NmeaDataPath& dataPath() const { return path; }
    QMdiArea* mdiArea() const { return mdi; }
    CLedIndicator* receiveLamp() const { return rxLed; }
    QString paneText(Pane pane) const;
    // "Server: N clients" while the relay server runs, else empty.
    QString serverPaneText() const;
    QAction* action(int commandId) const;
    QToolBar* toolBar(int index) const { return toolBars[index]; }
    // The Window menu; as it opens it lists the open windows after its
    // commands, numbered in the order they were opened, the active one checked.
    QMenu* windowMenu() const { return windowsMenu; }
    // The active window's own menu (the survey's "Survey Settings"): shown
    // while the active view names one, filled by the view as it opens.
    QMenu* kindMenuOfActiveWindow() const { return kindMenu; }

    // One poll tick: data path, monitor, lamp, panes (also run by the timer).
    void pollTick();
    // Refreshes pane texts and menu check marks from the current state. A
    // tick does this itself, only when what they show moved.
    void updateInterface();

    // The placement as the layout stores it, and applying a stored one
    // (kept on a screen the window can be reached on).
    WindowPlacement placement() const;
    void applyPlacement(const WindowPlacement& placement);

    // Opens the stored tool-bar arrangement; a damaged one is ignored.
    void restoreToolBarState();

    void runCommand(int commandId);

    // Ends the program without asking anyone (--quit-after, --snapshot):
    // every modified document is first written to a recovery file (see
    // shell/Recovery.h), its path said on standard error, then everything
    // closes. False when a document could not be written; that is said too.
    bool quitUnattended();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    QAction* makeAction(int id, bool checkable = false);
    QToolBar* makeToolBar(const QString& title, const QString& name, std::initializer_list<int> ids);
    void setPaneText(Pane pane, const QString& text);
    // "Orbilunex - " and the active document's title, or "Orbilunex" alone.
    QString caption() const;
    void updateCaption();
    void followActiveDocument();
    void listOpenWindows();
    void fillKindMenu();
    void updateSystemsHint();
    // The alarm pane, the tray message and the beep after a tick that
    // changed an alarm.
    void showAlarms(const NmeaDataPath::TickResult& result);

    // What the status panes are made from; equal inputs show equal panes.
    struct PaneInputs {
        std::uint64_t state = 0;
        std::int64_t checksumFailures = 0;
        int sourceKind = -1;
        int health = -1;
        QString waitingDevice;
        QString storedPortFailure;
        bool recording = false;
        std::int64_t recordingSecond = 0;
        int serverClients = -1; // -1 while the relay server is off
        bool operator==(const PaneInputs& o) const
        {
            return state == o.state && checksumFailures == o.checksumFailures &&
                   sourceKind == o.sourceKind && health == o.health &&
                   waitingDevice == o.waitingDevice &&
                   storedPortFailure == o.storedPortFailure && recording == o.recording &&
                   recordingSecond == o.recordingSecond && serverClients == o.serverClients;
        }
    };
    // What the commands' check marks and enabled states are made from.
    struct CommandInputs {
        int sourceKind = -1;
        bool serverEnabled = false;
        bool recording = false;
        int playbackSpeed = -1;
        bool toolBarsVisible[4] = {};
        bool statusBarVisible = false;
        const CView* activeView = nullptr;
        bool operator==(const CommandInputs& o) const
        {
            return sourceKind == o.sourceKind && serverEnabled == o.serverEnabled &&
                   recording == o.recording && playbackSpeed == o.playbackSpeed &&
                   std::equal(toolBarsVisible, toolBarsVisible + 4, o.toolBarsVisible) &&
                   statusBarVisible == o.statusBarVisible && activeView == o.activeView;
        }
    };
    PaneInputs paneInputs() const;
    CommandInputs commandInputs() const;
    void updatePanes();
    void updateCommands();

    // Commands (MainFrameCommands.cpp).
    void connectSerial();
    void connectNetwork();
    void connectGpsd();
    void connectUdp();
    void connectFile();
    void toggleServer();
    void startRecording();
    void generalSettings();
    void about();
    void fileOpen();
    void fileSave(bool saveAs);
    void filePrint(bool preview);
    CChildFrame* activeFrame() const;
    QList<CChildFrame*> childFrames() const;
    bool writeRecoveryFiles();

    COrbilunexApp& app;
    NmeaDataPath path;
    QMdiArea* mdi = nullptr;
    CLedIndicator* rxLed = nullptr;
    QLabel* panes[PaneCount] = {};
    QToolBar* toolBars[4] = {};
    QMenu* playbackMenu = nullptr;
    QMenu* windowsMenu = nullptr;
    QMenu* kindMenu = nullptr;
    QList<QAction*> windowListActions;
    QMetaObject::Connection activeTitle;
    std::map<int, QAction*> actions;
    QTimer poll;
    QLabel* alarmLabel = nullptr;
    QLabel* serverLabel = nullptr;
    QSystemTrayIcon* tray = nullptr;
    QTimer alarmBeep;
    QTime alarmStarted[kAlarmKinds];
    PaneInputs shownPanes;
    CommandInputs shownCommands;
    bool hintShown = false;
    bool allSystemsOverride = false;
    // Why the stored serial port did not open at start, until another
    // source is chosen.
    QString storedPortFailure;
    bool closing = false;
    bool unattended = false;
};

} // namespace orbilunex
