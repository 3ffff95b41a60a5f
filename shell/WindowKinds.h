#pragma once

#include <string>

namespace orbilunex {

// The kind codes, as the layout stores them.
namespace kinds {
constexpr int kCommandMonitor = 202;
constexpr int kSignalQuality = 204;
constexpr int kSkyPlot = 207;
constexpr int kNavigation = 209;
constexpr int kSurvey = 211;
constexpr int kCompass = 212;
constexpr int kAltimeter = 213;
constexpr int kSpeedometer = 214;
constexpr int kVerticalSpeed = 215;
constexpr int kAttitude = 340;
} // namespace kinds

// The ten kinds of monitor window. At most one window of each kind is open;
// the layout names them by kind code, the window menu by command, the
// command line by short name.
struct WindowKind {
    int code;             // kind code stored in the layout
    const char* title;    // window title, also the document's title
    int command;          // the window command that shows it
    const char* shortName; // for --open and snapshot file names
    const char* fileFilter; // "" when the kind has no documents on disk
    const char* extension;  // with the dot, "" when none
};

constexpr int kWindowKindCount = 10;

// In registration order: 202, 204, 207, 209, 211, 212, 213, 214, 215, 340.
const WindowKind* windowKinds();

const WindowKind* kindByCode(int code);
const WindowKind* kindByTitle(const std::string& title);
const WindowKind* kindByCommand(int command);
const WindowKind* kindByShortName(const std::string& name);

// The order in which open-by-title compares titles, and the order in which
// saving the layout matches a window caption against the open documents.
extern const int kOpenByTitleOrder[kWindowKindCount];
extern const int kSaveLayoutOrder[kWindowKindCount];

} // namespace orbilunex
