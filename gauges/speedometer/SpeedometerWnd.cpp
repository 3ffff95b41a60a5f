#include "gauges/speedometer/SpeedometerWnd.h"

namespace orbilunex {

CSpeedometerWnd::CSpeedometerWnd(QWidget* parent)
    : CGaugeWnd(QStringLiteral("Speedometer"), parent)
{
}

void CSpeedometerWnd::setValue(double value, const QString& unit)
{
    shown.speed = value;
    shown.unit = unit;
    redraw();
}

void CSpeedometerWnd::setMaxSpeed(double maxSpeed)
{
    shown.fullScale = maxSpeed;
    update();
}

void CSpeedometerWnd::paintPicture(QPainter& painter, const QRect& client,
                                   const GaugePalette& palette) const
{
    drawDial(painter, client, palette, speedometerDialKey(shown), paintSpeedometerDial, shown);
    drawnNeedle = paintSpeedometer(painter, client, shown, palette);
}

} // namespace orbilunex
