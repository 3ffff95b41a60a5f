#pragma once

#include "models/skyplot/SkyPlotModel.h"
#include "views/skyplot/SkyPlotPainter.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace orbilunex {

// The sky chart's drawing window. It holds the satellites, trails and the
// learned mask (the document owns the window, so the mask lives as long as
// the document), and paints the whole chart off screen, then in one copy.
// The off-screen canvas is kept between paints and made again only for a
// new size or device pixel ratio.
class CSkyPlotWnd : public QWidget {
    Q_OBJECT

public:
    explicit CSkyPlotWnd(QWidget* parent = nullptr);
    ~CSkyPlotWnd() override;

    SkyPlotModel& model() { return *data; }
    const SkyPlotModel& model() const { return *data; }

    // Learns the mask from the satellites just copied and records trails,
    // then asks for a repaint if the picture changed: the mask, a trail, or
    // the satellites themselves (`satellitesChanged`, what the copy said).
    // True when the mask changed.
    bool refreshPlot(bool satellitesChanged);

    // The comment printed above the chart.
    QString comment() const { return commentText; }
    void setComment(const QString& text) { commentText = text; }

    // The picture as the window shows it, for any size, at a device pixel
    // ratio.
    QImage render(const QSize& size, qreal ratio = 1.0) const;

    // "Smooth drawing": the next picture follows it.
    void setSmooth(bool on);
    bool smooth() const { return smoothing; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintChart(QImage& target, const QSize& size, SkyPlotScratch* room) const;

    std::unique_ptr<SkyPlotModel> data; // 240 kB of fixed arrays: not on the stack
    QImage canvas;
    SkyPlotScratch scratch; // the canvas's: reused from paint to paint
    QString commentText;
    bool smoothing = false;
};

} // namespace orbilunex
