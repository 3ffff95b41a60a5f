#include "views/commandmonitor/CommandMonitorKind.h"

#include "views/commandmonitor/CommandMonitorDoc.h"
#include "views/commandmonitor/CommandMonitorView.h"

#include <QPainter>
#include <QPolygonF>

namespace orbilunex {

namespace {

using namespace icons;

void drawIcon(QPainter& p)
{
    ink(p, QColor(kInk));
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 11), 1.5, 1.5);
    const QColor text = tint(kWindowAccent, 0.45);
    p.setPen(pen(text.rgb()));
    p.drawLine(QPointF(3.5, 5.5), QPointF(11.5, 5.5));
    p.drawLine(QPointF(3.5, 7.5), QPointF(8.5, 7.5));
    p.setPen(pen(text.rgb(), 1.2));
    p.drawPolyline(QPolygonF({{3.5, 9.2}, {5.3, 10.5}, {3.5, 11.8}}));
    p.drawLine(QPointF(7, 11.5), QPointF(10, 11.5));
}

} // namespace

const WindowKindDescriptor kCommandMonitorKind = {
    {
        202, "Command Monitor", 33771, "monitor", // code, title, command, short name
        "", "", // file type
        "", // no settings of its own
        "C&ommand Monitor", // menu item, help line, tool tip
        "Shows the raw NMEA sentences",
        "Command Monitor",
        0, 4, 0, // orders: menu, open by title, save layout
    },
    drawIcon,
    newDocument<CCommandMonitorDoc>,
    newView<CCommandMonitorView>,
};

} // namespace orbilunex
