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
    // The scale's labels are in the read-out's font.
    const DialGeometry dial = openDial(painter, client, palette, readoutFontTenths);
    drawLabelledTicks(painter, dial, speedometerScale(fullScale), kLabelRadius,
                      gaugePen(palette.text, dial.diameter / 80));
    drawReadoutBoxAndCaption(painter, dial, palette, unitLabel, QStringLiteral("SPEED"));
}

void CSpeedometerWnd::paintPicture(QPainter& painter, const QRect& client,
                                   const GaugePalette& palette) const
{
    drawDial(painter, client, palette);
    const DialGeometry dial = layoutDial(toPixelRect(client));
    drawReadout(painter, dial, palette, unitLabel,
                QString::fromStdString(speedometerReadout(speed, unitLabel.toStdString())),
                ReadoutAlignment::Centred);
    const double needle = speedometerNeedleAngle(speed, fullScale);
    drawDialNeedle(painter, dial, needle, palette);
    drawnNeedle = needle;
}

} // namespace orbilunex
