#include "gauges/compass/SimpleCompassWnd.h"

namespace orbilunex {

CSimpleCompassWnd::CSimpleCompassWnd(QWidget* parent)
    : CGaugeWnd(QStringLiteral("Simple Compass"), parent)
{
}

int CSimpleCompassWnd::setHeading(int degrees)
{
    const int previous = shown.heading;
    shown.heading = degrees;
    redraw();
    return previous;
}

void CSimpleCompassWnd::paintPicture(QPainter& painter, const QRect& client,
                                     const GaugePalette& palette) const
{
    paintSimpleCompass(painter, client, shown, palette);
}

} // namespace orbilunex
