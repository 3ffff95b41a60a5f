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
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    paintPicture(painter, QRect(QPoint(0, 0), size), gaugePalette(palette()));
    return canvas;
}

void CGaugeWnd::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0) return;
    QPainter painter(this);
    painter.drawImage(0, 0, render(size()));
}

} // namespace orbilunex
