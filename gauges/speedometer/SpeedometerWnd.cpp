#include "gauges/speedometer/SpeedometerWnd.h"

#include "models/gauges/speedometer/SpeedometerScale.h"

#include <QFontMetrics>
#include <QPainter>

namespace orbilunex {

namespace {

constexpr double kLabelRadius = 63.0;

} // namespace

CSpeedometerWnd::CSpeedometerWnd(QWidget* parent)
    : CGaugeWnd(QStringLiteral("Speedometer"), parent)
{
}

void CSpeedometerWnd::setValue(double value, const QString& unit)
{
    speed = value;
    unitLabel = unit;
    redraw();
}

void CSpeedometerWnd::setMaxSpeed(double maxSpeed)
{
    fullScale = maxSpeed;
    update();
}

QString CSpeedometerWnd::dialKey() const
{
    return QString::number(fullScale, 'g', 17) + QLatin1Char('|') + unitLabel;
}

void CSpeedometerWnd::paintDial(QPainter& painter, const QRect& client,
                                const GaugePalette& palette) const
{
    const DialGeometry dial = layoutDial(toPixelRect(client));
    const int diameter = dial.diameter;
    fillGaugeBackground(painter, client, palette);

    painter.setFont(gaugeFont(atLeastSixPoints(diameter / 2)));
    painter.setBackgroundMode(Qt::TransparentMode);
    drawDialFace(painter, dial, palette);

    drawLabelledTicks(painter, dial, speedometerScale(fullScale), kLabelRadius,
                      gaugePen(palette.text, diameter / 80));
    // The read-out keeps the scale's font; its box is sized by the unit.
    drawReadoutBox(painter, dial, unitLabel, palette);
    drawCaption(painter, dial, QStringLiteral("SPEED"));
}

void CSpeedometerWnd::paintPicture(QPainter& painter, const QRect& client,
                                   const GaugePalette& palette) const
{
    drawDial(painter, client, palette);
    const DialGeometry dial = layoutDial(toPixelRect(client));
    const int diameter = dial.diameter;
    painter.setFont(gaugeFont(atLeastSixPoints(diameter / 2)));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(gaugePen(palette.text, diameter / 80));
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect box = valueTextBox(painter, dial, unitLabel);
    const QString readout =
        QString::fromStdString(speedometerReadout(speed, unitLabel.toStdString()));
    drawTextAt(painter, static_cast<int>(dial.centreX) - metrics.horizontalAdvance(readout) / 2,
               box.top() + metrics.height() / 4, readout);

    const double needle = speedometerNeedleAngle(speed, fullScale);
    drawNeedleKite(painter, dial, needle, 0.0, 50.0, 5.0, 65.0, palette.needle);
    drawRadialStroke(painter, dial, 0.0, 40.0, needle, gaugePen(palette.needle, diameter / 50));
    drawRadialStroke(painter, dial, 0.0, 0.0, needle, gaugePen(palette.needle, diameter / 20));
    drawnNeedle = needle;
}

} // namespace orbilunex
