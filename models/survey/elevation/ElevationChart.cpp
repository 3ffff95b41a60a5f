#include "models/survey/elevation/ElevationChart.h"

#include "nmea/GpsState.h"

namespace orbilunex {

void ElevationChart::resize(const PixelRect& client, SurveyModel& survey)
{
    scales.chart = elevationChartRect(client);
    survey.recomputeAltitudeRange();
    rescale(survey);
}

void ElevationChart::rescale(const SurveyModel& survey)
{
    rescaleElevation(scales, survey.sampleCount(), survey.altitudeMax, survey.altitudeMin);
}

ElevationSegment ElevationChart::segment(const SurveyModel& survey, std::int32_t altitudeCm,
                                         std::uint16_t vdop10, bool threeD, bool startsPass,
                                         bool& rescaled)
{
    const PixelPoint point = elevationPoint(scales, startsPass ? 0 : sampleCounter, altitudeCm,
                                            survey.altitudeMin);
    if (startsPass) {
        sampleCounter = 0;
        lastPoint = point;
    }
    if (point.x >= scales.chart.right) {
        // Compress the chart to the samples there are now; the repaint redraws them.
        rescale(survey);
        rescaled = true;
    }
    ElevationSegment line{lastPoint, point, vdopLimit >= vdop10 && threeD};
    ++sampleCounter;
    lastPoint = point;
    return line;
}

void ElevationChart::takeCopies(const SurveyModel& survey)
{
    const LeastSquaresAccumulator& fit = survey.leastSquares[SurveyModel::kAltitude];
    estimate = fit.estimate();
    spread = fit.spread();
    mean = survey.mean[SurveyModel::kAltitude].mean;
    figures = survey.sampleCount() != 0;
}

ElevationIndicatorLine ElevationChart::lineAt(const SurveyModel& survey, double metres,
                                              int width, ElevationIndicatorColour colour) const
{
    const int y = elevationLineY(scales, metres, survey.altitudeMin);
    return {{scales.chart.left, y}, {scales.chart.right, y}, width, colour};
}

std::vector<ElevationIndicatorLine> ElevationChart::lsfIndicator(const SurveyModel& survey) const
{
    if (survey.enablePalsfsd == 0 || !figures) return {};
    const auto white = ElevationIndicatorColour::White;
    return {lineAt(survey, estimate + spread, 2, white),
            lineAt(survey, estimate - spread, 2, white), lineAt(survey, estimate, 1, white)};
}

std::vector<ElevationIndicatorLine> ElevationChart::meanIndicator(const SurveyModel& survey) const
{
    if (survey.enablePositionAvgIndicator == 0 || !figures) return {};
    return {lineAt(survey, mean, 2, ElevationIndicatorColour::Magenta)};
}

std::vector<ElevationIndicatorLine> ElevationChart::indicators(const SurveyModel& survey) const
{
    std::vector<ElevationIndicatorLine> lines = lsfIndicator(survey);
    for (const ElevationIndicatorLine& line : meanIndicator(survey)) lines.push_back(line);
    return lines;
}

ElevationFixStep ElevationChart::follow(const GpsState& state, SurveyModel& survey)
{
    ElevationFixStep step;
    if (!survey.acquisitionEnabled) return step;
    if (state.ggaCount == lastGgaCount) return step;
    lastGgaCount = state.ggaCount;
    if (state.fixQuality == 0 && survey.verifyPositionFix != 0) return step;

    const std::int32_t altitude = truncateToInt32(state.altitude * 100);
    const std::uint16_t vdop10 = truncateToUint16(state.vdop * 10);
    const bool threeD = state.fixType == 3;

    bool widened = false;
    if (altitude > survey.altitudeMax) {
        survey.altitudeMax = altitude;
        widened = true;
    }
    if (altitude < survey.altitudeMin) {
        survey.altitudeMin = altitude;
        widened = true;
    }
    if (widened) {
        rescale(survey);
        step.outcome = ElevationFixStep::Outcome::Repaint;
        return step;
    }

    step.outcome = ElevationFixStep::Outcome::Plotted;
    step.segment =
        segment(survey, altitude, vdop10, threeD, survey.sampleCount() == 1, step.repaint);
    step.erase = meanIndicator(survey);
    for (const ElevationIndicatorLine& line : lsfIndicator(survey)) step.erase.push_back(line);
    takeCopies(survey);
    step.draw = indicators(survey);
    return step;
}

std::string ElevationChart::cursorText(int cursorY, const SurveyModel& survey,
                                       const SettingsStore& settings) const
{
    return elevationCursorText(scales, cursorY, survey.altitudeMax, settings);
}

} // namespace orbilunex
