#include "views/navigation/NavigationKind.h"

#include "views/navigation/NavigationDoc.h"
#include "views/navigation/NavigationView.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace orbilunex {

namespace {

using namespace icons;

void drawIcon(QPainter& p)
{
    p.setPen(pen(kInk, 0.8));
    p.setBrush(QColor(kMist));
    p.drawEllipse(QPointF(8, 14), 4.5, 1.3);
    // A pin: a circle whose two tangents from the tip close it.
    const QPointF centre(8, 6), tip(8, 14.2);
    const qreal r = 4.6;
    const qreal half = qRadiansToDegrees(std::acos(r / (tip.y() - centre.y())));
    QPainterPath pin(tip);
    pin.lineTo(onCircle(centre, r, 270 + half));
    pin.arcTo(around(centre, r), 270 + half, 360 - 2 * half);
    pin.closeSubpath();
    ink(p, QColor(kWindowAccent));
    p.drawPath(pin);
    ink(p, QColor(kPaper));
    p.drawEllipse(centre, 1.8, 1.8);
}

} // namespace

const WindowKindDescriptor kNavigationKind = {
    {
        209, "Navigation Window", 33780, "navigation", // code, title, command, short name
        "", "", // file type
        "", // no settings of its own
        "&Navigation", // menu item, help line, tool tip
        "Shows latitude, longitude and altitude",
        "Navigation",
        3, 3, 4, // orders: menu, open by title, save layout
    },
    drawIcon,
    newDocument<CNavigationDoc>,
    newView<CNavigationView>,
};

} // namespace orbilunex
