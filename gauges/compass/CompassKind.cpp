#include "gauges/compass/CompassKind.h"

#include "gauges/compass/CompassDoc.h"
#include "gauges/compass/CompassView.h"
#include "settings/GaugeSettings.h"

#include <QPainter>
#include <QPolygonF>

namespace orbilunex {

namespace {

using namespace icons;

void drawIcon(QPainter& p)
{
    const QPointF c(8, 8);
    ink(p, QColor(kPaper));
    p.drawEllipse(c, 6.5, 6.5);
    p.save();
    p.translate(c);
    p.rotate(40);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kWindowAccent));
    p.drawPolygon(QPolygonF({{0, -5.8}, {2.5, 0}, {-2.5, 0}}));
    p.setBrush(tint(kInk, 0.45));
    p.drawPolygon(QPolygonF({{0, 5.8}, {2.5, 0}, {-2.5, 0}}));
    p.restore();
}

} // namespace

const WindowKindDescriptor kCompassKind = {
    {
        212, "Compass Window", 33823, "compass", // code, title, command, short name
        "", "", // file type
        settings::gauges::compass::kSection, // settings section
        "Co&mpass", // menu item, help line, tool tip
        "Shows course or bearing on a compass",
        "Compass",
        5, 5, 5, // orders: menu, open by title, save layout
    },
    drawIcon,
    newDocument<CCompassDoc>,
    newView<CCompassView>,
};

} // namespace orbilunex
