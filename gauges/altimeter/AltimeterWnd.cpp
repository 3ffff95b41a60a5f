#include "gauges/altimeter/AltimeterWnd.h"

namespace orbilunex {

CAltimeterWnd::CAltimeterWnd(QWidget* parent)
    : CReadingGaugeWnd(QStringLiteral("Altimeter"),
                       {paintAltimeter, paintAltimeterDial, altimeterDialKey}, parent)
{
}

bool CAltimeterWnd::changeShows(double from, double to) const
{
    return altimeterChangeShows(dialNow(), from, to);
}

} // namespace orbilunex
