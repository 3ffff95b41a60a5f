#pragma once

#include "gauges/PictureGaugeWnd.h"
#include "gauges/speedometer/SpeedometerPainter.h"

namespace orbilunex {

// The speedometer's control (see SpeedometerPainter.h). setValue takes the
// speed in the user's unit, setFullScale the full-scale speed; what it drew
// is the needle's angle.
class CSpeedometerWnd : public CReadingGaugeWnd<SpeedometerPicture, double> {
    Q_OBJECT

public:
    explicit CSpeedometerWnd(QWidget* parent = nullptr);

protected:
    bool changeShows(double from, double to) const override;
};

} // namespace orbilunex
