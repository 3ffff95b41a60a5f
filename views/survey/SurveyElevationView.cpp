#include "views/survey/SurveyElevationView.h"

#include "framework/AppContext.h"
#include "views/survey/SurveyDoc.h"

#include <QFont>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

namespace orbilunex {

namespace {

const QColor kGridGrey(128, 128, 128);
const QColor kAcceptedBlue(0, 0, 255);
const QColor kRejectedRed(255, 0, 0);
const QColor kLsfWhite(255, 255, 255);
const QColor kMeanMagenta(255, 0, 255);

// 96 dots per inch, so that the 7-point labels have the same pixel size
// whatever screen the window is on.
constexpr int kCanvasDotsPerMetre = 3780;
constexpr int kLabelPoints = 7;

QImage chartCanvas(const QSize& size)
{
    // RGB32 on the raster engine: the exclusive-or lines need real raster
    // operations on opaque pixels.
    QImage canvas(size, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(kCanvasDotsPerMetre);
    canvas.setDotsPerMeterY(kCanvasDotsPerMetre);
    return canvas;
}

QFont labelFont()
{
    QFont font(QStringLiteral("Small Fonts"));
    font.setPointSize(kLabelPoints);
    // A small bitmap-like face: smoothing only blurs it on the grey.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

CElevationChartWnd::CElevationChartWnd(CSurveyElevationView& owner) : view(owner)
{
    // The canvas covers every pixel: no erase before painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CElevationChartWnd::paintEvent(QPaintEvent*)
{
    view.bringUpToDate();
    if (view.canvas.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, view.canvas);
}

void CElevationChartWnd::mouseMoveEvent(QMouseEvent* event)
{
    view.showCursorAltitude(event->position().toPoint().y());
    QWidget::mouseMoveEvent(event);
}

CSurveyElevationView::CSurveyElevationView(CSurveyDoc* document, AppContext& app)
    : CHostView(document, app, kTickMs), window(new CElevationChartWnd(*this))
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

void CSurveyElevationView::followFix()
{
    const ElevationFixStep step = elevation.follow(app().gpsState(), surveyDocument()->survey());
    switch (step.outcome) {
    case ElevationFixStep::Outcome::Nothing: return;
    case ElevationFixStep::Outcome::Repaint: invalidateAll(); return;
    case ElevationFixStep::Outcome::Plotted: break;
    }
    // A canvas waiting for a full redraw gets it anyway; drawing on it now
    // would only be overwritten.
    if (!stale && !canvas.isNull()) {
        QPainter painter(&canvas);
        drawSegment(painter, step.segment);
        drawIndicators(painter, step.erase);
        drawIndicators(painter, step.draw);
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
    elevation.resize(PixelRect{0, 0, width(), height()}, surveyDocument()->survey(),
                     app().settings());
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
    if (stale) paintEverything();
}

void CSurveyElevationView::paintEverything()
{
    stale = false;
    if (width() <= 0 || height() <= 0) {
        canvas = QImage();
        return;
    }
    if (canvas.size() != size()) canvas = chartCanvas(size());
    QPainter painter(&canvas);
    const SurveyModel& survey = surveyDocument()->survey();
    auto draw = [this, &painter](const ElevationSegment& segment) {
        drawSegment(painter, segment);
    };
    paintBackground(painter);
    // A point past the right edge rescales the chart for the samples there
    // are; the second pass then fits. Only one: a chart narrower than its
    // right margin would otherwise never settle.
    if (elevation.paintSamples(survey, draw)) {
        paintBackground(painter);
        elevation.paintSamples(survey, draw);
    }
    drawIndicators(painter, elevation.indicators(survey));
}

void CSurveyElevationView::paintBackground(QPainter& painter)
{
    const QColor buttonFace = palette().color(QPalette::Button);
    painter.fillRect(canvas.rect(), buttonFace);
    const ElevationScale& scale = elevation.scale();
    const PixelRect& chart = scale.chart;
    painter.setPen(QPen(kGridGrey, 1));
    painter.setFont(labelFont());
    // Labels sit on a patch of the face colour, hanging below their line.
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(buttonFace);
    const int ascent = painter.fontMetrics().ascent();
    const SurveyModel& survey = surveyDocument()->survey();
    for (const ElevationGridLine& line :
         elevationGrid(scale, survey.altitudeMax, app().settings())) {
        painter.drawLine(chart.left, line.y, chart.right, line.y);
        if (line.labelled)
            painter.drawText(kElevationLabelX, line.y + ascent, QString::fromStdString(line.label));
    }
    painter.setBackgroundMode(Qt::TransparentMode);
}

void CSurveyElevationView::drawSegment(QPainter& painter, const ElevationSegment& segment)
{
    painter.setPen(QPen(segment.accepted ? kAcceptedBlue : kRejectedRed, 1));
    painter.drawLine(segment.from.x, segment.from.y, segment.to.x, segment.to.y);
}

void CSurveyElevationView::drawIndicators(QPainter& painter,
                                          const std::vector<ElevationIndicatorLine>& lines)
{
    if (lines.empty()) return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const ElevationIndicatorLine& line : lines) {
        const QColor& colour =
            line.colour == ElevationIndicatorColour::White ? kLsfWhite : kMeanMagenta;
        // Flat ends: the line covers the chart's width exactly, so a second
        // pass restores every pixel.
        painter.setPen(QPen(colour, line.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
    }
    painter.restore();
}

} // namespace orbilunex
