#include "gauges/compass/SimpleCompassWnd.h"

namespace orbilunex {

CSimpleCompassWnd::CSimpleCompassWnd(QWidget* parent)
    : CHeadingGaugeWnd(QStringLiteral("Simple Compass"), {paintSimpleCompass}, parent)
{
}

} // namespace orbilunex
