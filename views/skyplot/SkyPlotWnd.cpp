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

bool CSkyPlotWnd::refreshPlot(bool satellitesChanged)
{
    const bool learned = data->learnMask();
    const bool recorded = data->recordTrails();
    if (satellitesChanged || learned || recorded) update();
    return learned;
}

void CSkyPlotWnd::setSmooth(bool on)
{
    if (on == smoothing) return;
    smoothing = on;
    update();
}

QImage CSkyPlotWnd::render(const QSize& size, qreal ratio) const
{
    QImage picture = skyPlotCanvas(size, ratio);
    paintChart(picture, size, nullptr);
    return picture;
}

// The chart covers every pixel of `target`, so a canvas drawn before is
// painted over whole.
void CSkyPlotWnd::paintChart(QImage& target, const QSize& size, SkyPlotScratch* room) const
{
    SkyPlotPalette palette;
    palette.buttonFace = this->palette().color(QPalette::Button);
    palette.smooth = smoothing;
    QPainter painter(&target);
    paintSkyPlot(painter, QRect(QPoint(0, 0), size), *data, palette, room);
}

void CSkyPlotWnd::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0) return;
    const qreal ratio = pictureRatio(*this);
    if (!canvasFits(canvas, size(), ratio)) canvas = skyPlotCanvas(size(), ratio);
    paintChart(canvas, size(), &scratch);
    QPainter painter(this);
    painter.drawImage(0, 0, canvas);
}

} // namespace orbilunex
