#include "gauges/compass/CompassWnd.h"

namespace orbilunex {

CCompassWnd::CCompassWnd(QWidget* parent)
    : CHeadingGaugeWnd(QStringLiteral("Compass"), {paintHeadingTape}, parent)
{
}

void CCompassWnd::setTickStyle(short style)
{
    if (style == ticks) return;
    ticks = style;
    update();
}

} // namespace orbilunex
