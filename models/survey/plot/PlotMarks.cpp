#include "models/survey/plot/PlotMarks.h"

#include "survey/SurveyModel.h"

#include <algorithm>
#include <cstdlib>

namespace orbilunex {

DotColour surveyDotColour(std::uint16_t hdop10, std::uint16_t hdopLimit)
{
    return hdop10 <= hdopLimit ? DotColour::Blue : DotColour::Red;
}

DotPixels surveyDotPixels(PixelPoint c, bool largeMarkers)
{
    DotPixels dot;
    dot.pixels[dot.count++] = c;
    if (largeMarkers) {
        dot.pixels[dot.count++] = {c.x - 1, c.y - 1};
        dot.pixels[dot.count++] = {c.x + 1, c.y - 1};
        dot.pixels[dot.count++] = {c.x - 1, c.y + 1};
        dot.pixels[dot.count++] = {c.x + 1, c.y + 1};
    }
    return dot;
}

std::optional<PixelLine> SurveyPlotTrail::next(PixelPoint dot, bool startsTrail, bool useLines)
{
    if (startsTrail) last = dot;
    // Remembered with lines off too, so that switching them on joins from
    // the dot really drawn last rather than from a stale one.
    const PixelLine line{last, dot};
    last = dot;
    if (!useLines) return std::nullopt;
    return line;
}

IndicatorFigures lsfIndicatorFigures(const SurveyModel& survey)
{
    const auto& lat = survey.leastSquares[SurveyModel::kLatitude];
    const auto& lon = survey.leastSquares[SurveyModel::kLongitude];
    return {lat.estimate(), lon.estimate(), lat.spread(), lon.spread()};
}

IndicatorFigures meanIndicatorFigures(const SurveyModel& survey)
{
    const auto& lat = survey.mean[SurveyModel::kLatitude];
    const auto& lon = survey.mean[SurveyModel::kLongitude];
    return {lat.mean, lon.mean, lat.spread(), lon.spread()};
}

namespace {

bool hasFigures(const IndicatorFigures& f)
{
    // A coordinate with neither an estimate nor a spread has had no data
    // (the least-squares line needs two values before it says anything).
    return !(f.longitude == 0 && f.longitudeSpread == 0) &&
           !(f.latitude == 0 && f.latitudeSpread == 0);
}

// The box the indicator's ellipse fills, and its centre as the cross takes
// it: from the corner of (estimate - spread) towards that of
// (estimate + spread), halving the signed differences with integer division.
IndicatorGeometry box(const SurveyPlotFrame& frame, const PlotExtents& extents,
                      const IndicatorFigures& f)
{
    const PixelPoint p1 = surveyPlotPoint(frame, extents, f.latitude - f.latitudeSpread,
                                          f.longitude - f.longitudeSpread);
    const PixelPoint p2 = surveyPlotPoint(frame, extents, f.latitude + f.latitudeSpread,
                                          f.longitude + f.longitudeSpread);
    IndicatorGeometry g;
    g.ellipseBox = {std::min(p1.x, p2.x), std::min(p1.y, p2.y), std::max(p1.x, p2.x),
                    std::max(p1.y, p2.y)};
    g.centre = {p1.x + (p2.x - p1.x) / 2, p1.y + (p2.y - p1.y) / 2};
    return g;
}

} // namespace

std::optional<IndicatorGeometry> lsfIndicator(const SurveyPlotFrame& frame,
                                              const PlotExtents& extents,
                                              const IndicatorFigures& figures, int enabled)
{
    if (enabled == 0 || !hasFigures(figures)) return std::nullopt;
    IndicatorGeometry g = box(frame, extents, figures);
    const int h = frame.square.width() / 40;
    const PixelPoint c = g.centre;
    // The far ends reach one pixel further because the last pixel of a line
    // is not drawn.
    g.cross[0] = {{c.x - h, c.y - h}, {c.x + h + 1, c.y + h + 1}};
    g.cross[1] = {{c.x + h, c.y - h}, {c.x - h - 1, c.y + h + 1}};
    return g;
}

std::optional<IndicatorGeometry> meanIndicator(const SurveyPlotFrame& frame,
                                               const PlotExtents& extents,
                                               const IndicatorFigures& figures, int enabled)
{
    if (enabled == 0 || !hasFigures(figures)) return std::nullopt;
    IndicatorGeometry g = box(frame, extents, figures);
    const int h = frame.square.width() / 20;
    const PixelPoint c = g.centre;
    g.cross[0] = {{c.x, c.y - h}, {c.x, c.y + h + 1}};
    g.cross[1] = {{c.x - h, c.y}, {c.x + h + 1, c.y}};
    return g;
}

PixelRect surveyMarkerBox(PixelPoint marker)
{
    return {marker.x - 4, marker.y - 4, marker.x - 4 + kSurveyMarkerSide,
            marker.y - 4 + kSurveyMarkerSide};
}

bool surveyMarkerArm(int column, int row)
{
    if (column < 0 || row < 0 || column >= kSurveyMarkerSide || row >= kSurveyMarkerSide)
        return false;
    const int mid = kSurveyMarkerSide / 2;
    const bool onArm = column == mid || row == mid;
    const bool inCentre = std::abs(column - mid) <= 1 && std::abs(row - mid) <= 1;
    return onArm && !inCentre;
}

} // namespace orbilunex
