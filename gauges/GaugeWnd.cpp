#include "gauges/GaugeWnd.h"

#include <QPainter>

namespace orbilunex {

CGaugeWnd::CGaugeWnd(const QString& windowText, QWidget* parent) : QWidget(parent)
{
    setWindowTitle(windowText);
    // Every pixel comes from the off-screen picture: no background erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage CGaugeWnd::render(const QSize& size) const
{
    QImage canvas = gaugeCanvas(size);
    if (size.isEmpty()) return canvas;
    QPainter painter(&canvas);
    setGaugeRenderHints(painter);
    paintPicture(painter, QRect(QPoint(0, 0), size), gaugePalette(palette()));
    return canvas;
}

void CGaugeWnd::paintDial(QPainter&, const QRect&, const GaugePalette&) const {}

void CGaugeWnd::drawDial(QPainter& painter, const QRect& client, const GaugePalette& palette) const
{
    const QString key = dialKey();
    const bool sameColours = palette.needle == dialColours.needle &&
                             palette.text == dialColours.text &&
                             palette.face == dialColours.face &&
                             palette.background == dialColours.background;
    // Text in the dial is sized for the device it ends up on.
    const int dotsPerMetre = qRound(painter.device()->logicalDpiX() / 0.0254);
    if (dial.size() != client.size() || key != dialDrawnFor || !sameColours ||
        dial.dotsPerMeterX() != dotsPerMetre) {
        dial = QImage(client.size(), QImage::Format_RGB32);
        dial.setDotsPerMeterX(dotsPerMetre);
        dial.setDotsPerMeterY(dotsPerMetre);
        QPainter dialPainter(&dial);
        setGaugeRenderHints(dialPainter);
        paintDial(dialPainter, QRect(QPoint(0, 0), client.size()), palette);
        dialDrawnFor = key;
        dialColours = palette;
    }
    painter.drawImage(client.topLeft(), dial);
}

void CGaugeWnd::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0) return;
    // The widget's backing store is already off screen and is shown in one
    // block: the picture goes straight into it.
    QPainter painter(this);
    setGaugeRenderHints(painter);
    paintPicture(painter, rect(), gaugePalette(palette()));
}

} // namespace orbilunex
