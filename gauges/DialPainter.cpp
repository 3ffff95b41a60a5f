#include "gauges/DialPainter.h"

#include "framework/PictureCanvas.h"
#include "framework/TextMetrics.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

namespace orbilunex {

GaugePalette gaugePalette(const QPalette& palette)
{
    return {palette.color(QPalette::Highlight), palette.color(QPalette::WindowText),
            palette.color(QPalette::Base), palette.color(QPalette::Button),
            palette.color(QPalette::Dark), palette.color(QPalette::Light)};
}

bool operator==(const GaugePalette& a, const GaugePalette& b)
{
    return a.needle == b.needle && a.text == b.text && a.face == b.face &&
           a.background == b.background && a.shadow == b.shadow && a.light == b.light;
}

QImage gaugeCanvas(const QSize& size, qreal ratio)
{
    QImage canvas = pictureCanvas(size, ratio);
    if (canvas.isNull()) return canvas;
    canvas.setDotsPerMeterX(kGaugeCanvasDotsPerMetre);
    canvas.setDotsPerMeterY(kGaugeCanvasDotsPerMetre);
    return canvas;
}

QFont gaugeFont(int tenths, bool smooth)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(tenths / 10.0);
    if (!smooth) font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void setGaugeFont(QPainter& painter, int tenths)
{
    painter.setFont(gaugeFont(tenths, painter.testRenderHint(QPainter::TextAntialiasing)));
}

QPen gaugePen(const QColor& colour, int width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QRect toQRect(const PixelRect& rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

PixelRect toPixelRect(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

void fillGaugeBackground(QPainter& painter, const QRect& client, const GaugePalette& palette)
{
    painter.fillRect(client, palette.background);
}

void drawDialFace(QPainter& painter, const DialGeometry& dial, const GaugePalette& palette,
                  int outlineDivisor)
{
    painter.save();
    painter.setPen(gaugePen(palette.text, dial.diameter / outlineDivisor));
    painter.setBrush(palette.face);
    painter.drawEllipse(toQRect(dial.square));
    painter.restore();
}

DialGeometry openDial(QPainter& painter, const QRect& client, const GaugePalette& palette,
                      DialFontTenths fontTenths, int outlineDivisor, Qt::BGMode textBackground)
{
    const DialGeometry dial = layoutDial(toPixelRect(client));
    fillGaugeBackground(painter, client, palette);
    painter.setBackgroundMode(textBackground);
    painter.setBackground(palette.face);
    drawDialFace(painter, dial, palette, outlineDivisor);
    if (fontTenths) setGaugeFont(painter, fontTenths(dial.diameter));
    return dial;
}

int readoutFontTenths(int diameter)
{
    return atLeastSixPoints(diameter / 2);
}

void drawRadialStroke(QPainter& painter, const DialGeometry& dial, double r1, double r2,
                      double degrees, const QPen& pen)
{
    const PixelPoint from = dialPoint(dial, r1, degrees);
    const PixelPoint to = dialPoint(dial, r2, degrees);
    painter.save();
    painter.setPen(pen);
    if (from == to && pen.width() > 1) {
        // A zero-length stroke of a wide round pen: the dot it leaves.
        painter.setPen(Qt::NoPen);
        painter.setBrush(pen.color());
        const int w = pen.width();
        painter.drawEllipse(QRect(from.x - w / 2, from.y - w / 2, w, w));
    } else {
        painter.drawLine(from.x, from.y, to.x, to.y);
    }
    painter.restore();
}

void drawTick(QPainter& painter, const DialGeometry& dial, double degrees, bool major,
              const QPen& pen)
{
    constexpr double kOuter = 89.9;
    drawRadialStroke(painter, dial, kOuter, major ? 73.0 : 80.0, degrees, pen);
}

void drawLabelledTicks(QPainter& painter, const DialGeometry& dial,
                       const std::vector<DialTick>& ticks, double labelRadius, const QPen& pen)
{
    painter.setPen(pen);
    for (const DialTick& tick : ticks) {
        drawTick(painter, dial, tick.degrees, tick.major, pen);
        if (tick.major)
            drawCentredLabel(painter, dial, labelRadius, tick.degrees,
                             QString::fromStdString(tick.label));
    }
}

QRect drawReadoutBox(QPainter& painter, const DialGeometry& dial, const QString& unit,
                     const GaugePalette& palette)
{
    const QRect box = valueTextBox(painter, dial, unit);
    painter.setBrush(palette.face);
    painter.drawRect(box.adjusted(0, 0, -1, -1)); // the box's right and bottom are outside it
    return box;
}

void drawReadoutBoxAndCaption(QPainter& painter, const DialGeometry& dial,
                              const GaugePalette& palette, const QString& unit,
                              const QString& caption)
{
    setGaugeFont(painter, readoutFontTenths(dial.diameter));
    painter.setPen(gaugePen(palette.text, dial.diameter / 80));
    drawReadoutBox(painter, dial, unit, palette);
    drawCaption(painter, dial, caption);
}

void drawReadout(QPainter& painter, const DialGeometry& dial, const GaugePalette& palette,
                 const QString& unit, const QString& text, ReadoutAlignment alignment)
{
    setGaugeFont(painter, readoutFontTenths(dial.diameter));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(gaugePen(palette.text, dial.diameter / 80));
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect box = valueTextBox(painter, dial, unit);
    const int left = alignment == ReadoutAlignment::Centred
                         ? static_cast<int>(dial.centreX) - metrics.horizontalAdvance(text) / 2
                         : box.left() + gaugeAverageCharWidth(painter);
    drawTextAt(painter, left, box.top() + metrics.height() / 4, text);
}

void drawNeedleKite(QPainter& painter, const DialGeometry& dial, double degrees, double tail,
                    double shoulder, double halfAngle, double tip, const QColor& colour)
{
    const PixelPoint corners[4] = {dialPoint(dial, tail, degrees),
                                   dialPoint(dial, shoulder, degrees - halfAngle),
                                   dialPoint(dial, tip, degrees),
                                   dialPoint(dial, shoulder, degrees + halfAngle)};
    QPolygon kite;
    for (const PixelPoint& p : corners) kite << QPoint(p.x, p.y);
    painter.save();
    painter.setPen(gaugePen(colour, 1));
    painter.setBrush(colour);
    painter.drawPolygon(kite);
    painter.restore();
}

void drawDialNeedle(QPainter& painter, const DialGeometry& dial, double degrees,
                    const GaugePalette& palette)
{
    const int d = dial.diameter;
    drawNeedleKite(painter, dial, degrees, 0.0, 50.0, 5.0, kDialNeedleReach, palette.needle);
    drawRadialStroke(painter, dial, 0.0, 40.0, degrees, gaugePen(palette.needle, d / 50));
    drawRadialStroke(painter, dial, 0.0, 0.0, degrees, gaugePen(palette.needle, d / 20));
}

void drawTextAt(QPainter& painter, int x, int top, const QString& text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(QRect(x, top, metrics.horizontalAdvance(text) + 1, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

void drawCentredLabel(QPainter& painter, const DialGeometry& dial, double radius, double degrees,
                      const QString& text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const PixelPoint at = dialPoint(dial, radius, degrees);
    drawTextAt(painter, at.x - metrics.horizontalAdvance(text) / 2, at.y - metrics.height() / 2,
               text);
}

void drawCaption(QPainter& painter, const DialGeometry& dial, const QString& text)
{
    const QFontMetrics metrics = painter.fontMetrics();
    drawTextAt(painter, static_cast<int>(dial.centreX) - metrics.horizontalAdvance(text) / 2,
               static_cast<int>(dial.centreY - 3 * metrics.height()), text);
}

int gaugeAverageCharWidth(QPainter& painter)
{
    return static_cast<int>(averageCharWidth(painter.font(), painter.device()));
}

QRect valueTextBox(QPainter& painter, const DialGeometry& dial, const QString& unit)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const QString sample = QStringLiteral("-00000.00 ") + unit;
    const int w = metrics.horizontalAdvance(sample);
    const int h2 = metrics.height() / 2;
    const int cx = static_cast<int>(dial.centreX);
    const int cy = static_cast<int>(dial.centreY);
    PixelRect box{cx - w / 2, cy - h2 + 3 * h2, cx + w / 2, cy + h2 + 3 * h2};
    const int wider = gaugeAverageCharWidth(painter);
    const int taller = metrics.height() / 4;
    box = {box.left - wider, box.top - taller, box.right + wider, box.bottom + taller};
    return toQRect(box);
}

} // namespace orbilunex
