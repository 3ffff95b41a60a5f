#pragma once

#include "models/PixelGeometry.h"
#include "models/survey/plot/PlotFrame.h"

#include <array>
#include <cstdint>
#include <optional>

namespace orbilunex {

class SurveyModel;

// --- Sample dots -----------------------------------------------------------

// Blue (0, 0, 255) for a sample within the HDOP limit, red (255, 0, 0)
// beyond it.
enum class DotColour { Blue, Red };

// hdop10 at most the limit (HDOP x 10, unsigned) is blue, so an HDOP of 0 is.
DotColour surveyDotColour(std::uint16_t hdop10, std::uint16_t hdopLimit);

// The pixels a dot sets: its centre, and with large markers the four
// diagonal neighbours as well (a five-pixel x). Only the first `count` of
// `pixels` are used; the centre is first.
struct DotPixels {
    std::array<PixelPoint, 5> pixels{};
    int count = 0;
};
DotPixels surveyDotPixels(PixelPoint centre, bool largeMarkers);

// The line memory that joins dots when UseLines is on: each dot is joined to
// the one drawn before it with a solid 1-pixel line in the new dot's colour.
class SurveyPlotTrail {
public:
    // The line to draw before the dot at `dot`, or none when lines are off.
    // startsTrail marks the first dot of a paint, or a live dot while the
    // survey holds no sample yet: its line runs from the dot to itself.
    // The dot becomes the point the next line starts from.
    std::optional<PixelLine> next(PixelPoint dot, bool startsTrail, bool useLines);

private:
    PixelPoint last;
};

// --- Estimate indicators ---------------------------------------------------

// The figures one indicator is drawn from, degrees. The view keeps a copy
// so that it can erase an indicator (drawn by XOR) by drawing it again.
struct IndicatorFigures {
    double latitude = 0;
    double longitude = 0;
    double latitudeSpread = 0;
    double longitudeSpread = 0;
};

// The least-squares estimates and spreads, and the means and spreads, of a
// survey as they stand.
IndicatorFigures lsfIndicatorFigures(const SurveyModel& survey);
IndicatorFigures meanIndicatorFigures(const SurveyModel& survey);

// Pen widths, pixels: the ellipse's (an inside-frame pen) and the cross's.
constexpr int kIndicatorPenWidth = 2;
constexpr int kIndicatorCrossPenWidth = kIndicatorPenWidth / 2;

// One indicator in pixels: the ellipse inscribed in `ellipseBox` (exclusive
// right and bottom, normalised), the centre of that box and the two strokes
// of its cross, drawn hollow by XOR.
struct IndicatorGeometry {
    PixelRect ellipseBox;
    PixelPoint centre;
    std::array<PixelLine, 2> cross;
};

// The least-squares indicator (white (255, 255, 255), an x cross with
// half-length side / 40), or none when its flag is 0 or its figures are 0
// in latitude (estimate and spread) or in longitude.
std::optional<IndicatorGeometry> lsfIndicator(const SurveyPlotFrame& frame,
                                              const PlotExtents& extents,
                                              const IndicatorFigures& figures, int enabled);

// The mean indicator (magenta (255, 0, 255), a + cross with half-length
// side / 20), gated the same way on its own flag.
std::optional<IndicatorGeometry> meanIndicator(const SurveyPlotFrame& frame,
                                               const PlotExtents& extents,
                                               const IndicatorFigures& figures, int enabled);

// --- Reference marker ------------------------------------------------------

// The marker's place when the view is made, client pixels.
constexpr PixelPoint kInitialSurveyMarker{50, 50};
constexpr int kSurveyMarkerSide = 9;

// Where the 9 x 9 cross-hair image goes for a marker at `marker`: its
// top-left corner 4 pixels up and left of it.
PixelRect surveyMarkerBox(PixelPoint marker);

// Whether the image's pixel (column, row), each 0..8, is part of an arm
// (light grey (192, 192, 192)) rather than the black ground. The arms run
// along the middle row and column, leaving the 3 x 3 centre open so the
// marked pixel itself stays visible. XOR with black leaves the screen as it
// is, so only the arms show, and drawing twice erases.
bool surveyMarkerArm(int column, int row);

} // namespace orbilunex
