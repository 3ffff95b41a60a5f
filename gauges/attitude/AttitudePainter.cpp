#include "gauges/attitude/AttitudePainter.h"

#include "models/gauges/attitude/AttitudeLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace orbilunex {

namespace {

constexpr double kBankMarkInner = kAttitudeInnerRadius;
constexpr double kBankMarkOuter = kAttitudeBankMarkOuter;

// "Arial" whose line (ascent plus descent) is `cellHeight` pixels: the
// ladder numbers are sized by their whole line, while a pixel size sets the
// em, which is smaller. Drawn to the pixel unless `smooth`.
QFont numberFont(int cellHeight, bool smooth)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    if (!smooth) font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(QFont::Normal);
    const int size = std::max(cellHeight, 1);
    font.setPixelSize(size);
    const int line = QFontMetrics(font).height();
    if (line > size) font.setPixelSize(std::max(1, size * size / line));
    return font;
}

QPoint toQPoint(const PixelPoint& p)
{
    return {p.x, p.y};
}

void drawSegment(QPainter& painter, const AttitudeSegment& segment)
{
    painter.drawLine(toQPoint(segment.from), toQPoint(segment.to));
}

void drawBankRing(QPainter& painter, const DialGeometry& dial, const AttitudeLayout& layout,
                  const QPen& ringPen)
{
    painter.setPen(ringPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(toQRect(layout.innerCircle));
    for (double degrees : layout.bankMarkDegrees)
        drawRadialStroke(painter, dial, kBankMarkInner, kBankMarkOuter, degrees, ringPen);
}

// The sky polygon outlined in the ring's pen, and the ground's lines.
void drawHorizon(QPainter& painter, const AttitudeLayout& layout, const QPen& ringPen)
{
    QPolygon sky;
    for (const PixelPoint& corner : layout.sky) sky << toQPoint(corner);
    painter.setPen(ringPen);
    painter.setBrush(QColor::fromRgb(kAttitudeSkyColour));
    painter.drawPolygon(sky);
    for (const AttitudeSegment& line : layout.groundLines) drawSegment(painter, line);
}

// A ladder number with its baseline's left end at `baseline`, turned by
// `turn` degrees.
void drawNumber(QPainter& painter, const PixelPoint& baseline, double turn, const QString& text,
                const QColor& colour)
{
    painter.save();
    painter.setPen(colour);
    painter.translate(baseline.x, baseline.y);
    painter.rotate(turn);
    painter.drawText(0, 0, text);
    painter.restore();
}

void drawLadder(QPainter& painter, const AttitudeLayout& layout, const AttitudePicture& picture,
                int diameter)
{
    // The numbers turn with the picture, in whole tenths of a degree.
    const double textTurn = std::trunc(picture.roll * 10) / 10;
    painter.setFont(numberFont(diameter / 15, painter.testRenderHint(QPainter::TextAntialiasing)));
    for (const AttitudeRung& rung : layout.rungs) {
        drawSegment(painter, rung.upper);
        if (picture.showNumbers) {
            const QString number = QString::number(rung.degrees);
            for (const PixelPoint& at : rung.upperTexts)
                drawNumber(painter, at, textTurn, number, Qt::white);
            for (const PixelPoint& at : rung.lowerTexts)
                drawNumber(painter, at, textTurn, number, QColor::fromRgb(kAttitudeSkyColour));
        }
        drawSegment(painter, rung.lower);
    }
}

void drawAircraft(QPainter& painter, const AttitudeLayout& layout, int diameter)
{
    painter.setPen(gaugePen(QColor::fromRgb(kAttitudeAircraftColour), diameter / 80));
    painter.setBrush(Qt::NoBrush);
    for (const auto* wing : {&layout.aircraftRight, &layout.aircraftLeft}) {
        QPolygon line;
        for (const PixelPoint& p : *wing) line << toQPoint(p);
        painter.drawPolyline(line);
    }
}

} // namespace

void paintAttitude(QPainter& painter, const QRect& client, const AttitudePicture& picture,
                   const GaugePalette& palette)
{
    const DialGeometry dial = openDial(painter, client, palette);
    const AttitudeLayout layout = layoutAttitude(dial, picture.roll, picture.pitch);
    const QPen ringPen = gaugePen(palette.text, dial.diameter / 80);
    drawBankRing(painter, dial, layout, ringPen);

    painter.save();
    painter.setClipRegion(QRegion(toQRect(layout.innerCircle), QRegion::Ellipse));
    drawHorizon(painter, layout, ringPen);
    drawLadder(painter, layout, picture, dial.diameter);
    drawAircraft(painter, layout, dial.diameter);
    painter.restore();
}

} // namespace orbilunex
