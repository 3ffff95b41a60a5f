#include "gauges/altimeter/AltimeterKind.h"

#include "gauges/altimeter/AltimeterDoc.h"
#include "gauges/altimeter/AltimeterView.h"
#include "settings/GaugeSettings.h"

#include <QPainter>
#include <QPolygonF>

namespace orbilunex {

namespace {

using namespace icons;

void drawIcon(QPainter& p)
{
    ink(p, tint(kWindowAccent, 0.55));
    p.drawPolygon(QPolygonF({{6.5, 14.5}, {11.5, 6.5}, {15.5, 14.5}}));
    ink(p, QColor(kWindowAccent));
    p.drawPolygon(QPolygonF({{0.5, 14.5}, {6.5, 3}, {12.5, 14.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kPaper));
    p.drawPolygon(QPolygonF({{5.1, 5.8}, {6.5, 3.4}, {7.9, 5.8}, {7, 5.2}, {6.5, 6.2}, {6, 5.2}}));
    p.setPen(pen(kInk));
    p.drawLine(QPointF(0.5, 14.5), QPointF(15.5, 14.5));
    p.drawLine(QPointF(13.5, 1), QPointF(13.5, 4.5));
    p.drawPolyline(QPolygonF({{12, 2.5}, {13.5, 1}, {15, 2.5}}));
}

} // namespace

const WindowKindDescriptor kAltimeterKind = {
    {
        213, "Altimeter Window", 33828, "altimeter", // code, title, command, short name
        "", "", // file type
        settings::gauges::altimeter::kSection, // settings section
        "A&ltimeter", // menu item, help line, tool tip
        "Shows the altitude",
        "Altimeter",
        6, 7, 7, // orders: menu, open by title, save layout
    },
    drawIcon,
    newDocument<CAltimeterDoc>,
    newView<CAltimeterView>,
};

} // namespace orbilunex
