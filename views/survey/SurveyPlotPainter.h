#pragma once

#include "models/PixelGeometry.h"
#include "models/survey/plot/PlotAccuracy.h"
#include "models/survey/plot/PlotExtents.h"
#include "models/survey/plot/PlotFrame.h"
#include "models/survey/plot/PlotMarks.h"
#include "views/survey/SurveyPaintKit.h"

#include <QColor>
#include <QFont>
#include <QImage>

#include <cstdint>
#include <optional>

class QPainter;

namespace orbilunex {

class SettingsStore;
class SurveyModel;

// The survey plot's picture: the grid, the samples' dots, the least-squares
// and mean indicators, the accuracy rings and the stored reference point,
// the mouse's marker (screen) and the legend (page).
// These functions draw and decide nothing: where the plot goes and what it
// is scaled to is the caller's, as is the painter's set-up (smoothing on or
// off). Strokes by raster operation and the straight grid lines are drawn
// unsmoothed whatever the painter says: the first must erase exactly, the
// second are exact already and would only blur.

// What differs between the screen's picture and the printed page's.
struct SurveyPlotStyle {
    // The device's pixels per inch: the grid pen is a two-hundredth of an
    // inch.
    int dpi = 96;
    QFont labelFont;
    // The screen's canvas combines the grid by AND (it darkens what is under
    // it) and the indicators by exclusive-or (drawing one again erases it).
    // A page has no raster operations: both are drawn solid.
    bool rasterOperations = true;
    surveypaint::IndicatorColours indicators;
    // The indicator's ellipse pen (inside its box) and its cross's pen.
    int ringPen = kIndicatorPenWidth;
    int crossPen = kIndicatorCrossPenWidth;
    // The CEP50 and R95 rings and the reference point's diamond.
    surveypaint::AccuracyColours accuracy;
    int accuracyPen = 1;
    // The reference point's diamond: its half-diagonal, pixels.
    int referenceHalf = kReferenceMarkerHalf;
    // The page's large marker: a disc this many pixels across (0: none).
    // The screen's is the model's five-pixel x, set straight into the canvas.
    int largeDotDiameter = 0;
};

// The window's: 8-point Arial (smoothed only when `smooth`), white and
// magenta indicators by exclusive-or. `dpi` is the canvas's.
SurveyPlotStyle screenSurveyPlotStyle(int dpi, bool smooth = false);
// The report's: 8-point Arial, black and green indicators a thirty-second of
// an inch wide, large markers a thirty-second of an inch across.
SurveyPlotStyle pageSurveyPlotStyle(int dpi);

// The dotted grey grid and its labels, the longitude labels reading upwards;
// a label that would leave the picture or cross another is left out
// (keepGridLabels).
void paintSurveyGrid(QPainter& painter, const SurveyPlotFrame& frame, const PlotExtents& extents,
                     const SettingsStore& settings, const SurveyPlotStyle& style);

// The least-squares indicator, then the mean one, each when present: the
// ellipse with its pen inside the box, then the two strokes of its cross,
// clipped to the plot's square (its edges included). With raster
// operations, drawing them again leaves the picture as it was.
void paintSurveyIndicators(QPainter& painter, const std::optional<IndicatorGeometry>& lsf,
                           const std::optional<IndicatorGeometry>& mean,
                           const PixelRect& square, const SurveyPlotStyle& style);

// The CEP50 ring, the R95 ring and the reference point's diamond, each when
// present, clipped like the indicators; with raster operations drawing them
// again leaves the picture as it was.
void paintSurveyAccuracy(QPainter& painter, const AccuracyMarks& marks, const PixelRect& square,
                         const SurveyPlotStyle& style);

// The page's legend in the square's top-right corner, naming the indicators
// in their colours, then the rings and the reference point present in
// `accuracy` (the legend grows a line for each), with a scale bar along the
// bottom of its inner box.
void paintSurveyLegend(QPainter& painter, const SurveyPlotFrame& frame,
                       const PlotExtents& extents, const SettingsStore& settings,
                       const SurveyPlotStyle& style, const AccuracyMarks& accuracy = {});

// Every stored sample through the painter, as the page shows them: lines
// when the survey's are on, dots in their HDOP colours, large markers as
// discs of the style's diameter.
void paintSurveySamples(QPainter& painter, const SurveyPlotFrame& frame,
                        const PlotExtents& extents, const SurveyModel& survey,
                        const SurveyPlotStyle& style);

// The printed plot in `area`: scaled to the stored samples, with grid,
// samples, legend and the indicators of the survey's figures under its
// flags, the accuracy rings when "AccuracyCircles" is on and the stored
// reference point.
void paintSurveyPlot(QPainter& painter, const PixelRect& area, const SurveyModel& survey,
                     const SettingsStore& settings, const SurveyPlotStyle& style);

// --- The screen's canvas ------------------------------------------------------
// A million dots go in far faster written straight into the canvas's pixels
// than through a painter, and the marker's exclusive-or is a plain bit
// operation. The canvas is an RGB32 image at any device pixel ratio; points
// are logical pixels, each drawn over the physical pixels it covers.

// How dots are drawn: the survey's plot settings as the picture takes them.
struct SurveyDotStyle {
    bool largeMarkers = false;
    std::uint16_t hdopLimit = 30;
    bool useLines = false;
    // "Smooth drawing": the lines between dots are anti-aliased, drawn
    // through a painter (far slower than the direct pixels, so only then).
    bool smoothLines = false;
};
SurveyDotStyle surveyDotStyle(const SurveyModel& survey);

// One sample's dot in its HDOP colour, joined to the trail's last dot when
// lines are on.
void plotSurveyDot(QImage& canvas, SurveyPlotTrail& trail, const SurveyDotStyle& style,
                   PixelPoint at, std::uint16_t hdop10, bool startsTrail);

// Every stored sample's dot, the first starting the trail afresh; the trail
// is left at the last one for the live samples that follow. `smooth`
// anti-aliases the lines between them.
void plotSurveySamples(QImage& canvas, SurveyPlotTrail& trail, const SurveyPlotFrame& frame,
                       const PlotExtents& extents, const SurveyModel& survey,
                       bool smooth = false);

// The reference marker by exclusive-or: a second call erases it.
void toggleSurveyMarker(QImage& canvas, PixelPoint marker);

} // namespace orbilunex
