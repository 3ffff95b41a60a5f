#include "gauges/attitude/AttitudeWnd.h"

namespace orbilunex {

CAttitudeWnd::CAttitudeWnd(QWidget* parent) : CGaugeWnd(QStringLiteral("Attitude"), parent) {}

void CAttitudeWnd::setAttitude(double roll, double pitch)
{
    shown.roll = roll;
    shown.pitch = pitch;
    redraw();
}

void CAttitudeWnd::paintPicture(QPainter& painter, const QRect& client,
                                const GaugePalette& palette) const
{
    paintAttitude(painter, client, shown, palette);
}

} // namespace orbilunex
