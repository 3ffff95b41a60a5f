#pragma once

#include "gauges/PictureGaugeWnd.h"
#include "gauges/verticalspeed/VerticalSpeedPainter.h"

#include <optional>

namespace orbilunex {

// The vertical speed dial's control (see VerticalSpeedPainter.h). setValue
// takes the rate in the user's unit and, like setFullScale, holds it to
// +-full scale, as the needle shows it; what it drew is the needle's angle,
// none before the first picture.
class CVerticalSpeedWnd
    : public CReadingGaugeWnd<VerticalSpeedPicture, double, std::optional<double>> {
    Q_OBJECT

public:
    explicit CVerticalSpeedWnd(QWidget* parent = nullptr);

protected:
    double held(double value) const override;
    bool changeShows(double from, double to) const override;
};

} // namespace orbilunex
