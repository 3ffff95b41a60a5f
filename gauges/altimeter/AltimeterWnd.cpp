#include "gauges/altimeter/AltimeterWnd.h"

namespace orbilunex {

CAltimeterWnd::CAltimeterWnd(QWidget* parent) : CGaugeWnd(QStringLiteral("Altimeter"), parent) {}

void CAltimeterWnd::setValue(double value, const QString& unit)
{
    shown.altitude = value;
    shown.unit = unit;
    redraw();
}

QString CAltimeterWnd::dialKey() const
{
    return altimeterDialKey(shown);
}

void CAltimeterWnd::paintDial(QPainter& painter, const QRect& client,
                              const GaugePalette& palette) const
{
    paintAltimeterDial(painter, client, shown, palette);
}

void CAltimeterWnd::paintPicture(QPainter& painter, const QRect& client,
                                 const GaugePalette& palette) const
{
    drawDial(painter, client, palette);
    drawn = paintAltimeter(painter, client, shown, palette);
}

} // namespace orbilunex
