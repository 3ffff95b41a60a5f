#include "gauges/verticalspeed/VerticalSpeedPainter.h"

#include "models/gauges/verticalspeed/VerticalSpeedScale.h"

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

// Each tick on the climb side and its mirror image on the descent side,
// the majors labelled on both.
void drawScale(QPainter& painter, const DialGeometry& dial, const VerticalSpeedScale& scale,
               const GaugePalette& palette)
{
    const QPen tickPen = gaugePen(palette.text, dial.diameter / 80);
    for (const VerticalSpeedTick& tick : scale.ticks) {
        drawTick(painter, dial, tick.climbDegrees, tick.major, tickPen);
        drawTick(painter, dial, tick.descentDegrees, tick.major, tickPen);
        if (!tick.major) continue;
        const QString label = QString::fromStdString(tick.label);
        painter.setPen(palette.text);
        drawCentredLabel(painter, dial, kLabelRadius, tick.climbDegrees, label);
        drawCentredLabel(painter, dial, kLabelRadius, tick.descentDegrees, label);
    }
}

// The caption, the unit text with its prefix, and the words at the two
// ends of zero, in the caption font.
void drawTexts(QPainter& painter, const DialGeometry& dial, const QString& unitText,
               const GaugePalette& palette)
{
    setGaugeFont(painter, verticalSpeedCaptionFontTenths(dial.diameter));
    painter.setPen(palette.text);
    drawCaption(painter, dial, QStringLiteral("VERTICAL SPEED"));
    const int cy = static_cast<int>(dial.centreY);
    drawTextCentredOn(painter,
                      static_cast<int>(dial.centreX + 3 * gaugeAverageCharWidth(painter)), cy,
                      unitText);
    const PixelPoint up = dialPoint(dial, kMarkerRadius, kUpDegrees);
    drawTextCentredOn(painter, up.x, up.y, QStringLiteral("Up"));
    const PixelPoint down = dialPoint(dial, kMarkerRadius, kDownDegrees);
    drawTextCentredOn(painter, down.x, down.y, QStringLiteral("Dn"));
}

} // namespace

void paintVerticalSpeedDial(QPainter& painter, const QRect& client,
                            const VerticalSpeedPicture& picture, const GaugePalette& palette)
{
    const DialGeometry dial = openDial(painter, client, palette, verticalSpeedLabelFontTenths);
    painter.setPen(palette.text);
    const VerticalSpeedScale scale = verticalSpeedScale(picture.fullScale);
    drawScale(painter, dial, scale, palette);
    drawTexts(painter, dial, QString::fromStdString(scale.prefix) + picture.unit, palette);
}

QString verticalSpeedDialKey(const VerticalSpeedPicture& picture)
{
    return QString::number(picture.fullScale, 'g', 17) + QLatin1Char('|') + picture.unit;
}

double paintVerticalSpeed(QPainter& painter, const QRect& client,
                          const VerticalSpeedPicture& picture, const GaugePalette& palette)
{
    const DialGeometry dial = layoutDial(toPixelRect(client));
    const double angle = verticalSpeedNeedleAngle(picture.value, picture.fullScale);
    drawDialNeedle(painter, dial, angle, palette);
    return angle;
}

} // namespace orbilunex
