#include "gauges/speedometer/SpeedometerWnd.h"

namespace orbilunex {

CSpeedometerWnd::CSpeedometerWnd(QWidget* parent)
    : CReadingGaugeWnd(QStringLiteral("Speedometer"),
                       {paintSpeedometer, paintSpeedometerDial, speedometerDialKey}, parent)
{
}

} // namespace orbilunex
