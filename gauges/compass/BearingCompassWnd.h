#pragma once

#include "gauges/GaugeWnd.h"

namespace orbilunex {

// A heading-up compass card with a pointer to the active waypoint, its name
// and the range to it.
class CBearingCompassWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CBearingCompassWnd(QWidget* parent = nullptr);

    // The range's unit label, kept for the next value.
    void setRangeUnit(const QString& unit) { unitLabel = unit; }

    // Stores heading and bearing (whole degrees), the waypoint's name and
    // the range, and redraws at once.
    void setValues(int headingDegrees, int bearingDegrees, const QString& waypointName,
                   double rangeValue);

    int heading() const { return headingDeg; }
    int bearing() const { return bearingDeg; }
    QString waypoint() const { return waypointText; }
    double range() const { return rangeDistance; }
    QString rangeUnit() const { return unitLabel; }
    // The pointer's angle on the card at the last draw, degrees clockwise
    // from twelve o'clock.
    int drawnPointerAngle() const { return pointerAngle; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    int headingDeg = 0;
    int bearingDeg = 0;
    QString waypointText;
    QString unitLabel;
    double rangeDistance = 0.0;
    mutable int pointerAngle = 0;
};

} // namespace orbilunex
