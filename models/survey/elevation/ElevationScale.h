#pragma once

#include "models/PixelGeometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orbilunex {

class SettingsStore;

// The altitude strip chart's scales: samples run left to right, altitudes
// (centimetres) bottom to top between the survey's altitude range.
struct ElevationScale {
    PixelRect chart;    // client rectangle less 2 pixels top and bottom
    double xStep = 0;   // pixels per sample; 0 until first computed
    double yScale = 0;  // pixels per centimetre; 0 until first computed
};

// Room kept free right of the last sample when the x step is worked out.
constexpr int kElevationRightMargin = 20;
// The grid's labels start at this x, whatever the chart's left edge.
constexpr int kElevationLabelX = 20;
constexpr int kElevationGridLines = 11;

// The chart inside a client rectangle: 2 pixels off the top and the bottom.
PixelRect elevationChartRect(const PixelRect& client);

// Recomputes the scales for sampleCount samples and the range
// altitudeMin..altitudeMax (cm): xStep = (width - 20) / sampleCount unless
// there are no samples, yScale = height / (max - min) unless max = min. A
// scale that cannot be computed keeps its previous value, except that an
// empty range (max below min: no altitude seen, as after Erase) makes the y
// scale 0, which labels nothing.
void rescaleElevation(ElevationScale& scale, std::uint32_t sampleCount,
                      std::int32_t altitudeMax, std::int32_t altitudeMin);

// Where sample `index` (from 0) with altitude altitudeCm lies:
// x = left + trunc(index * xStep), y = bottom - trunc((a - min) * yScale).
// Values beyond the int range saturate rather than wrap.
PixelPoint elevationPoint(const ElevationScale& scale, int index, std::int32_t altitudeCm,
                          std::int32_t altitudeMin);

// The y of a horizontal line at an altitude in metres (the indicators).
int elevationLineY(const ElevationScale& scale, double metres, std::int32_t altitudeMin);

// One horizontal grid line; its label (when any) is drawn at (20, y).
struct ElevationGridLine {
    int y = 0;
    bool labelled = false;
    std::string label; // "%.02f" of the altitude at the line, user's unit
};

// The eleven grid lines, bottom (i = 0) to top (i = 10), at
// y = bottom - trunc(height * 0.1 * i), each labelled with
// altitudeMax - (y - top) / yScale cm in the unit of "AltitudeElevationUnits".
// No labels while the y scale is 0.
std::vector<ElevationGridLine> elevationGrid(const ElevationScale& scale,
                                             std::int32_t altitudeMax,
                                             const SettingsStore& settings);

// Where the window's label of the grid line at `lineY` has its top: hanging
// under its line, unless text `textHeight` high would then reach below the
// chart's bottom (the lowest lines), when it stands on its line instead.
int elevationLabelTop(const ElevationScale& scale, int lineY, int textHeight);

// The status text for the mouse at client y `cursorY`:
// "Elevation: %8.02f %s     " with altitudeMax - cursorY / yScale cm in the
// user's altitude unit and its label. Empty while the y scale is 0, when no
// altitude can be read off the chart.
std::string elevationCursorText(const ElevationScale& scale, int cursorY,
                                std::int32_t altitudeMax, const SettingsStore& settings);

} // namespace orbilunex
