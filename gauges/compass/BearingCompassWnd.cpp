#include "gauges/compass/BearingCompassWnd.h"

namespace orbilunex {

CBearingCompassWnd::CBearingCompassWnd(QWidget* parent)
    : CGaugeWnd(QStringLiteral("Bearing Compass"), parent)
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

void CBearingCompassWnd::paintPicture(QPainter& painter, const QRect& client,
                                      const GaugePalette& palette) const
{
    pointerAngle = paintBearingCompass(painter, client, shown, palette);
}

} // namespace orbilunex
