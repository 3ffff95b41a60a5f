#pragma once

#include "gauges/PictureGaugeWnd.h"
#include "gauges/compass/CompassPainter.h"

namespace orbilunex {

// The bearing compass's control (see paintBearingCompass); what it drew is
// the pointer's angle on the card.
class CBearingCompassWnd : public CPictureGaugeWnd<BearingCompassPicture, int> {
    Q_OBJECT

public:
    explicit CBearingCompassWnd(QWidget* parent = nullptr);

    // The range's unit label, kept for the next value.
    void setRangeUnit(const QString& unit) { shown.rangeUnit = unit; }

    // Stores heading and bearing (whole degrees), the waypoint's name and
    // the range, and redraws at once.
    void setValues(int headingDegrees, int bearingDegrees, const QString& waypointName,
                   double rangeValue);
};

} // namespace orbilunex
