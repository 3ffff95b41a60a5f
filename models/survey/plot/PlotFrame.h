#pragma once

#include "models/PixelGeometry.h"
#include "models/survey/plot/PlotExtents.h"

#include <array>
#include <string>

namespace orbilunex {

class SettingsStore;

// The margin between the client area's edges and the plot area, pixels.
constexpr int kSurveyPlotMargin = 10;

// The survey plot's square and its two scales. Latitude and longitude are
// scaled independently, each span filling the square, so the picture is not
// true to shape; a span of 0 gives a scale of 0.
struct SurveyPlotFrame {
    PixelRect square;
    double xScale = 0; // pixels per degree of longitude
    double yScale = 0; // pixels per degree of latitude
};

// The plot area for a client rectangle: shrunk by kSurveyPlotMargin on every
// side.
PixelRect surveyPlotArea(const PixelRect& client);

// Rescales: the square is the largest one centred in area (side = the
// smaller of width and height, the leftover split with integer halves to the
// left / top), and the scales spread the extents' spans over its side.
// Squaring a square gives it back unchanged.
SurveyPlotFrame layoutSurveyPlot(const PixelRect& area, const PlotExtents& extents);

// Where a position (signed degrees) falls: x = left + (lon - lonMin) x
// xScale, y = top + (latMax - lat) x yScale, each product truncated toward
// zero (saturating at the int range) before it is added.
PixelPoint surveyPlotPoint(const SurveyPlotFrame& frame, const PlotExtents& extents,
                           double latitude, double longitude);

// The position under a pixel, for the mouse read-out: latMax - (y - top) /
// yScale and lonMax - (right - x) / xScale, degrees; 0 where the scale is 0.
double surveyPlotLatitude(const SurveyPlotFrame& frame, const PlotExtents& extents, int y);
double surveyPlotLongitude(const SurveyPlotFrame& frame, const PlotExtents& extents, int x);

// One straight line, pixels; where the drawing ends on `to` is the painter's.
struct PixelLine {
    PixelPoint from;
    PixelPoint to;
    bool operator==(const PixelLine& o) const { return from == o.from && to == o.to; }
};

// A grid label: where its text starts, the degrees it shows and the text,
// and whether it is drawn (see keepGridLabels).
struct GridLabel {
    PixelPoint anchor;
    double degrees = 0;
    std::string text;
    bool shown = true;
};

// The dotted grid: six lines each way, index 0 on the square's bottom /
// right edge and 5 on its top / left edge, spaced a fifth of the side apart.
// Latitude labels are upright with their top-left at the anchor, just above
// their line. Longitude labels are turned 90 degrees counter-clockwise about
// the anchor, which is the unturned text's top-left corner: the text then
// reads upwards from there with its top facing left, filling the textHeight
// pixels left of its line.
struct SurveyPlotGrid {
    std::array<PixelLine, 6> horizontal;
    std::array<PixelLine, 6> vertical;
    std::array<GridLabel, 6> latitudeLabels;
    std::array<GridLabel, 6> longitudeLabels;
};

// Lays the grid out. textHeight is the label font's height in pixels as the
// view measures it (8-point Arial on screen). Texts follow the user's
// position format from settings; with empty extents (no samples) they are
// empty and not shown.
SurveyPlotGrid layoutSurveyGrid(const SurveyPlotFrame& frame, const PlotExtents& extents,
                                const SettingsStore& settings, int textHeight);

// The labels' texts' widths in pixels as the painter's font draws them.
struct GridLabelWidths {
    std::array<int, 6> latitude{};
    std::array<int, 6> longitude{};
};

// Decides which labels are drawn, so that none is cut or crosses another:
// a label without text, or whose text would reach outside `bounds` (the
// picture) or overlap a label already kept, is not shown. Latitude labels
// are kept first, bottom to top, then longitude labels, right to left.
// textHeight is layoutSurveyGrid's.
void keepGridLabels(SurveyPlotGrid& grid, const PixelRect& bounds, const GridLabelWidths& widths,
                    int textHeight);

// The grid pen's width for the device's horizontal resolution (pixels per
// inch): a two-hundredth of an inch, at least 1 pixel.
int surveyGridPenWidth(int logPixelsX);

} // namespace orbilunex
