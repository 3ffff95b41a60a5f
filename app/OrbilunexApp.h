#pragma once

#include "framework/AppContext.h"
#include "framework/Document.h"
#include "shell/WindowKinds.h"
#include "shell/WindowPlacement.h"

#include <QObject>
#include <QString>

#include <map>
#include <memory>

namespace orbilunex {

class CChildFrame;
class CMainFrame;
class Clock;

// The application: owns the settings store and the ten window kinds with one
// slot each for the open window's document, creates the main frame, opens
// monitor windows (never two of a kind), and saves and restores the layout
// of the main window and the monitor windows between runs.
class COrbilunexApp : public QObject, public AppContext {
    Q_OBJECT

public:
    COrbilunexApp(SettingsStore& settings, Prompter& prompter, const Clock& clock);
    ~COrbilunexApp() override;

    // Start-up: records the working directory, registers the window kinds,
    // creates the main frame (opening the stored serial port when
    // openStoredPort) and restores the layout. Returns false when the
    // program cannot start.
    bool initInstance(bool openStoredPort = true);

    // Brings the open window of the kind forward, or opens one with the
    // default placement. Returns its frame.
    CChildFrame* showWindowOfKind(int kindCode);
    // Opens a window whose kind has this title, with the placement if given,
    // and fills the kind's slot. nullptr when the title names no kind.
    CChildFrame* openWindowByTitle(const QString& title, const WindowPlacement* placement = nullptr);

    // The open window's document of a kind, or nullptr.
    CDocument* slot(int kindCode) const;
    CChildFrame* frameOf(int kindCode) const;

    // Written when the main window closes; read once at start-up.
    void saveLayout();
    void restoreLayout();

    // AppContext
    SettingsStore& settings() override { return store; }
    Prompter& prompter() override { return asker; }
    const GpsState& gpsState() const override;
    std::uint64_t stateRevision() const override;
    NmeaDataPath* dataPath() override { return framePath; }
    void documentClosing(CDocument* document) override;
    void showStatusText(const std::string& text) override;

    // The main window; nullptr before initInstance.
    CMainFrame* mainFrame() { return frame.get(); }
    const Clock& clock() const { return calendar; }
    const DocTemplate* docTemplate(int kindCode) const;

private:
    CChildFrame* openWindow(const DocTemplate& tmpl, const QString& title,
                            const WindowPlacement* placement);

    SettingsStore& store;
    Prompter& asker;
    const Clock& calendar;
    std::map<int, DocTemplate> templates;
    std::map<int, CDocument*> kindSlots;
    std::unique_ptr<CMainFrame> frame;
    // The frame's data path, kept apart so that windows closing while the
    // frame is destroyed still reach it.
    NmeaDataPath* framePath = nullptr;
};

} // namespace orbilunex
