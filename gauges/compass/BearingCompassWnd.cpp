#include "gauges/compass/BearingCompassWnd.h"

#include "models/gauges/compass/CompassLayout.h"

namespace orbilunex {

CBearingCompassWnd::CBearingCompassWnd(QWidget* parent)
    : CPictureGaugeWnd(QStringLiteral("Bearing Compass"), {paintBearingCompass}, parent)
{
}

void CBearingCompassWnd::setValues(int headingDegrees, int bearingDegrees,
                                   const QString& waypointName, double rangeValue)
{
    if (keepsDrawnPicture() && headingDegrees == shown.heading && bearingDegrees == shown.bearing &&
        waypointName == shown.waypoint && nextRangeUnit == shown.rangeUnit &&
        sameRangeText(rangeValue, shown.range))
        return;
    shown.heading = headingDegrees;
    shown.bearing = bearingDegrees;
    shown.waypoint = waypointName;
    shown.range = rangeValue;
    shown.rangeUnit = nextRangeUnit;
    redraw();
}

} // namespace orbilunex
