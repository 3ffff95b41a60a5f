#include "gauges/altimeter/AltimeterPainter.h"

#include <QPainter>

namespace orbilunex {

namespace {

constexpr double kNumeralRadius = 63.0;

void drawPointers(QPainter& painter, const DialGeometry& dial, const AltimeterPointers& pointers,
                  const GaugePalette& palette)
{
    const QPen linePen = gaugePen(palette.needle, dial.diameter / 50);
    const QPen dotPen = gaugePen(palette.needle, dial.diameter / 20);
    // The long pointer: a shaft with an arrow head near the ring.
    drawRadialStroke(painter, dial, 0.0, 65.0, pointers.longPointer, linePen);
    drawNeedleKite(painter, dial, pointers.longPointer, 45.0, 50.0, 5.0, kAltimeterLongReach,
                   palette.needle);
    // The short pointer: a broad kite from the hub with a short shaft.
    drawNeedleKite(painter, dial, pointers.shortPointer, 0.0, 30.0, 8.0, kAltimeterShortReach,
                   palette.needle);
    drawRadialStroke(painter, dial, 0.0, 20.0, pointers.shortPointer, linePen);
    drawRadialStroke(painter, dial, kAltimeterDotRadius, kAltimeterDotRadius, pointers.dot, dotPen);
    drawRadialStroke(painter, dial, 0.0, 0.0, pointers.dot, dotPen);
}

} // namespace

void paintAltimeterDial(QPainter& painter, const QRect& client, const AltimeterPicture& picture,
                        const GaugePalette& palette)
{
    const DialGeometry dial = openDial(painter, client, palette, atLeastSixPoints);
    drawLabelledTicks(painter, dial, altimeterScale(), kNumeralRadius,
                      gaugePen(palette.text, dial.diameter / 80));
    drawReadoutBoxAndCaption(painter, dial, palette, picture.unit, QStringLiteral("ALT"));
}

QString altimeterDialKey(const AltimeterPicture& picture)
{
    return picture.unit;
}

AltimeterPointers paintAltimeter(QPainter& painter, const QRect& client,
                                 const AltimeterPicture& picture, const GaugePalette& palette)
{
    const DialGeometry dial = layoutDial(toPixelRect(client));
    const std::string readout = altimeterReadout(picture.value, picture.unit.toStdString());
    drawReadout(painter, dial, palette, picture.unit, QString::fromStdString(readout),
                ReadoutAlignment::FromLeft);
    const AltimeterPointers pointers = altimeterPointers(picture.value);
    drawPointers(painter, dial, pointers, palette);
    return pointers;
}

} // namespace orbilunex
