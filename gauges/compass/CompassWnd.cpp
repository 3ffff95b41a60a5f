#include "gauges/compass/CompassWnd.h"

namespace orbilunex {

CCompassWnd::CCompassWnd(QWidget* parent) : CGaugeWnd(QStringLiteral("Compass"), parent) {}

int CCompassWnd::setHeading(int degrees)
{
    const int previous = shown.heading;
    shown.heading = degrees;
    redraw();
    return previous;
}

void CCompassWnd::setTickStyle(short style)
{
    ticks = style;
    update();
}

void CCompassWnd::paintPicture(QPainter& painter, const QRect& client,
                               const GaugePalette& palette) const
{
    // The tape's frame takes two more of the system's colours.
    const HeadingTapePalette colours{palette.background, this->palette().color(QPalette::Dark),
                                     this->palette().color(QPalette::Light)};
    paintHeadingTape(painter, client, shown, colours);
}

} // namespace orbilunex
