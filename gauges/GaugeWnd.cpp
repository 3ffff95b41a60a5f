#include "gauges/GaugeWnd.h"

#include <QPainter>

namespace orbilunex {

CGaugeWnd::CGaugeWnd(const QString& windowText, QWidget* parent) : QWidget(parent)
{
    setWindowTitle(windowText);
    // Every pixel comes from the off-screen picture: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage CGaugeWnd::render(const QSize& size, qreal ratio) const
{
    QImage canvas = gaugeCanvas(size, ratio);
    if (canvas.isNull()) return canvas;
    QPainter painter(&canvas);
    setSmoothing(painter, smoothing);
    paintPicture(painter, QRect(QPoint(0, 0), size), gaugePalette(palette()));
    return canvas;
}

QImage* CGaugeWnd::staleDial(const QPainter& painter, const QSize& size,
                             const GaugePalette& palette, const QString& key) const
{
    // Text in the dial is sized for the device it ends up on, from its
    // logical resolution: points stay the same logical size at any ratio.
    const int dotsPerMetre = qRound(painter.device()->logicalDpiX() / 0.0254);
    // Pixels as fine as the device's, or the dial comes out in blocks.
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (canvasFits(dial, size, ratio) && key == dialDrawnFor && palette == dialColours &&
        smoothing == dialSmooth && dial.dotsPerMeterX() == dotsPerMetre)
        return nullptr;
    // Every pixel of the dial is drawn again: the image itself can stay.
    if (!canvasFits(dial, size, ratio)) dial = pictureCanvas(size, ratio);
    dial.setDotsPerMeterX(dotsPerMetre);
    dial.setDotsPerMeterY(dotsPerMetre);
    dialDrawnFor = key;
    dialColours = palette;
    dialSmooth = smoothing;
    return &dial;
}

void CGaugeWnd::setSmooth(bool smooth)
{
    if (smooth == smoothing) return;
    smoothing = smooth;
    update();
}

void CGaugeWnd::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0) return;
    // The widget's backing store is already off screen and is shown in one
    // block: the picture goes straight into it.
    QPainter painter(this);
    setSmoothing(painter, smoothing);
    paintPicture(painter, rect(), gaugePalette(palette()));
}

} // namespace orbilunex
