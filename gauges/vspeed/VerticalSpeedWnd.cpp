#include "gauges/vspeed/VerticalSpeedWnd.h"

#include "models/gauges/vspeed/VerticalSpeedScale.h"

#include <QFontMetrics>
#include <QPainter>

namespace orbilunex {

namespace {

constexpr double kLabelRadius = 63;
constexpr double kMarkerRadius = 70;
constexpr double kUpDegrees = 290;
constexpr double kDownDegrees = 250;

// A short text with its left edge at x, vertically centred on y.
void drawTextCentredOn(QPainter& painter, int x, int y, const QString& text)
{
    drawTextAt(painter, x, y - painter.fontMetrics().height() / 2, text);
}

} // namespace

CVerticalSpeedWnd::CVerticalSpeedWnd(QWidget* parent)
    : CGaugeWnd(QStringLiteral("VerticalSpeed"), parent)
{
}

void CVerticalSpeedWnd::setValue(double value, const QString& unitLabel)
{
    rate = limitVerticalSpeed(value, full);
    unit = unitLabel;
    redraw();
}

void CVerticalSpeedWnd::setFullScale(double fullScale)
{
    full = fullScale;
    rate = limitVerticalSpeed(rate, full);
    update();
}

QString CVerticalSpeedWnd::dialKey() const
{
    return QString::number(full, 'g', 17) + QLatin1Char('|') + unit;
}

void CVerticalSpeedWnd::paintDial(QPainter& painter, const QRect& client,
                                  const GaugePalette& palette) const
{
    const DialGeometry dial = openDial(painter, client, palette, verticalSpeedLabelFontTenths);
    const int d = dial.diameter;
    painter.setPen(palette.text);

    const VerticalSpeedScale scale = verticalSpeedScale(full);
    const QPen tickPen = gaugePen(palette.text, d / 80);
    for (const VerticalSpeedTick& tick : scale.ticks) {
        drawTick(painter, dial, tick.climbDegrees, tick.major, tickPen);
        drawTick(painter, dial, tick.descentDegrees, tick.major, tickPen);
        if (!tick.major) continue;
        const QString label = QString::fromStdString(tick.label);
        painter.setPen(palette.text);
        drawCentredLabel(painter, dial, kLabelRadius, tick.climbDegrees, label);
        drawCentredLabel(painter, dial, kLabelRadius, tick.descentDegrees, label);
    }

    painter.setFont(gaugeFont(verticalSpeedCaptionFontTenths(d)));
    painter.setPen(palette.text);
    drawCaption(painter, dial, QStringLiteral("VERTICAL SPEED"));
    const int cy = static_cast<int>(dial.centreY);
    drawTextCentredOn(painter,
                      static_cast<int>(dial.centreX + 3 * gaugeAverageCharWidth(painter)), cy,
                      QString::fromStdString(scale.prefix) + unit);
    const PixelPoint up = dialPoint(dial, kMarkerRadius, kUpDegrees);
    drawTextCentredOn(painter, up.x, up.y, QStringLiteral("Up"));
    const PixelPoint down = dialPoint(dial, kMarkerRadius, kDownDegrees);
    drawTextCentredOn(painter, down.x, down.y, QStringLiteral("Dn"));
}

void CVerticalSpeedWnd::paintPicture(QPainter& painter, const QRect& client,
                                     const GaugePalette& palette) const
{
    drawDial(painter, client, palette);
    const DialGeometry dial = layoutDial(toPixelRect(client));
    const double angle = verticalSpeedNeedleAngle(rate, full);
    drawDialNeedle(painter, dial, angle, palette);
    needle = angle;
}

} // namespace orbilunex
