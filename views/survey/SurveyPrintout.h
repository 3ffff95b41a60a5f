#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace orbilunex {

class CSurveyDoc;
class SettingsStore;

// Draws the survey's printed report, one page, into pageRect of a device
// with `dpi` pixels per inch. This lays the page out; the pictures are the
// window's own painters with the page's style (pageSurveyPlotStyle,
// pageSurveyElevationStyle: the page's resolution, solid indicators in black
// and green instead of exclusive-or):
// - a frame half an inch in, with `credit` running up beside its right edge;
// - the document's path name above the frame;
// - the position plot in the top two thirds (paintSurveyPlot): grid, every
//   sample, the legend with its scale bar, and the least-squares and mean
//   indicators under the survey's indicator flags;
// - the altitude chart below it (paintSurveyElevation) with its eleven
//   levels and indicator lines;
// - the statistics in three blocks side by side at the bottom: the mean and
//   least-squares positions, the sample counts and HDOP shares, and the
//   survey's comment wrapped in the room left.
// Positions and units follow `settings`. The plot is scaled to the stored
// samples; the chart to the survey's altitude range as it stands.
// Text is sized in points by the painter's device, which must therefore
// resolve `dpi` itself (a printer does; a page image needs its dots per
// metre set). The painter's state is restored on return.
void printSurveyReport(QPainter& painter, const QRect& pageRect, int dpi, const CSurveyDoc& doc,
                       const SettingsStore& settings, const QString& credit);

} // namespace orbilunex
