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

QString CSpeedometerWnd::dialKey() const
{
    return speedometerDialKey(shown);
}

void CSpeedometerWnd::paintDial(QPainter& painter, const QRect& client,
                                const GaugePalette& palette) const
{
    paintSpeedometerDial(painter, client, shown, palette);
}

void CSpeedometerWnd::paintPicture(QPainter& painter, const QRect& client,
                                   const GaugePalette& palette) const
{
    drawDial(painter, client, palette);
    drawnNeedle = paintSpeedometer(painter, client, shown, palette);
}

} // namespace orbilunex
