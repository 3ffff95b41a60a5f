#include "views/skyplot/SkyPlotWnd.h"

#include "framework/PictureCanvas.h"

#include <QPainter>

namespace orbilunex {

CSkyPlotWnd::CSkyPlotWnd(QWidget* parent)
    : QWidget(parent), data(std::make_unique<SkyPlotModel>())
{
    // Every pixel is painted each time: no background erase, no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CSkyPlotWnd::~CSkyPlotWnd() = default;

bool CSkyPlotWnd::refreshPlot()
{
    const bool changed = data->learnMask();
    data->recordTrails();
    update();
    return changed;
}

void CSkyPlotWnd::setSmooth(bool on)
{
    if (on == smoothing) return;
    smoothing = on;
    update();
}

QImage CSkyPlotWnd::render(const QSize& size, qreal ratio) const
{
    QImage canvas = skyPlotCanvas(size, ratio);
    SkyPlotPalette palette;
    palette.buttonFace = this->palette().color(QPalette::Button);
    palette.smooth = smoothing;
    QPainter painter(&canvas);
    paintSkyPlot(painter, QRect(QPoint(0, 0), size), *data, palette);
    return canvas;
}

void CSkyPlotWnd::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0) return;
    QPainter painter(this);
    painter.drawImage(0, 0, render(size(), pictureRatio(*this)));
}

} // namespace orbilunex
