#include "gauges/attitude/AttitudeKind.h"

#include "gauges/attitude/AttitudeDoc.h"
#include "gauges/attitude/AttitudeView.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace orbilunex {

namespace {

using namespace icons;

void drawIcon(QPainter& p)
{
    const QPointF c(8, 8);
    QPainterPath ball;
    ball.addEllipse(c, 6.5, 6.5);
    p.save();
    p.setClipPath(ball);
    p.fillRect(QRectF(0, 0, kGrid, kGrid), tint(kWindowAccent, 0.7));
    p.translate(c);
    p.rotate(-18);
    p.fillRect(QRectF(-10, 0.8, 20, 10), QColor(kWindowAccent));
    p.setPen(pen(kPaper, 0.8));
    p.drawLine(QPointF(-8, 0.8), QPointF(8, 0.8));
    p.restore();
    ink(p, Qt::NoBrush);
    p.drawEllipse(c, 6.5, 6.5);
    p.setPen(pen(kInk, 1.6));
    p.drawPolyline(QPolygonF({{3.5, 8.5}, {6, 8.5}, {8, 10.3}, {10, 8.5}, {12.5, 8.5}}));
}

} // namespace

const WindowKindDescriptor kAttitudeKind = {
    {
        340, "Attitude", 33857, "attitude", // code, title, command, short name
        "", "", // file type
        "", // no settings of its own
        "A&ttitude", // menu item, help line, tool tip
        "Shows the attitude indicator",
        "Attitude",
        9, 9, 9, // orders: menu, open by title, save layout
    },
    drawIcon,
    newDocument<CAttitudeDoc>,
    newView<CAttitudeView>,
};

} // namespace orbilunex
