#include "gauges/compass/BearingCompassWnd.h"

namespace orbilunex {

CBearingCompassWnd::CBearingCompassWnd(QWidget* parent)
    : CPictureGaugeWnd(QStringLiteral("Bearing Compass"), {paintBearingCompass}, parent)
{
}

void CBearingCompassWnd::setValues(int headingDegrees, int bearingDegrees,
                                   const QString& waypointName, double rangeValue)
{
    shown.heading = headingDegrees;
    shown.bearing = bearingDegrees;
    shown.waypoint = waypointName;
    shown.range = rangeValue;
    redraw();
}

} // namespace orbilunex
