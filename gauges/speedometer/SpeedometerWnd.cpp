#include "gauges/speedometer/SpeedometerWnd.h"

#include "models/gauges/speedometer/SpeedometerScale.h"

namespace orbilunex {

CSpeedometerWnd::CSpeedometerWnd(QWidget* parent)
    : CReadingGaugeWnd(QStringLiteral("Speedometer"),
                       {paintSpeedometer, paintSpeedometerDial, speedometerDialKey}, parent)
{
}

bool CSpeedometerWnd::changeShows(double from, double to) const
{
    return speedometerChangeShows(dialNow(), from, to, shown.fullScale);
}

} // namespace orbilunex
