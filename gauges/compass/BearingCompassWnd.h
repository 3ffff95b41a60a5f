#pragma once

#include "gauges/GaugeWnd.h"
#include "gauges/compass/CompassPainter.h"

namespace orbilunex {

// The bearing compass's control: keeps the heading, the waypoint and the
// range it shows (see paintBearingCompass).
class CBearingCompassWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CBearingCompassWnd(QWidget* parent = nullptr);

    // The range's unit label, kept for the next value.
    void setRangeUnit(const QString& unit) { shown.rangeUnit = unit; }

    // Stores heading and bearing (whole degrees), the waypoint's name and
    // the range, and redraws at once.
    void setValues(int headingDegrees, int bearingDegrees, const QString& waypointName,
                   double rangeValue);

    const BearingCompassPicture& picture() const { return shown; }
    // The pointer's angle on the card at the last draw, degrees clockwise
    // from twelve o'clock.
    int drawnPointerAngle() const { return pointerAngle; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    BearingCompassPicture shown;
    mutable int pointerAngle = 0;
};

} // namespace orbilunex
