#include "gauges/attitude/AttitudeWnd.h"

namespace orbilunex {

CAttitudeWnd::CAttitudeWnd(QWidget* parent)
    : CPictureGaugeWnd(QStringLiteral("Attitude"), {paintAttitude}, parent)
{
}

void CAttitudeWnd::setAttitude(double roll, double pitch)
{
    shown.roll = roll;
    shown.pitch = pitch;
    redraw();
}

} // namespace orbilunex
