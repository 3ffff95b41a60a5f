#pragma once

#include "framework/TextMetrics.h"
#include "models/PixelGeometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>

#include <algorithm>

// The few drawing helpers the survey window's painters and its printed
// report share.

namespace orbilunex::surveypaint {

const QColor kGridGrey(128, 128, 128);

// The least-squares and mean indicators' colours, alike in the plot and the
// altitude chart: white and magenta by exclusive-or on the window's canvas,
// black and green on paper.
struct IndicatorColours {
    QColor lsf;
    QColor mean;
};
inline IndicatorColours screenIndicatorColours()
{
    return {QColor(255, 255, 255), QColor(255, 0, 255)};
}
inline IndicatorColours pageIndicatorColours()
{
    return {QColor(0, 0, 0), QColor(0, 255, 0)};
}

// The accuracy rings', the reference point's and the receiver's ellipse's
// colours: on the window's canvas the masks they are drawn with by
// exclusive-or (orange, teal, dark red and purple over the light ground),
// on paper the colours themselves.
struct AccuracyColours {
    QColor cep50;
    QColor r95;
    QColor reference;
    QColor receiver;
};
inline AccuracyColours screenAccuracyColours()
{
    return {QColor(0, 128, 255), QColor(255, 112, 80), QColor(128, 255, 255),
            QColor(112, 240, 80)};
}
inline AccuracyColours pageAccuracyColours()
{
    return {QColor(255, 128, 0), QColor(0, 150, 180), QColor(160, 0, 0), QColor(128, 0, 160)};
}

inline QPoint toQPoint(PixelPoint p) { return {p.x, p.y}; }

// Arial at a size in points; the device it is drawn on turns points into
// pixels.
inline QFont arial(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setWeight(QFont::Normal);
    return font;
}

// A pen never thinner than one device pixel: a width of 0 would be Qt's
// cosmetic pen, whose width a PDF viewer chooses.
inline QPen solidPen(const QColor& colour, int width, Qt::PenCapStyle cap = Qt::SquareCap)
{
    return QPen(colour, std::max(1, width), Qt::SolidLine, cap, Qt::MiterJoin);
}

inline int averageWidth(const QFont& font, QPaintDevice* device)
{
    return qRound(averageCharWidth(font, device));
}

// Text at its top-left corner in the painter's font, unclipped.
inline void drawTextAt(QPainter& painter, int x, int y, const QString& line)
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(QRect(x, y, metrics.horizontalAdvance(line), metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, line);
}

} // namespace orbilunex::surveypaint
