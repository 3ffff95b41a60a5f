#include "models/survey/plot/PlotFrame.h"

#include "format/PositionText.h"
#include "survey/SurveySample.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orbilunex {

namespace {

double scaleFor(int side, double span)
{
    const double extent = std::fabs(span);
    return extent == 0.0 ? 0.0 : side / extent;
}

// Fifths of a length, as the grid spaces its lines: i x 0.2 x length in
// double, in that order of operations.
double fifths(int i, int length) { return i * 0.2 * length; }

} // namespace

PixelRect surveyPlotArea(const PixelRect& client)
{
    return {client.left + kSurveyPlotMargin, client.top + kSurveyPlotMargin,
            client.right - kSurveyPlotMargin, client.bottom - kSurveyPlotMargin};
}

SurveyPlotFrame layoutSurveyPlot(const PixelRect& area, const PlotExtents& extents)
{
    const int side = std::min(area.width(), area.height());
    SurveyPlotFrame frame;
    frame.square.left = area.left + (area.width() - side) / 2;
    frame.square.top = area.top + (area.height() - side) / 2;
    frame.square.right = frame.square.left + side;
    frame.square.bottom = frame.square.top + side;
    frame.yScale = scaleFor(side, extents.latitudeMax - extents.latitudeMin);
    frame.xScale = scaleFor(side, extents.longitudeMax - extents.longitudeMin);
    return frame;
}

PixelPoint surveyPlotPoint(const SurveyPlotFrame& frame, const PlotExtents& extents,
                           double latitude, double longitude)
{
    const std::int32_t dx = truncateToInt32((longitude - extents.longitudeMin) * frame.xScale);
    const std::int32_t dy = truncateToInt32((extents.latitudeMax - latitude) * frame.yScale);
    return {frame.square.left + dx, frame.square.top + dy};
}

double surveyPlotLatitude(const SurveyPlotFrame& frame, const PlotExtents& extents, int y)
{
    if (frame.yScale == 0.0) return 0.0;
    return extents.latitudeMax - (y - frame.square.top) / frame.yScale;
}

double surveyPlotLongitude(const SurveyPlotFrame& frame, const PlotExtents& extents, int x)
{
    if (frame.xScale == 0.0) return 0.0;
    return extents.longitudeMax - (frame.square.right - x) / frame.xScale;
}

SurveyPlotGrid layoutSurveyGrid(const SurveyPlotFrame& frame, const PlotExtents& extents,
                                const SettingsStore& settings, int textHeight)
{
    const PixelRect& sq = frame.square;
    SurveyPlotGrid grid;
    for (int i = 0; i < 6; ++i) {
        const int y = truncateToInt32(sq.bottom - fifths(i, sq.height()));
        grid.horizontal[i] = {{sq.left, y}, {sq.right, y}};
        GridLabel& lat = grid.latitudeLabels[i];
        lat.degrees = surveyPlotLatitude(frame, extents, y);
        // An empty plot has no positions to name: its labels stay blank.
        if (!extents.empty()) lat.text = formatLatitude(settings, lat.degrees);
        lat.anchor = {sq.left + 2, y - textHeight};

        // The longitude label counts its offset back from the right edge,
        // truncated, rather than taking the line's own x.
        const int back = truncateToInt32(fifths(i, sq.width()));
        const int x = truncateToInt32(sq.right - fifths(i, sq.width()));
        grid.vertical[i] = {{x, sq.top}, {x, sq.bottom}};
        GridLabel& lon = grid.longitudeLabels[i];
        lon.degrees = frame.xScale == 0.0 ? 0.0 : extents.longitudeMax - back / frame.xScale;
        if (!extents.empty()) lon.text = formatLongitude(settings, lon.degrees);
        lon.anchor = {x - textHeight, sq.bottom - 50};
    }
    return grid;
}

namespace {

// The pixels a label's text covers: upright from its anchor, or turned a
// quarter anticlockwise about it (reading upwards, its top to the left).
PixelRect latitudeLabelBox(const GridLabel& label, int width, int textHeight)
{
    return {label.anchor.x, label.anchor.y, label.anchor.x + width, label.anchor.y + textHeight};
}

PixelRect longitudeLabelBox(const GridLabel& label, int width, int textHeight)
{
    return {label.anchor.x, label.anchor.y - width, label.anchor.x + textHeight, label.anchor.y};
}

bool within(const PixelRect& box, const PixelRect& bounds)
{
    return box.left >= bounds.left && box.top >= bounds.top && box.right <= bounds.right &&
           box.bottom <= bounds.bottom;
}

bool overlap(const PixelRect& a, const PixelRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

void keepGridLabels(SurveyPlotGrid& grid, const PixelRect& bounds, const GridLabelWidths& widths,
                    int textHeight)
{
    std::vector<PixelRect> kept;
    auto keep = [&](GridLabel& label, const PixelRect& box) {
        label.shown = !label.text.empty() && within(box, bounds) &&
                      std::none_of(kept.begin(), kept.end(),
                                   [&](const PixelRect& other) { return overlap(box, other); });
        if (label.shown) kept.push_back(box);
    };
    // Index 0 is the bottom line and the right-hand one.
    for (std::size_t i = 0; i < 6; ++i)
        keep(grid.latitudeLabels[i],
             latitudeLabelBox(grid.latitudeLabels[i], widths.latitude[i], textHeight));
    for (std::size_t i = 0; i < 6; ++i)
        keep(grid.longitudeLabels[i],
             longitudeLabelBox(grid.longitudeLabels[i], widths.longitude[i], textHeight));
}

int surveyGridPenWidth(int logPixelsX) { return std::max(1, logPixelsX / 200); }

} // namespace orbilunex
