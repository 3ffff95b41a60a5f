#include "gauges/attitude/AttitudeWnd.h"

#include "models/gauges/attitude/AttitudeLayout.h"

namespace orbilunex {

CAttitudeWnd::CAttitudeWnd(QWidget* parent)
    : CPictureGaugeWnd(QStringLiteral("Attitude"), {paintAttitude}, parent)
{
}

void CAttitudeWnd::setAttitude(double roll, double pitch)
{
    if (keepsDrawnPicture() &&
        !attitudeChangeShows(dialNow(), shown.roll, shown.pitch, roll, pitch))
        return;
    shown.roll = roll;
    shown.pitch = pitch;
    redraw();
}

} // namespace orbilunex
