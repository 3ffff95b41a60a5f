#pragma once

#include "models/PixelGeometry.h"
#include "models/gauges/DialGeometry.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QRect>
#include <QString>

#include <vector>

class QFontMetrics;
class QPainter;
class QPalette;

namespace orbilunex {

// What the round gauges draw with. Painters take a painter set up by the
// caller (see gaugeCanvas) and draw without smoothing: every pixel of these
// pictures is placed on purpose.

// The system colours of the round gauges.
struct GaugePalette {
    QColor needle;     // needle, needle line and hub: highlight
    QColor text;       // ticks, labels, captions, read-outs, dial outline
    QColor face;       // dial face and text background: window
    QColor background; // outside the dial: button face
};

GaugePalette gaugePalette(const QPalette& palette);

// The off-screen picture a gauge composes in: RGB32 at 96 dots per inch
// whatever screen shows it, since the gauges size their text from the dial
// in pixels.
constexpr int kGaugeCanvasDotsPerMetre = 3780;
QImage gaugeCanvas(const QSize& size);

// "Arial" at a size in tenths of a point.
QFont gaugeFont(int tenths);

// A solid pen `width` pixels wide (0: the thinnest line) with round ends,
// so that a zero-length stroke leaves a dot of that diameter.
QPen gaugePen(const QColor& colour, int width);

QRect toQRect(const PixelRect& rect);
PixelRect toPixelRect(const QRect& rect);

// The whole client rectangle in the button face.
void fillGaugeBackground(QPainter& painter, const QRect& client, const GaugePalette& palette);

// The dial face: an ellipse in the dial square, outlined D/80 pixels wide in
// the text colour and filled with the face colour.
void drawDialFace(QPainter& painter, const DialGeometry& dial, const GaugePalette& palette);

// A straight stroke along the ray at `degrees` from radius r1 to r2 (dial
// units) with `pen`; r1 = r2 = 0 marks the hub with a dot.
void drawRadialStroke(QPainter& painter, const DialGeometry& dial, double r1, double r2,
                      double degrees, const QPen& pen);

// A scale tick at `degrees` from radius 89.9 inward to 73 (major) or 80.
void drawTick(QPainter& painter, const DialGeometry& dial, double degrees, bool major,
              const QPen& pen);

// A scale's ticks with the dial's pen, each major's label centred at
// `labelRadius`, in the painter's font.
void drawLabelledTicks(QPainter& painter, const DialGeometry& dial,
                       const std::vector<DialTick>& ticks, double labelRadius, const QPen& pen);

// The read-out box (see valueTextBox) outlined in the painter's pen and
// filled with the face colour; returns it.
QRect drawReadoutBox(QPainter& painter, const DialGeometry& dial, const QString& unit,
                     const GaugePalette& palette);

// A filled kite at needle angle `degrees`: tail, shoulders at +-halfAngle,
// tip (radii in dial units); outline 1 pixel and fill in `colour`.
void drawNeedleKite(QPainter& painter, const DialGeometry& dial, double degrees, double tail,
                    double shoulder, double halfAngle, double tip, const QColor& colour);

// Text with its top-left corner at (x, top), in the painter's font and pen.
void drawTextAt(QPainter& painter, int x, int top, const QString& text);

// A label centred on the polar point at `radius`: x = point.x - width / 2,
// top = point.y - font height / 2.
void drawCentredLabel(QPainter& painter, const DialGeometry& dial, double radius, double degrees,
                      const QString& text);

// A caption centred on the dial's centre line, its top 3 font heights above
// the centre.
void drawCaption(QPainter& painter, const DialGeometry& dial, const QString& text);

// The painter's font's average character width in whole pixels (see
// averageCharWidth: Arial's average with a face of Arial's widths).
int gaugeAverageCharWidth(QPainter& painter);

// The read-out box of the speedometer and the altimeter, in the painter's
// font: sized by the text "-00000.00 <unit>", centred on the truncated
// centre, moved down by 3 half heights, widened by the average character
// width on each side and heightened by a quarter of the font height above
// and below.
QRect valueTextBox(QPainter& painter, const DialGeometry& dial, const QString& unit);

} // namespace orbilunex
