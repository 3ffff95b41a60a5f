#include "gauges/altimeter/AltimeterWnd.h"

namespace orbilunex {

CAltimeterWnd::CAltimeterWnd(QWidget* parent) : CGaugeWnd(QStringLiteral("Altimeter"), parent) {}

void CAltimeterWnd::setValue(double value, const QString& unit)
{
    shown.altitude = value;
    shown.unit = unit;
    redraw();
}

void CAltimeterWnd::paintPicture(QPainter& painter, const QRect& client,
                                 const GaugePalette& palette) const
{
    drawDial(painter, client, palette, altimeterDialKey(shown), paintAltimeterDial, shown);
    drawn = paintAltimeter(painter, client, shown, palette);
}

} // namespace orbilunex
