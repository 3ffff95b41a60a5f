#include "shell/WindowKinds.h"

#include "shell/Commands.h"

namespace orbilunex {

using namespace kinds;

namespace {

constexpr WindowKind kKinds[kWindowKindCount] = {
    {kCommandMonitor, "Command Monitor", commands::kWindowCommandMonitor, "monitor", "",
     ""},
    {kSignalQuality, "Signal Quality Window", commands::kWindowSignalQuality, "signal", "", ""},
    {kSkyPlot, "Azimuth & Elevation Window", commands::kWindowSkyPlot, "sky",
     "Mask Files (*.msk)", ".msk"},
    {kNavigation, "Navigation Window", commands::kWindowNavigation, "navigation", "", ""},
    {kSurvey, "Survey Window", commands::kWindowSurvey, "survey", "Path Files (*.pth)", ".pth"},
    {kCompass, "Compass Window", commands::kWindowCompass, "compass", "", ""},
    {kAltimeter, "Altimeter Window", commands::kWindowAltimeter, "altimeter", "", ""},
    {kSpeedometer, "Speedometer Window", commands::kWindowSpeedometer, "speedometer", "", ""},
    {kVerticalSpeed, "Vertical Speed Window", commands::kWindowVerticalSpeed, "vspeed", "",
     ""},
    {kAttitude, "Attitude", commands::kWindowAttitude, "attitude", "", ""},
};

template <typename Match>
const WindowKind* find(Match match)
{
    for (const WindowKind& kind : kKinds)
        if (match(kind)) return &kind;
    return nullptr;
}

} // namespace

const int kOpenByTitleOrder[kWindowKindCount] = {
    kSignalQuality, kSkyPlot,     kSurvey,     kNavigation,    kCommandMonitor,
    kCompass,       kSpeedometer, kAltimeter,  kVerticalSpeed, kAttitude};
const int kSaveLayoutOrder[kWindowKindCount] = {
    kCommandMonitor, kSignalQuality, kSkyPlot,   kSurvey,        kNavigation,
    kCompass,        kSpeedometer,   kAltimeter, kVerticalSpeed, kAttitude};

const WindowKind* windowKinds()
{
    return kKinds;
}

const WindowKind* kindByCode(int code)
{
    return find([code](const WindowKind& k) { return k.code == code; });
}

const WindowKind* kindByTitle(const std::string& title)
{
    return find([&title](const WindowKind& k) { return title == k.title; });
}

const WindowKind* kindByCommand(int command)
{
    return find([command](const WindowKind& k) { return k.command == command; });
}

const WindowKind* kindByShortName(const std::string& name)
{
    return find([&name](const WindowKind& k) { return name == k.shortName; });
}

} // namespace orbilunex
