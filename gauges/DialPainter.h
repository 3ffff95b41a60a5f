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
// caller (see gaugeCanvas and setSmoothing) in logical pixels. Unsmoothed,
// the classic look, every pixel of these pictures is placed on purpose.

// The system colours of the gauges.
struct GaugePalette {
    QColor needle;     // needle, needle line and hub: highlight
    QColor text;       // ticks, labels, captions, read-outs, dial outline
    QColor face;       // dial face and text background: window
    QColor background; // outside the dial: button face
    QColor shadow;     // a sunken frame's top and left edges: dark
    QColor light;      // its bottom and right edges: light
};

bool operator==(const GaugePalette& a, const GaugePalette& b);

GaugePalette gaugePalette(const QPalette& palette);

// The off-screen picture a gauge composes in: RGB32 of `size` logical
// pixels at `ratio` device pixels to one (see pictureCanvas), at 96 dots per
// inch whatever screen shows it, since the gauges size their text from the
// dial in logical pixels.
constexpr int kGaugeCanvasDotsPerMetre = 3780;
QImage gaugeCanvas(const QSize& size, qreal ratio);

// "Arial" at a size in tenths of a point, drawn to the pixel unless
// `smooth`: the font alone can keep text from being anti-aliased.
QFont gaugeFont(int tenths, bool smooth);

// Sets gaugeFont(tenths) on the painter, smoothed as its text is (see
// setSmoothing).
void setGaugeFont(QPainter& painter, int tenths);

// A solid pen `width` pixels wide (0: the thinnest line) with round ends,
// so that a zero-length stroke leaves a dot of that diameter.
QPen gaugePen(const QColor& colour, int width);

QRect toQRect(const PixelRect& rect);
PixelRect toPixelRect(const QRect& rect);

// The whole client rectangle in the button face.
void fillGaugeBackground(QPainter& painter, const QRect& client, const GaugePalette& palette);

// The dial face: an ellipse in the dial square, outlined D/outlineDivisor
// pixels wide in the text colour and filled with the face colour.
constexpr int kDialOutlineDivisor = 80;
void drawDialFace(QPainter& painter, const DialGeometry& dial, const GaugePalette& palette,
                  int outlineDivisor = kDialOutlineDivisor);

// A text size in tenths of a point for a dial D pixels across.
using DialFontTenths = int (*)(int diameter);

// How every round gauge's picture begins: the dial laid out in `client`, the
// client in the button face, the painter's text background set to
// `textBackground` (opaque text stands on the face colour), the dial face
// (see drawDialFace), and the font of fontTenths(D) when given. Returns the
// dial. The background mode is set before the face is drawn because it
// changes how the raster engine draws a 1-pixel outline.
DialGeometry openDial(QPainter& painter, const QRect& client, const GaugePalette& palette,
                      DialFontTenths fontTenths = nullptr,
                      int outlineDivisor = kDialOutlineDivisor,
                      Qt::BGMode textBackground = Qt::TransparentMode);

// The read-out's font size for a dial D pixels across: D/2 tenths of a
// point, at least six points.
int readoutFontTenths(int diameter);

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

// The read-out box of `unit` and the caption above the centre (see
// drawReadoutBox and drawCaption), in the read-out font and the text colour,
// the box's outline D/80 pixels wide.
void drawReadoutBoxAndCaption(QPainter& painter, const DialGeometry& dial,
                              const GaugePalette& palette, const QString& unit,
                              const QString& caption);

// Where a read-out's text stands across its box.
enum class ReadoutAlignment {
    Centred,   // centred on the dial's centre line
    FromLeft,  // one average character in from the box's left edge
};

// The read-out `text` in the box of `unit` (see valueTextBox), in the
// read-out font and the text colour on a transparent background, its top a
// quarter font height below the box's top.
void drawReadout(QPainter& painter, const DialGeometry& dial, const GaugePalette& palette,
                 const QString& unit, const QString& text, ReadoutAlignment alignment);

// A filled kite at needle angle `degrees`: tail, shoulders at +-halfAngle,
// tip (radii in dial units); outline 1 pixel and fill in `colour`.
void drawNeedleKite(QPainter& painter, const DialGeometry& dial, double degrees, double tail,
                    double shoulder, double halfAngle, double tip, const QColor& colour);

// The single needle of the speedometer and the vertical speed dial at
// `degrees`: a kite from the hub to 65 with shoulders at 50 and 5 degrees
// either side, a shaft to 40 D/50 pixels wide and the hub, a dot D/20
// across, all in the needle colour.
void drawDialNeedle(QPainter& painter, const DialGeometry& dial, double degrees,
                    const GaugePalette& palette);

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
