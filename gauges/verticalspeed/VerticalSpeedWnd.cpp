#include "gauges/verticalspeed/VerticalSpeedWnd.h"

#include "models/gauges/verticalspeed/VerticalSpeedScale.h"

namespace orbilunex {

CVerticalSpeedWnd::CVerticalSpeedWnd(QWidget* parent)
    : CReadingGaugeWnd(QStringLiteral("VerticalSpeed"),
                       {paintVerticalSpeed, paintVerticalSpeedDial, verticalSpeedDialKey}, parent)
{
}

double CVerticalSpeedWnd::held(double value) const
{
    return limitVerticalSpeed(value, shown.fullScale);
}

bool CVerticalSpeedWnd::changeShows(double from, double to) const
{
    return verticalSpeedChangeShows(dialNow(), from, to, shown.fullScale);
}

} // namespace orbilunex
