#include "gauges/compass/CompassWnd.h"

namespace orbilunex {

CCompassWnd::CCompassWnd(QWidget* parent)
    : CHeadingGaugeWnd(QStringLiteral("Compass"), {paintHeadingTape}, parent)
{
}

void CCompassWnd::setTickStyle(short style)
{
    ticks = style;
    update();
}

} // namespace orbilunex
