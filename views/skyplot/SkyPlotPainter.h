#pragma once

#include "models/PixelGeometry.h"
#include "models/skyplot/SkyPlotModel.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QString>

class QFontMetrics;
class QPainter;

namespace orbilunex {

// Colours the screen picture takes from the window system, and whether the
// user asked for smooth drawing.
struct SkyPlotPalette {
    QColor buttonFace = QColor(240, 240, 240);
    bool smooth = false;
};

// The screen chart's canvas is set to 96 dots per inch whatever screen
// hosts it: its label size already follows the chart's size in pixels, so
// the labels keep their proportion to the chart on any screen.
constexpr int kSkyCanvasDotsPerMetre = 3780;

// The chart's text face at a size in points (fractions allowed); the
// device it is drawn on turns points into pixels.
QFont skyPlotFont(double points);

// The box a satellite's label is centred and clipped in: five of the
// font's widest characters wide, three lines high, centred across the
// satellite at `at`, its top `gap` pixels below it.
QRect satelliteLabelBox(const QFontMetrics& metrics, const QPoint& at, int gap);

// The off-screen picture the screen chart is composed in: RGB32 (the mask
// outline's exclusive-or needs a raster pixel format) at
// kSkyCanvasDotsPerMetre, `size` logical pixels at the device pixel ratio
// `ratio` (the screen's).
QImage skyPlotCanvas(const QSize& size, qreal ratio = 1.0);

// What one screen picture leaves for the next to reuse, so that a repaint at
// the same size makes no new buffers: the clip disc (for the box it was made
// for) and the point lists of the trails and the mask outline. It changes no
// pixel: a picture drawn with it is the one drawn without.
struct SkyPlotScratch {
    PixelRect discBox;
    QRegion disc;
    QPolygon trailPixels;
    QPolygon outline;
};

// Draws the on-screen sky chart of `model` into `client`, in this order:
// button-face fill with a black outline; the grid (black disc ringed in grey,
// ring labels, dotted spokes labelled 30º..360º) clipped to the chart disc;
// satellites as white X markers with their labels in the used colour or
// grey; trail pixels in green when trails are on; the mask outline in blue
// drawn with exclusive-or when the outline is on. Draws, decides nothing.
// Lines, circles and text are anti-aliased when the palette says smooth,
// except the exclusive-or outline.
// The painter should be on a skyPlotCanvas: exclusive-or needs the raster
// engine and the label size assumes its resolution. A client too small for
// a chart gives an empty disc. The painter's state is restored on return.
// Needs a QGuiApplication: the clip disc is rasterised on a bitmap.
// `scratch`, when given, is the caller's to keep between pictures.
void paintSkyPlot(QPainter& painter, const QRect& client, const SkyPlotModel& model,
                  const SkyPlotPalette& palette, SkyPlotScratch* scratch = nullptr);

// Draws the printed page into pageRect of a device with `dpi` pixels per
// inch: half-inch frame, the identification line up the frame's right edge,
// the comment above the plot, white rings labelled along the north spoke,
// 24 spokes, the mask outline always in solid black, satellites as dots.
// No trails. Text is sized in points by the painter's device, which must
// therefore resolve `dpi` itself (a printer does; a page image needs its
// dots per metre set). Lines are drawn without smoothing. The painter's
// state is restored on return.
void printSkyPlot(QPainter& painter, const QRect& pageRect, int dpi, const SkyPlotModel& model,
                  const QString& comment, const QString& identification);

} // namespace orbilunex
