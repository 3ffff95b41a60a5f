#pragma once

#include <cstdint>
#include <string>

namespace orbilunex {

class CDocument;
class NmeaDataPath;
class Prompter;
class SettingsStore;
struct GpsState;

// What documents and views may reach of the application: the settings, the
// way to ask the user, and the main frame's decoded state. Tests give views
// a small context of their own.
class AppContext {
public:
    virtual ~AppContext() = default;

    virtual SettingsStore& settings() = 0;
    virtual Prompter& prompter() = 0;
    virtual const GpsState& gpsState() const = 0;
    // Changes whenever the decoded state may have (NmeaParser::stateRevision).
    virtual std::uint64_t stateRevision() const = 0;
    // The data path the state comes from, for what takes every raw block
    // (the command monitor); nullptr where there is none (tests).
    virtual NmeaDataPath* dataPath() { return nullptr; }
    // A document is going away: whatever refers to it lets go.
    virtual void documentClosing(CDocument* document) = 0;
    // Shows a line in the status bar's message pane (the position under the
    // mouse, say); nowhere where there is no main window.
    virtual void showStatusText(const std::string& text) { (void)text; }
};

} // namespace orbilunex
