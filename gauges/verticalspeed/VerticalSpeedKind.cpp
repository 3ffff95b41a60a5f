#include "gauges/verticalspeed/VerticalSpeedKind.h"

#include "gauges/verticalspeed/VerticalSpeedDoc.h"
#include "gauges/verticalspeed/VerticalSpeedView.h"
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
    p.setPen(pen(kInk));
    p.drawLine(QPointF(1.5, 8), QPointF(3.5, 8));
    p.setPen(pen(kWindowAccent, 1.6));
    p.drawLine(QPointF(8, 5), QPointF(8, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kWindowAccent));
    p.drawPolygon(QPolygonF({{8, 2.6}, {10.8, 6}, {5.2, 6}}));
    p.drawPolygon(QPolygonF({{8, 13.4}, {10.8, 10}, {5.2, 10}}));
}

} // namespace

const WindowKindDescriptor kVerticalSpeedKind = {
    {
        215, "Vertical Speed Window", 33838, "vspeed", // code, title, command, short name
        "", "", // file type
        settings::gauges::verticalspeed::kSection, // settings section
        "&Vertical Speed", // menu item, help line, tool tip
        "Shows the rate of climb or descent",
        "Vertical Speed",
        8, 8, 8, // orders: menu, open by title, save layout
    },
    drawIcon,
    newDocument<CVerticalSpeedDoc>,
    newView<CVerticalSpeedView>,
};

} // namespace orbilunex
