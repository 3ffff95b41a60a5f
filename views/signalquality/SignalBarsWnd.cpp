#include "views/signalquality/SignalBarsWnd.h"

#include "views/signalquality/SignalQualityPainter.h"

#include <QPainter>

namespace orbilunex {

CSignalBarsWnd::CSignalBarsWnd(QWidget* parent) : QWidget(parent)
{
    // The old picture stays where the new one does not paint: only a change
    // of layout erases it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CSignalBarsWnd::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    eraseNext = true;
}

void CSignalBarsWnd::paintEvent(QPaintEvent*)
{
    const SignalQualityPalette colours = signalQualityPalette(palette());
    QPainter painter(this);
    if (data.barCount != lastDrawnCount) {
        lastDrawnCount = data.barCount;
        eraseNext = true;
    }
    if (eraseNext) {
        painter.fillRect(rect(), colours.buttonFace);
        eraseNext = false;
    }
    data.trackExtremes();
    drawn = paintSignalQuality(painter, rect(), data, colours);
}

} // namespace orbilunex
