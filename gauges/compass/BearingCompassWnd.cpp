#include "gauges/compass/BearingCompassWnd.h"

#include "models/gauges/compass/CompassLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace orbilunex {

namespace {

// Dial units (90 at the rim).
constexpr double kCardTickOuter = 89.0;
constexpr double kCardTickInner = 80.0;
constexpr double kCardLabelRadius = 70.0;
constexpr double kPointerBase = 40.0;
constexpr double kPointerTip = 55.0;
constexpr double kPointerHalfAngle = 10.0;
constexpr double kLubberInner = 60.0;
constexpr double kLubberOuter = 90.0;

void drawCentredLine(QPainter& painter, int cx, int top, const QString& text)
{
    drawTextAt(painter, cx - painter.fontMetrics().horizontalAdvance(text) / 2, top, text);
}

} // namespace

CBearingCompassWnd::CBearingCompassWnd(QWidget* parent)
    : CGaugeWnd(QStringLiteral("Bearing Compass"), parent)
{
}

void CBearingCompassWnd::setValues(int headingDegrees, int bearingDegrees,
                                   const QString& waypointName, double rangeValue)
{
    headingDeg = headingDegrees;
    bearingDeg = bearingDegrees;
    waypointText = waypointName;
    rangeDistance = rangeValue;
    redraw();
}

void CBearingCompassWnd::paintPicture(QPainter& painter, const QRect& client,
                                      const GaugePalette& palette) const
{
    // The card's labels stand on the face colour over the ticks.
    const DialGeometry dial = openDial(painter, client, palette, bearingCompassFontTenths,
                                       kDialOutlineDivisor, Qt::OpaqueMode);
    const int d = dial.diameter;
    const QPen cardPen = gaugePen(palette.text, d / 80);

    for (int m = 0; m < 360; m += 10) {
        const int a = relativeAngle(m, headingDeg);
        drawRadialStroke(painter, dial, kCardTickOuter, kCardTickInner, a, cardPen);
        const std::string label = bearingCardLabel(m);
        painter.setPen(palette.text);
        if (!label.empty())
            drawCentredLabel(painter, dial, kCardLabelRadius, a, QString::fromStdString(label));
    }

    const int fontHeight = painter.fontMetrics().height();
    const int cx = static_cast<int>(dial.centreX);
    const int cy = static_cast<int>(dial.centreY);
    painter.setPen(palette.text);
    drawCentredLine(painter, cx, cy + fontHeight, waypointText);
    drawCentredLine(painter, cx, cy + 2 * fontHeight,
                    QString::fromStdString(rangeText(rangeDistance, unitLabel.toStdString())));

    pointerAngle = relativeAngle(bearingDeg, headingDeg);
    const double b = pointerAngle;
    drawRadialStroke(painter, dial, 0, kPointerBase, b, gaugePen(palette.needle, d / 40));
    QPolygon head;
    for (const PixelPoint& p : {dialPoint(dial, kPointerBase, b - kPointerHalfAngle),
                                dialPoint(dial, kPointerTip, b),
                                dialPoint(dial, kPointerBase, b + kPointerHalfAngle)})
        head << QPoint(p.x, p.y);
    painter.setPen(gaugePen(palette.needle, 1));
    painter.setBrush(palette.needle);
    painter.drawPolygon(head);

    drawRadialStroke(painter, dial, 0, 0, 0, gaugePen(palette.needle, d / 20));
    drawRadialStroke(painter, dial, kLubberInner, kLubberOuter, 0, gaugePen(palette.text, d / 60));
}

} // namespace orbilunex
