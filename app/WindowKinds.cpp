#include "app/WindowKinds.h"

#include "app/Commands.h"

namespace orbilunex {

namespace {

constexpr WindowKind kKinds[kWindowKindCount] = {
    {202, "Command Monitor", commands::kWindowCommandMonitor, "monitor", "", ""},
    {204, "Signal Quality Window", commands::kWindowSignalQuality, "signal", "", ""},
    {207, "Azimuth & Elevation Window", commands::kWindowSkyPlot, "sky", "Mask Files (*.msk)",
     ".msk"},
    {209, "Navigation Window", commands::kWindowNavigation, "navigation", "", ""},
    {211, "Survey Window", commands::kWindowSurvey, "survey", "Path Files (*.pth)", ".pth"},
    {212, "Compass Window", commands::kWindowCompass, "compass", "", ""},
    {213, "Altimeter Window", commands::kWindowAltimeter, "altimeter", "", ""},
    {214, "Speedometer Window", commands::kWindowSpeedometer, "speedometer", "", ""},
    {215, "Vertical Speed Window", commands::kWindowVerticalSpeed, "vspeed", "", ""},
    {340, "Attitude", commands::kWindowAttitude, "attitude", "", ""},
};

template <typename Match>
const WindowKind* find(Match match)
{
    for (const WindowKind& kind : kKinds)
        if (match(kind)) return &kind;
    return nullptr;
}

} // namespace

const int kOpenByTitleOrder[kWindowKindCount] = {204, 207, 211, 209, 202, 212, 214, 213, 215, 340};
const int kSaveLayoutOrder[kWindowKindCount] = {202, 204, 207, 211, 209, 212, 214, 213, 215, 340};

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
