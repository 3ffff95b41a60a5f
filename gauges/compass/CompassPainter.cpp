#include "gauges/compass/CompassPainter.h"

#include "models/gauges/compass/CompassLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <string>

namespace orbilunex {

namespace {

// A heading-up card's marks: a tick every `step` degrees from tickOuter in
// to tickInner, and the label `label` gives (if any) at labelRadius, in dial
// units (90 at the rim).
struct CardMarks {
    int step;
    double tickOuter;
    double tickInner;
    double labelRadius;
    std::string (*label)(int degrees);
};

constexpr CardMarks kBearingCard{10, 89.0, 80.0, 70.0, bearingCardLabel};
constexpr CardMarks kSimpleCard{45, 90.0, 80.0, 65.0, simpleCardLabel};

// The bearing compass's pointer and lubber line, in dial units.
constexpr double kPointerBase = 40.0;
constexpr double kPointerTip = 55.0;
constexpr double kPointerHalfAngle = 10.0;
constexpr double kLubberInner = 60.0;
constexpr double kLubberOuter = 90.0;

// The simple compass's lines are as heavy as its outline: D/50 pixels.
constexpr int kSimpleCardLineDivisor = 50;

const QColor kTapeInk(Qt::black);

void drawCard(QPainter& painter, const DialGeometry& dial, int heading, const CardMarks& marks,
              const QPen& tickPen, const QColor& text)
{
    for (int m = 0; m < 360; m += marks.step) {
        const int a = relativeAngle(m, heading);
        drawRadialStroke(painter, dial, marks.tickOuter, marks.tickInner, a, tickPen);
        const std::string label = marks.label(m);
        painter.setPen(text);
        if (!label.empty())
            drawCentredLabel(painter, dial, marks.labelRadius, a, QString::fromStdString(label));
    }
}

// Shadow along the top and left, light along the bottom and right.
void drawSunkenFrame(QPainter& painter, const QRect& client, const GaugePalette& palette)
{
    painter.setPen(QPen(palette.shadow, 1));
    painter.drawLine(client.topLeft(), client.topRight());
    painter.drawLine(client.topLeft(), client.bottomLeft());
    painter.setPen(QPen(palette.light, 1));
    painter.drawLine(client.bottomLeft(), client.bottomRight());
    painter.drawLine(client.topRight(), client.bottomRight());
}

void drawTapeTicks(QPainter& painter, const HeadingTapeLayout& tape,
                   const GaugePalette& palette)
{
    const int top = tape.strip.top;
    const int labelTop = top + tape.strip.height() / 2;
    setGaugeFont(painter, tape.fontTenths);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(palette.background);
    const QFontMetrics metrics = painter.fontMetrics();
    for (const TapeTick& tick : tape.ticks) {
        painter.setPen(QPen(kTapeInk, 1));
        // The tick's end is its first pixel not drawn.
        if (tick.length > 0) painter.drawLine(tick.column, top, tick.column, top + tick.length - 1);
        if (tick.label.empty()) continue;
        const QString label = QString::fromStdString(tick.label);
        drawTextAt(painter, tick.column - metrics.horizontalAdvance(label) / 2, labelTop, label);
    }
}

void drawCentredLine(QPainter& painter, int cx, int top, const QString& text)
{
    drawTextAt(painter, cx - painter.fontMetrics().horizontalAdvance(text) / 2, top, text);
}

// The waypoint's name one line below the centre, the range a line lower.
void drawWaypointLines(QPainter& painter, const DialGeometry& dial,
                       const BearingCompassPicture& picture, const GaugePalette& palette)
{
    const int fontHeight = painter.fontMetrics().height();
    const int cx = static_cast<int>(dial.centreX);
    const int cy = static_cast<int>(dial.centreY);
    painter.setPen(palette.text);
    drawCentredLine(painter, cx, cy + fontHeight, picture.waypoint);
    drawCentredLine(
        painter, cx, cy + 2 * fontHeight,
        QString::fromStdString(rangeText(picture.range, picture.rangeUnit.toStdString())));
}

// A line from the hub with a triangular head, at `degrees` on the card.
void drawBearingPointer(QPainter& painter, const DialGeometry& dial, double degrees,
                        const GaugePalette& palette)
{
    drawRadialStroke(painter, dial, 0, kPointerBase, degrees,
                     gaugePen(palette.needle, dial.diameter / 40));
    QPolygon head;
    for (const PixelPoint& p : {dialPoint(dial, kPointerBase, degrees - kPointerHalfAngle),
                                dialPoint(dial, kPointerTip, degrees),
                                dialPoint(dial, kPointerBase, degrees + kPointerHalfAngle)})
        head << QPoint(p.x, p.y);
    painter.setPen(gaugePen(palette.needle, 1));
    painter.setBrush(palette.needle);
    painter.drawPolygon(head);
}

} // namespace

void paintHeadingTape(QPainter& painter, const QRect& client, const HeadingPicture& picture,
                      const GaugePalette& palette)
{
    fillGaugeBackground(painter, client, palette);
    drawSunkenFrame(painter, client, palette);

    // The frame's sides stay; the strip slides beneath them.
    painter.setClipRect(client.adjusted(1, 0, -1, 0));
    const HeadingTapeLayout tape = layoutHeadingTape(toPixelRect(client), picture.heading);
    drawTapeTicks(painter, tape, palette);
    painter.setPen(QPen(QColor(kHeadingLineColour), 1));
    painter.drawLine(tape.headingColumn, tape.strip.top, tape.headingColumn,
                     tape.strip.bottom - 1);
    painter.setClipping(false);
}

int paintBearingCompass(QPainter& painter, const QRect& client,
                        const BearingCompassPicture& picture, const GaugePalette& palette)
{
    // The card's labels stand on the face colour over the ticks.
    const DialGeometry dial = openDial(painter, client, palette, bearingCompassFontTenths,
                                       kDialOutlineDivisor, Qt::OpaqueMode);
    const int d = dial.diameter;
    drawCard(painter, dial, picture.heading, kBearingCard, gaugePen(palette.text, d / 80),
             palette.text);
    drawWaypointLines(painter, dial, picture, palette);

    const int pointer = relativeAngle(picture.bearing, picture.heading);
    drawBearingPointer(painter, dial, pointer, palette);
    drawRadialStroke(painter, dial, 0, 0, 0, gaugePen(palette.needle, d / 20));
    drawRadialStroke(painter, dial, kLubberInner, kLubberOuter, 0, gaugePen(palette.text, d / 60));
    return pointer;
}

void paintSimpleCompass(QPainter& painter, const QRect& client, const HeadingPicture& picture,
                        const GaugePalette& palette)
{
    const DialGeometry dial =
        openDial(painter, client, palette, simpleCompassFontTenths, kSimpleCardLineDivisor);
    const int lineWidth = dial.diameter / kSimpleCardLineDivisor;
    drawCard(painter, dial, picture.heading, kSimpleCard, gaugePen(palette.text, lineWidth),
             palette.text);
    painter.setPen(palette.text);
    drawCentredLabel(painter, dial, 0, 0, headingText(picture.heading));

    const HeadingCaret caret = headingCaret(dial);
    painter.setPen(gaugePen(palette.needle, lineWidth));
    painter.drawLine(caret.tip.x, caret.tip.y, caret.left.x, caret.left.y);
    painter.drawLine(caret.tip.x, caret.tip.y, caret.right.x, caret.right.y);
}

QString headingText(int degrees)
{
    return QString::fromStdString(headingDigits(degrees)) + QChar(0x00B0);
}

} // namespace orbilunex
