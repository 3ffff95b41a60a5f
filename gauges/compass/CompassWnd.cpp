#include "gauges/compass/CompassWnd.h"

#include "models/gauges/compass/CompassLayout.h"

#include <QFontMetrics>
#include <QPainter>

namespace orbilunex {

const QRgb CCompassWnd::kHeadingLineColour = qRgb(0, 0, 255);

CCompassWnd::CCompassWnd(QWidget* parent) : CGaugeWnd(QStringLiteral("Compass"), parent) {}

int CCompassWnd::setHeading(int degrees)
{
    const int previous = heading();
    headingDegrees = degrees;
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
    fillGaugeBackground(painter, client, palette);
    // A sunken frame: shadow along the top and left, highlight along the
    // bottom and right.
    painter.setPen(QPen(this->palette().color(QPalette::Dark), 1));
    painter.drawLine(client.topLeft(), client.topRight());
    painter.drawLine(client.topLeft(), client.bottomLeft());
    painter.setPen(QPen(this->palette().color(QPalette::Light), 1));
    painter.drawLine(client.bottomLeft(), client.bottomRight());
    painter.drawLine(client.topRight(), client.bottomRight());

    // The frame's sides stay; the strip slides beneath them.
    painter.setClipRect(client.adjusted(1, 0, -1, 0));
    const HeadingTapeLayout tape = layoutHeadingTape(toPixelRect(client), heading());
    const int top = tape.strip.top;
    const int labelTop = top + tape.strip.height() / 2;

    painter.setFont(gaugeFont(tape.fontTenths));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(palette.background);
    const QColor ink(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    for (const TapeTick& tick : tape.ticks) {
        painter.setPen(QPen(ink, 1));
        // The tick's end is its first pixel not drawn.
        if (tick.length > 0) painter.drawLine(tick.column, top, tick.column, top + tick.length - 1);
        if (tick.label.empty()) continue;
        const QString label = QString::fromStdString(tick.label);
        drawTextAt(painter, tick.column - metrics.horizontalAdvance(label) / 2, labelTop, label);
    }

    painter.setPen(QPen(QColor(kHeadingLineColour), 1));
    painter.drawLine(tape.headingColumn, top, tape.headingColumn, tape.strip.bottom - 1);
    painter.setClipping(false);
}

} // namespace orbilunex
