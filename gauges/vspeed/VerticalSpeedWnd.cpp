#include "gauges/vspeed/VerticalSpeedWnd.h"

#include "models/gauges/vspeed/VerticalSpeedScale.h"

namespace orbilunex {

CVerticalSpeedWnd::CVerticalSpeedWnd(QWidget* parent)
    : CGaugeWnd(QStringLiteral("VerticalSpeed"), parent)
{
}

void CVerticalSpeedWnd::setValue(double value, const QString& unitLabel)
{
    shown.rate = limitVerticalSpeed(value, shown.fullScale);
    shown.unit = unitLabel;
    redraw();
}

void CVerticalSpeedWnd::setFullScale(double fullScale)
{
    shown.fullScale = fullScale;
    shown.rate = limitVerticalSpeed(shown.rate, fullScale);
    update();
}

void CVerticalSpeedWnd::paintPicture(QPainter& painter, const QRect& client,
                                     const GaugePalette& palette) const
{
    drawDial(painter, client, palette, verticalSpeedDialKey(shown), paintVerticalSpeedDial, shown);
    needle = paintVerticalSpeed(painter, client, shown, palette);
}

} // namespace orbilunex
