#include "views/navigation/NavigationPainter.h"

#include "framework/PictureCanvas.h"
#include "framework/TextMetrics.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

namespace orbilunex {

namespace {

constexpr int kTabStopChars = 5;
constexpr int kPositionLines = 3;

} // namespace

QImage navigationCanvas(const QSize& size, qreal ratio)
{
    QImage canvas = pictureCanvas(size, ratio);
    if (canvas.isNull()) canvas = QImage(size, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(kNavigationCanvasDotsPerMetre);
    canvas.setDotsPerMeterY(kNavigationCanvasDotsPerMetre);
    return canvas;
}

void paintNavigation(QPainter& painter, const QRect& drawingRect, const NavigationPicture& picture,
                     const NavigationPalette& palette)
{
    if (picture.fontTenths <= 0 || drawingRect.isEmpty()) return;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(picture.fontTenths / 10.0);

    QPaintDevice* device = painter.device();
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(kTabStopChars * averageCharWidth(font, device));
    // The blanks ending a line belong to its extent: they are what wipes
    // the tail of a longer text drawn before.
    option.setFlags(QTextOption::IncludeTrailingSpaces);

    painter.save();
    painter.setClipRect(drawingRect, Qt::IntersectClip);
    painter.setPen(palette.buttonText);
    qreal top = drawingRect.top();
    int lineNumber = 0;
    for (const QString& text : QString::fromStdString(picture.text).split(QLatin1Char('\n'))) {
        if (top > drawingRect.bottom()) break;
        QTextLayout layout(text, font, device);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        if (!line.isValid()) { // an empty line still takes its height
            layout.endLayout();
            top += QFontMetrics(font, device).height();
            continue;
        }
        line.setLineWidth(drawingRect.width());
        layout.endLayout();
        // The position lines keep the font that grows with the window; a
        // longer line after them (the receiver's estimate) shrinks to fit.
        if (++lineNumber > kPositionLines && line.naturalTextWidth() > drawingRect.width()) {
            QFont smaller = font;
            smaller.setPointSizeF(std::floor(font.pointSizeF() * drawingRect.width() /
                                             line.naturalTextWidth() * 10.0) / 10.0);
            layout.setFont(smaller);
            layout.beginLayout();
            line = layout.createLine();
            line.setLineWidth(drawingRect.width());
            layout.endLayout();
        }

        const QPointF origin(drawingRect.left(), top);
        painter.fillRect(QRectF(origin, QSizeF(line.naturalTextWidth(), line.height()))
                             .toAlignedRect(),
                         palette.buttonFace);
        line.draw(&painter, origin);
        top += line.height();
    }
    painter.restore();
}

} // namespace orbilunex
