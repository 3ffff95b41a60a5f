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
    void setRangeUnit(const QString& unit) { nextRangeUnit = unit; }

    // Stores heading and bearing (whole degrees), the waypoint's name and
    // the range with the unit last set, and redraws at once; unless, on
    // screen, none of them would change what is drawn (the range as its text
    // reads), when the picture drawn and its values stay.
    void setValues(int headingDegrees, int bearingDegrees, const QString& waypointName,
                   double rangeValue);

private:
    QString nextRangeUnit;
};

} // namespace orbilunex
