#pragma once

#include "models/PixelGeometry.h"
#include "models/survey/elevation/ElevationChart.h"
#include "models/survey/elevation/ElevationScale.h"
#include "views/survey/SurveyPaintKit.h"

#include <QColor>
#include <QFont>
#include <QPen>

#include <cstdint>
#include <vector>

class QPainter;

namespace orbilunex {

class SettingsStore;
class SurveyModel;

// The survey's altitude chart: level lines with their labels, the trace of
// every sample's altitude (blue where VDOP and fix are accepted, red
// elsewhere) and the least-squares and mean indicator lines. These
// functions draw and decide nothing: the scales are the caller's, as is the
// painter's set-up (no smoothing).

// Where the level labels stand.
enum class ElevationLabels {
    // On the chart from kElevationLabelX, each hanging under its line on
    // the label ground (the window).
    OnChart,
    // Left of the chart, a character's width off its edge, with the unit
    // (the page).
    LeftOfChart,
};

// What differs between the window's chart and the printed page's.
struct SurveyElevationStyle {
    // The device's pixels per inch: the page's indicator lines are a
    // thirty-second of an inch wide, the estimate's a sixty-fourth.
    int dpi = 96;
    QFont labelFont;
    ElevationLabels labels = ElevationLabels::OnChart;
    QColor labelColour;
    // The patch behind each label; none (invalid) leaves the text
    // transparent.
    QColor labelGround;
    QPen levelPen;
    // The top and bottom levels too; the page's frame stands for them.
    bool edgeLevels = true;
    // The window's canvas draws the indicator lines by exclusive-or, so that
    // drawing one again erases it; a page draws them solid.
    bool rasterOperations = true;
    // For the model's "white" (least-squares) and "magenta" (mean) lines.
    surveypaint::IndicatorColours indicators;
};

// The window's: 7-point "Small Fonts" on the button face (smoothed only when
// `smooth`), grey levels, white and magenta indicator lines by exclusive-or.
SurveyElevationStyle screenSurveyElevationStyle(const QColor& buttonFace, bool smooth = false);
// The report's at `dpi`: 8-point Arial, black levels and labels with their
// unit beside the chart, black and green indicator lines.
SurveyElevationStyle pageSurveyElevationStyle(int dpi);

// Smoothing is the painter's set-up, the caller's; the level lines (exact
// already) and the exclusive-or indicator lines (which must erase exactly)
// are drawn unsmoothed whatever it says.

// The eleven level lines across the chart (the inner nine without edge
// levels) and their labels, bottom to top.
void paintElevationLevels(QPainter& painter, const ElevationScale& scale,
                          std::int32_t altitudeMax, const SettingsStore& settings,
                          const SurveyElevationStyle& style);

// One segment of the window's trace, a 1-pixel line in its colour.
void paintElevationSegment(QPainter& painter, const ElevationSegment& segment);

// Indicator lines across the chart in the style's colours.
void paintElevationIndicators(QPainter& painter, const std::vector<ElevationIndicatorLine>& lines,
                              const SurveyElevationStyle& style);

// The printed chart in `area`: its frame, the labels left of the chart,
// the trace from the middle of the chart's left edge through every sample
// scaled to the survey's altitude range, the axis, the levels, and the
// indicator lines of the survey's figures under its flags, each left out
// when it falls on or outside the frame.
void paintSurveyElevation(QPainter& painter, const PixelRect& area, const SurveyModel& survey,
                          const SettingsStore& settings, const SurveyElevationStyle& style);

} // namespace orbilunex
