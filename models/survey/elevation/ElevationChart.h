#pragma once

#include "models/PixelGeometry.h"
#include "models/survey/elevation/ElevationScale.h"
#include "survey/SurveyModel.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orbilunex {

struct GpsState;
class SettingsStore;

// One line of the strip chart. Accepted segments are drawn blue (0, 0, 255),
// the others red (255, 0, 0), with a 1-pixel pen.
struct ElevationSegment {
    PixelPoint from;
    PixelPoint to;
    bool accepted = false; // VDOP x 10 within the limit and a 3D fix
};

enum class ElevationIndicatorColour { White, Magenta };

// One horizontal indicator line across the chart's full width, drawn by XOR
// so that drawing it again erases it.
struct ElevationIndicatorLine {
    PixelPoint from;
    PixelPoint to;
    int width = 1;
    ElevationIndicatorColour colour = ElevationIndicatorColour::White;
};

// What one timer tick asks of the view.
struct ElevationFixStep {
    enum class Outcome {
        Nothing,  // no new fix to follow
        Repaint,  // the fix widened the altitude range: rescaled, repaint all
        Plotted,  // draw the segment, erase, then draw the indicators
    };
    Outcome outcome = Outcome::Nothing;
    ElevationSegment segment;
    // The segment reached the right edge: the chart was rescaled and the whole
    // view must be repainted (the segment is still drawn first).
    bool repaint = false;
    std::vector<ElevationIndicatorLine> erase; // mean, then least squares
    std::vector<ElevationIndicatorLine> draw;  // least squares, then mean
};

// The altitude strip chart's state between paints: its scales, the figures
// the indicators were last drawn from, and where the last segment ended.
// Draws nothing itself; the view draws what it returns, in the order given.
class ElevationChart {
public:
    // The window was resized to `client`: the chart is the client less 2
    // pixels top and bottom, the survey's altitude range is rescanned and the
    // scales recomputed.
    void resize(const PixelRect& client, SurveyModel& survey);

    // Recomputes the scales for the survey's sample count and altitude range
    // (a scale that cannot be computed keeps its value).
    void rescale(const SurveyModel& survey);

    // The segment to one more sample (altitude in cm). startsPass restarts
    // the sample counter at 0, the segment then being a single point. When
    // the point's x reaches the chart's right edge the scales are recomputed
    // for the survey's current sample count and `rescaled` is set: the view
    // must repaint everything. The segment keeps the point as computed.
    ElevationSegment segment(const SurveyModel& survey, std::int32_t altitudeCm,
                             std::uint16_t vdop10, bool threeD, bool startsPass,
                             bool& rescaled);

    // A full paint: takes the VDOP limit from the survey, hands the segment
    // of every stored sample to draw(const ElevationSegment&) in arrival
    // order, then takes the indicator figures from the survey. Returns
    // whether a segment asked for another repaint (see segment()); the
    // indicators to draw next are indicators().
    template <typename Draw>
    bool paintSamples(const SurveyModel& survey, Draw&& draw)
    {
        vdopLimit = survey.vdopThreshold;
        bool rescaled = false;
        bool first = true;
        survey.samples().forEach([&](const SurveySample& s) {
            draw(segment(survey, s.altitude, s.vdop10, s.fix3d == 1, first, rescaled));
            first = false;
        });
        takeCopies(survey);
        return rescaled;
    }

    // Copies the altitude least-squares estimate and spread and the altitude
    // mean (metres) that the indicators are drawn from, and whether there
    // were samples to take them from.
    void takeCopies(const SurveyModel& survey);

    // The indicators from the copies: the least-squares lines (estimate +
    // spread and estimate - spread at width 2, the estimate at width 1, white)
    // when EnablePALSFSD is non-zero, then the mean line (width 2, magenta)
    // when EnablePositionAvgIndicator is non-zero; none while the copies
    // came from no samples (an empty survey has no altitude to mark). Erasing
    // goes by the same copies as drawing, so the two always match.
    std::vector<ElevationIndicatorLine> lsfIndicator(const SurveyModel& survey) const;
    std::vector<ElevationIndicatorLine> meanIndicator(const SurveyModel& survey) const;
    std::vector<ElevationIndicatorLine> indicators(const SurveyModel& survey) const;

    // One timer tick: follows the receiver's newest GGA fix, widening the
    // survey's altitude range with it whatever its VDOP. Nothing happens
    // while acquisition is off, when the GGA was already followed, or for an
    // invalid fix while VerifyPositionFix is on.
    ElevationFixStep follow(const GpsState& state, SurveyModel& survey);

    // The status text for the mouse at client y (see elevationCursorText).
    std::string cursorText(int cursorY, const SurveyModel& survey,
                           const SettingsStore& settings) const;

    const ElevationScale& scale() const { return scales; }
    double estimateCopy() const { return estimate; }
    double spreadCopy() const { return spread; }
    double meanCopy() const { return mean; }
    std::uint16_t vdopLimitCopy() const { return vdopLimit; }
    int nextSampleIndex() const { return sampleCounter; }
    PixelPoint lastPointDrawn() const { return lastPoint; }

    std::int32_t lastGgaCount = 0;

private:
    ElevationIndicatorLine lineAt(const SurveyModel& survey, double metres, int width,
                                  ElevationIndicatorColour colour) const;

    ElevationScale scales;
    double estimate = 0;
    double spread = 0;
    double mean = 0;
    bool figures = false;
    std::uint16_t vdopLimit = 0;
    int sampleCounter = 0;
    PixelPoint lastPoint;
};

} // namespace orbilunex
