#include "gauges/speedometer/SpeedometerKind.h"

#include "gauges/speedometer/SpeedometerDoc.h"
#include "gauges/speedometer/SpeedometerView.h"
#include "settings/GaugeSettings.h"

#include <QPainter>

namespace orbilunex {

namespace {

using namespace icons;

void drawIcon(QPainter& p)
{
    const QPointF c(8, 10.5);
    const QRectF face = around(c, 7);
    ink(p, QColor(kPaper));
    p.drawChord(face, 200 * 16, -220 * 16);
    p.setPen(QPen(QColor(kWindowAccent), 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(around(c, 5.6), 200 * 16, -80 * 16);
    p.setPen(pen(kInk, 0.9));
    for (int a = 200; a >= -20; a -= 55) p.drawLine(onCircle(c, 4.6, a), onCircle(c, 6.3, a));
    p.setPen(pen(kInk, 1.5));
    p.drawLine(c, onCircle(c, 5.6, 50));
    dot(p, c, 1.4, QColor(kInk));
}

} // namespace

const WindowKindDescriptor kSpeedometerKind = {
    {
        214, "Speedometer Window", 33829, "speedometer", // code, title, command, short name
        "", "", // file type
        settings::gauges::speedometer::kSection, // settings section
        "S&peedometer", // menu item, help line, tool tip
        "Shows the speed over ground",
        "Speedometer",
        7, 6, 6, // orders: menu, open by title, save layout
    },
    drawIcon,
    newDocument<CSpeedometerDoc>,
    newView<CSpeedometerView>,
};

} // namespace orbilunex
