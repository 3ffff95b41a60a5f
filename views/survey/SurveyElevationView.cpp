#include "views/survey/SurveyElevationView.h"

#include "framework/AppContext.h"
#include "framework/PictureCanvas.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyElevationPainter.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace orbilunex {

namespace {

// 96 dots per inch, so that the 7-point labels have the same pixel size
// whatever screen the window is on.
constexpr int kCanvasDotsPerMetre = 3780;

QImage chartCanvas(const QSize& size, qreal ratio)
{
    // RGB32 on the raster engine: the exclusive-or lines need real raster
    // operations on opaque pixels.
    QImage canvas = pictureCanvas(size, ratio);
    canvas.setDotsPerMeterX(kCanvasDotsPerMetre);
    canvas.setDotsPerMeterY(kCanvasDotsPerMetre);
    return canvas;
}

} // namespace

CSurveyElevationWnd::CSurveyElevationWnd(CSurveyElevationView& owner) : view(owner)
{
    // The canvas covers every pixel: no erase before painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CSurveyElevationWnd::paintEvent(QPaintEvent*)
{
    view.bringUpToDate();
    if (view.canvas.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, view.canvas);
}

void CSurveyElevationWnd::mouseMoveEvent(QMouseEvent* event)
{
    view.showCursorAltitude(event->position().toPoint().y());
    QWidget::mouseMoveEvent(event);
}

CSurveyElevationView::CSurveyElevationView(CSurveyDoc* document, AppContext& app)
    : CHostView(document, app, kTickMs), window(new CSurveyElevationWnd(*this))
{
    hostChild(window, Ownership::Owned);
    connect(document, &CSurveyDoc::surveyCleared, this,
            &CSurveyElevationView::redrawAllAndRescale);
    connect(document, &CSurveyDoc::surveyLoaded, this,
            &CSurveyElevationView::redrawAllAndRescale);
}

CSurveyElevationView::~CSurveyElevationView() = default;

CSurveyDoc* CSurveyElevationView::surveyDocument() const
{
    return static_cast<CSurveyDoc*>(document());
}

void CSurveyElevationView::setPropertiesHandler(std::function<void()> handler)
{
    propertiesHandler = std::move(handler);
}

const QImage& CSurveyElevationView::picture()
{
    bringUpToDate();
    return canvas;
}

void CSurveyElevationView::onTick()
{
    // Moved to a screen of another ratio: the canvas is drawn again. A look
    // at the canvas costs nothing, so it is taken at every tick.
    if (!stale && !canvas.isNull() && !canvasFits(canvas, size(), pictureRatio(*window)))
        invalidateAll();
    // A fix to follow needs a new GGA, and "Smooth drawing" a write to the
    // settings.
    if (!inputsChanged()) return;
    if (!stale && !canvas.isNull() && smoothDrawing(app().settings()) != smooth) invalidateAll();
    const ElevationFixStep step = elevation.follow(app().gpsState(), surveyDocument()->survey());
    switch (step.outcome) {
    case ElevationFixStep::Outcome::Nothing: return;
    case ElevationFixStep::Outcome::Repaint: invalidateAll(); return;
    case ElevationFixStep::Outcome::Plotted: break;
    }
    // A canvas waiting for a full redraw gets it anyway; drawing on it now
    // would only be overwritten.
    if (!stale && !canvas.isNull()) {
        const SurveyElevationStyle style = chartStyle();
        QPainter painter(&canvas);
        setSmoothing(painter, smooth);
        paintElevationSegment(painter, step.segment);
        paintElevationIndicators(painter, step.erase, style);
        paintElevationIndicators(painter, step.draw, style);
        painter.end();
        window->update();
    }
    if (step.repaint) invalidateAll();
}

void CSurveyElevationView::showCursorAltitude(int y)
{
    const std::string text =
        elevation.cursorText(y, surveyDocument()->survey(), app().settings());
    if (!text.empty()) app().showStatusText(text);
}

void CSurveyElevationView::onUpdate(CView*)
{
    // A fix passed over while acquisition was off (a file being read) is
    // followed at the next tick, as if it had just come.
    forgetInputs();
    redrawAllAndRescale();
}

void CSurveyElevationView::fillContextMenu(QMenu& menu)
{
    fillSurveyMenu(menu, *surveyDocument(), this, [this] {
        if (propertiesHandler) propertiesHandler();
    });
}

void CSurveyElevationView::resizeEvent(QResizeEvent* event)
{
    CHostView::resizeEvent(event);
    elevation.resize(PixelRect{0, 0, width(), height()}, surveyDocument()->survey());
    invalidateAll();
}

void CSurveyElevationView::invalidateAll()
{
    stale = true;
    window->update();
}

void CSurveyElevationView::redrawAllAndRescale()
{
    elevation.rescale(surveyDocument()->survey());
    invalidateAll();
}

void CSurveyElevationView::bringUpToDate()
{
    if (stale || !canvasFits(canvas, size(), pictureRatio(*window))) paintEverything();
}

void CSurveyElevationView::paintEverything()
{
    stale = false;
    if (width() <= 0 || height() <= 0) {
        canvas = QImage();
        return;
    }
    const qreal ratio = pictureRatio(*window);
    if (!canvasFits(canvas, size(), ratio)) canvas = chartCanvas(size(), ratio);
    smooth = smoothDrawing(app().settings());
    QPainter painter(&canvas);
    setSmoothing(painter, smooth);
    const SurveyModel& survey = surveyDocument()->survey();
    const SurveyElevationStyle style = chartStyle();
    auto draw = [&painter](const ElevationSegment& segment) {
        paintElevationSegment(painter, segment);
    };
    paintBackground(painter, style);
    // A point past the right edge rescales the chart for the samples there
    // are; the second pass then fits. Only one: a chart narrower than its
    // right margin would otherwise never settle.
    if (elevation.paintSamples(survey, draw)) {
        paintBackground(painter, style);
        elevation.paintSamples(survey, draw);
    }
    paintElevationIndicators(painter, elevation.indicators(survey), style);
}

SurveyElevationStyle CSurveyElevationView::chartStyle() const
{
    return screenSurveyElevationStyle(palette().color(QPalette::Button), smooth);
}

void CSurveyElevationView::paintBackground(QPainter& painter, const SurveyElevationStyle& style)
{
    painter.fillRect(QRect(QPoint(0, 0), size()), style.labelGround);
    paintElevationLevels(painter, elevation.scale(), surveyDocument()->survey().altitudeMax,
                         app().settings(), style);
}

} // namespace orbilunex
