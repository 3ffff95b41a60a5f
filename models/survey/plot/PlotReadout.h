#pragma once

#include "models/PixelGeometry.h"
#include "models/survey/plot/PlotFrame.h"

#include <string>

namespace orbilunex {

class SettingsStore;

// Nautical miles to statute miles, as the distance units take their input.
constexpr double kStatuteMilesPerNauticalMile = 1.15077944802;

// What the status bar shows while the mouse is over the survey plot.
struct SurveyPlotReadout {
    double cursorLatitude = 0;  // degrees, under the mouse (0 with no scale)
    double cursorLongitude = 0;
    double markerLatitude = 0;  // degrees, under the reference marker
    double markerLongitude = 0;
    double distance = 0;        // cursor to marker, in `unit`
    std::string unit;           // the unit the distance reads best in
    // "Lat:<lat>    Lon:<lon>   Distance = <d, 2 decimals> <unit>", with the
    // user's position format and units.
    std::string text;
};

// The read-out for the mouse at `cursor` and the marker at `marker`, client
// pixels: both turned into positions through the frame, their great-circle
// distance taken in nautical miles, converted to statute miles and then to
// the user's distance unit that reads best. With empty extents (no samples)
// all is 0 and the text empty.
SurveyPlotReadout surveyPlotReadout(const SettingsStore& settings, const SurveyPlotFrame& frame,
                                    const PlotExtents& extents, PixelPoint cursor,
                                    PixelPoint marker);

} // namespace orbilunex
