#include "gauges/speedometer/SpeedometerPainter.h"

#include "models/gauges/speedometer/SpeedometerScale.h"

#include <QPainter>

namespace orbilunex {

namespace {

constexpr double kLabelRadius = 63.0;

} // namespace

void paintSpeedometerDial(QPainter& painter, const QRect& client,
                          const SpeedometerPicture& picture, const GaugePalette& palette)
{
    // The scale's labels are in the read-out's font.
    const DialGeometry dial = openDial(painter, client, palette, readoutFontTenths);
    drawLabelledTicks(painter, dial, speedometerScale(picture.fullScale), kLabelRadius,
                      gaugePen(palette.text, dial.diameter / 80));
    drawReadoutBoxAndCaption(painter, dial, palette, picture.unit, QStringLiteral("SPEED"));
}

QString speedometerDialKey(const SpeedometerPicture& picture)
{
    return QString::number(picture.fullScale, 'g', 17) + QLatin1Char('|') + picture.unit;
}

double paintSpeedometer(QPainter& painter, const QRect& client,
                        const SpeedometerPicture& picture, const GaugePalette& palette)
{
    const DialGeometry dial = layoutDial(toPixelRect(client));
    const std::string readout = speedometerReadout(picture.value, picture.unit.toStdString());
    drawReadout(painter, dial, palette, picture.unit, QString::fromStdString(readout),
                ReadoutAlignment::Centred);
    const double needle = speedometerNeedleAngle(picture.value, picture.fullScale);
    drawDialNeedle(painter, dial, needle, palette);
    return needle;
}

} // namespace orbilunex
