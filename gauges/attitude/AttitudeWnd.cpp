#include "gauges/attitude/AttitudeWnd.h"

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
constexpr double kBankMarkOuter = 90;

// "Arial" whose line (ascent plus descent) is `cellHeight` pixels: the
// ladder numbers are sized by their whole line, while a pixel size sets the
// em, which is smaller.
QFont numberFont(int cellHeight)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
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

} // namespace

CAttitudeWnd::CAttitudeWnd(QWidget* parent) : CGaugeWnd(QStringLiteral("Attitude"), parent) {}

void CAttitudeWnd::setAttitude(double roll, double pitch)
{
    rollDegrees = roll;
    pitchDegrees = pitch;
    redraw();
}

void CAttitudeWnd::paintPicture(QPainter& painter, const QRect& client,
                                const GaugePalette& palette) const
{
    const DialGeometry dial = openDial(painter, client, palette);
    const AttitudeLayout layout = layoutAttitude(dial, rollDegrees, pitchDegrees);
    const int d = dial.diameter;
    const QPen ringPen = gaugePen(palette.text, d / 80);

    painter.setPen(ringPen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(toQRect(layout.innerCircle));
    for (double degrees : layout.bankMarkDegrees)
        drawRadialStroke(painter, dial, kBankMarkInner, kBankMarkOuter, degrees, ringPen);

    painter.save();
    painter.setClipRegion(QRegion(toQRect(layout.innerCircle), QRegion::Ellipse));

    QPolygon sky;
    for (const PixelPoint& corner : layout.sky) sky << toQPoint(corner);
    painter.setPen(ringPen);
    painter.setBrush(QColor::fromRgb(kSkyColour));
    painter.drawPolygon(sky);

    for (const AttitudeSegment& line : layout.groundLines) drawSegment(painter, line);

    // The numbers turn with the picture, in whole tenths of a degree.
    const double textTurn = std::trunc(rollDegrees * 10) / 10;
    painter.setFont(numberFont(d / 15));
    auto drawNumber = [&](const PixelPoint& baseline, const QString& text, const QColor& colour) {
        painter.save();
        painter.setPen(colour);
        painter.translate(baseline.x, baseline.y);
        painter.rotate(textTurn);
        painter.drawText(0, 0, text);
        painter.restore();
    };
    for (const AttitudeRung& rung : layout.rungs) {
        drawSegment(painter, rung.upper);
        if (showNumbers) {
            const QString number = QString::number(rung.degrees);
            for (const PixelPoint& at : rung.upperTexts) drawNumber(at, number, Qt::white);
            for (const PixelPoint& at : rung.lowerTexts)
                drawNumber(at, number, QColor::fromRgb(kSkyColour));
        }
        drawSegment(painter, rung.lower);
    }

    painter.setPen(gaugePen(QColor::fromRgb(kAircraftColour), d / 80));
    painter.setBrush(Qt::NoBrush);
    for (const auto* wing : {&layout.aircraftRight, &layout.aircraftLeft}) {
        QPolygon line;
        for (const PixelPoint& p : *wing) line << toQPoint(p);
        painter.drawPolyline(line);
    }
    painter.restore();
}

} // namespace orbilunex
