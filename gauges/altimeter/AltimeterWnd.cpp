#include "gauges/altimeter/AltimeterWnd.h"

#include <QFontMetrics>
#include <QPainter>

namespace orbilunex {

namespace {

constexpr double kNumeralRadius = 63.0;
constexpr double kDotRadius = 80.0;

} // namespace

CAltimeterWnd::CAltimeterWnd(QWidget* parent) : CGaugeWnd(QStringLiteral("Altimeter"), parent) {}

void CAltimeterWnd::setValue(double value, const QString& unit)
{
    altitude = value;
    unitLabel = unit;
    redraw();
}

QString CAltimeterWnd::dialKey() const
{
    return unitLabel;
}

void CAltimeterWnd::paintDial(QPainter& painter, const QRect& client,
                              const GaugePalette& palette) const
{
    const DialGeometry dial = openDial(painter, client, palette, atLeastSixPoints);
    drawLabelledTicks(painter, dial, altimeterScale(), kNumeralRadius,
                      gaugePen(palette.text, dial.diameter / 80));
    drawReadoutBoxAndCaption(painter, dial, palette, unitLabel, QStringLiteral("ALT"));
}

void CAltimeterWnd::paintPicture(QPainter& painter, const QRect& client,
                                 const GaugePalette& palette) const
{
    drawDial(painter, client, palette);
    const DialGeometry dial = layoutDial(toPixelRect(client));
    const int diameter = dial.diameter;
    drawReadout(painter, dial, palette, unitLabel,
                QString::fromStdString(altimeterReadout(altitude, unitLabel.toStdString())),
                ReadoutAlignment::FromLeft);

    const AltimeterPointers pointers = altimeterPointers(altitude);
    const QPen linePen = gaugePen(palette.needle, diameter / 50);
    const QPen dotPen = gaugePen(palette.needle, diameter / 20);
    // The long pointer: a shaft with an arrow head near the ring.
    drawRadialStroke(painter, dial, 0.0, 65.0, pointers.longPointer, linePen);
    drawNeedleKite(painter, dial, pointers.longPointer, 45.0, 50.0, 5.0, 75.0, palette.needle);
    // The short pointer: a broad kite from the hub with a short shaft.
    drawNeedleKite(painter, dial, pointers.shortPointer, 0.0, 30.0, 8.0, 45.0, palette.needle);
    drawRadialStroke(painter, dial, 0.0, 20.0, pointers.shortPointer, linePen);
    drawRadialStroke(painter, dial, kDotRadius, kDotRadius, pointers.dot, dotPen);
    drawRadialStroke(painter, dial, 0.0, 0.0, pointers.dot, dotPen);
    drawn = pointers;
}

} // namespace orbilunex
