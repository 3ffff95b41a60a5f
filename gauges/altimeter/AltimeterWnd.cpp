#include "gauges/altimeter/AltimeterWnd.h"

namespace orbilunex {

CAltimeterWnd::CAltimeterWnd(QWidget* parent)
    : CReadingGaugeWnd(QStringLiteral("Altimeter"),
                       {paintAltimeter, paintAltimeterDial, altimeterDialKey}, parent)
{
}

} // namespace orbilunex
