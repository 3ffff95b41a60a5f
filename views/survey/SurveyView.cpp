#include "views/survey/SurveyView.h"

#include "framework/AppContext.h"
#include "framework/PictureCanvas.h"
#include "models/survey/plot/PlotReadout.h"
#include "settings/SurveySettings.h"
#include "survey/SurveySample.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyPlotPainter.h"

#include <QJsonObject>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace orbilunex {

namespace {

constexpr double kMetresPerInch = 0.0254;

// The rings' figures are refreshed no more often than the view's interval,
// nor than this many times the last refresh took: a huge survey spends at
// most a tenth of its time on them.
constexpr int kAccuracyCostFactor = 10;

// The position as the survey stores it (10^-7 degree, truncated), so that a
// live dot lands where a later full repaint puts it.
double storedDegrees(double degrees)
{
    return truncateToInt32(degrees * 10000000.0) * kDegreesPerUnit;
}

} // namespace

// --- The drawing surface ---------------------------------------------------

CSurveyPlotWnd::CSurveyPlotWnd(CSurveyView& owner) : view(owner)
{
    // Every pixel comes from the canvas.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CSurveyPlotWnd::paintEvent(QPaintEvent*)
{
    const QImage& picture = view.picture();
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

void CSurveyPlotWnd::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    view.showReadout({at.x(), at.y()});
}

void CSurveyPlotWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        view.moveMarker({at.x(), at.y()});
    }
    QWidget::mousePressEvent(event);
}

void CSurveyPlotWnd::changeEvent(QEvent* event)
{
    // New system colours take a full repaint.
    if (event->type() == QEvent::PaletteChange) view.invalidatePicture();
    QWidget::changeEvent(event);
}

// --- The view --------------------------------------------------------------

CSurveyView::CSurveyView(CSurveyDoc* document, AppContext& app)
    : CHostView(document, app, kTickMs), surface(new CSurveyPlotWnd(*this))
{
    hostChild(surface, Ownership::Owned);
    // A document that already holds samples (read before its window was
    // made) is plotted whole; an empty one leaves the extents reset.
    plotExtents.fitToSamples(document->survey().samples());
    connect(document, &CSurveyDoc::surveyCleared, this, [this] { surveyCleared(); });
    connect(document, &CSurveyDoc::surveyLoaded, this, [this] { surveyLoaded(); });
}

CSurveyView::~CSurveyView() = default;

CSurveyDoc* CSurveyView::surveyDocument() const
{
    return static_cast<CSurveyDoc*>(document());
}

void CSurveyView::setPropertiesHandler(std::function<void()> handler)
{
    propertiesHandler = std::move(handler);
}

void CSurveyView::onTick()
{
    // Moved to a screen of another ratio: the canvas is drawn again. A look
    // at the canvas costs nothing, so it is taken at every tick.
    if (!stale && !canvas.isNull() && !canvasCurrent()) invalidatePicture();
    // A sample needs a new GGA, and "Smooth drawing" a write to the settings.
    if (!inputsChanged()) return;
    if (!stale && !canvas.isNull() && smoothDrawing(app().settings()) != smooth)
        invalidatePicture();
    CSurveyDoc* doc = surveyDocument();
    SurveyModel& survey = doc->survey();
    const GpsState& state = app().gpsState();
    if (!feed.wantsSample(state, survey)) return;

    if (plotExtents.add(state.latitude, state.longitude)) {
        // The whole picture moves: the next paint walks every sample.
        rescale();
        invalidatePicture();
    }
    const bool incremental = canvasCurrent();
    const bool startsTrail = survey.sampleCount() == 0;

    if (incremental) {
        eraseIndicators();
        toggleMarker();
    }
    takeEstimates();
    const std::uint16_t hdop10 = truncateToUint16(state.hdop * 10.0);
    if (incremental) {
        plotSurveyDot(canvas, trail, dotStyle,
                      surveyPlotPoint(plotFrame, plotExtents, storedDegrees(state.latitude),
                                      storedDegrees(state.longitude)),
                      hdop10, startsTrail);
        placeIndicators();
        drawIndicators();
        toggleMarker();
        surface->update();
    }
    // Added last, so that the indicators just drawn are those of the
    // statistics before this sample.
    doc->addSample(state.latitude, state.longitude, state.altitude,
                   truncateToInt16(state.pdop * 10.0), state.fixType == 3 ? 1 : 0, hdop10,
                   truncateToUint16(state.vdop * 10.0));
    // The rings take the new sample in, as a full repaint would, when
    // their refresh is due.
    if (incremental && circles && std::chrono::steady_clock::now() >= accuracyDue) {
        toggleAccuracy();
        takeAccuracy();
        accuracyOnCanvas =
            accuracyMarks(plotFrame, plotExtents, accuracyCopy, referenceAt, receiverCopy);
        toggleAccuracy();
    }
}

void CSurveyView::moveMarker(PixelPoint point)
{
    const bool onCanvas = canvasCurrent();
    if (onCanvas) toggleMarker();
    markerAt = point;
    if (onCanvas) {
        toggleMarker();
        surface->update();
    }
}

void CSurveyView::showReadout(PixelPoint point)
{
    app().showStatusText(
        surveyPlotReadout(app().settings(), plotFrame, plotExtents, point, markerAt).text);
}

const QImage& CSurveyView::picture()
{
    if (!canvasCurrent()) repaintFully();
    return canvas;
}

void CSurveyView::onUpdate(CView*)
{
    invalidatePicture();
}

QJsonObject CSurveyView::shows() const
{
    QJsonObject box;
    box[QStringLiteral("latitudeMin")] = plotExtents.latitudeMin;
    box[QStringLiteral("latitudeMax")] = plotExtents.latitudeMax;
    box[QStringLiteral("longitudeMin")] = plotExtents.longitudeMin;
    box[QStringLiteral("longitudeMax")] = plotExtents.longitudeMax;
    QJsonObject values;
    values[QStringLiteral("extents")] = box;
    if (accuracyOnCanvas.receiver && receiverCopy) {
        QJsonObject receiver;
        receiver[QStringLiteral("semiMajor")] = receiverCopy->semiMajor;
        receiver[QStringLiteral("semiMinor")] = receiverCopy->semiMinor;
        receiver[QStringLiteral("orientation")] = receiverCopy->orientation;
        values[QStringLiteral("receiverEllipse")] = receiver;
    }
    return values;
}

void CSurveyView::fillContextMenu(QMenu& menu)
{
    fillSurveyMenu(menu, *surveyDocument(), this, [this] {
        if (propertiesHandler) propertiesHandler();
    });
}

void CSurveyView::resizeEvent(QResizeEvent* event)
{
    CHostView::resizeEvent(event);
    rescale();
    invalidatePicture();
}

void CSurveyView::showEvent(QShowEvent* event)
{
    CHostView::showEvent(event);
    if (shownOnce) return;
    shownOnce = true;
    takeEstimates();
    invalidatePicture();
}

// --- Drawing ---------------------------------------------------------------

bool CSurveyView::canvasCurrent() const
{
    return !stale && canvasFits(canvas, surface->size(), pictureRatio(*surface));
}

void CSurveyView::invalidatePicture()
{
    stale = true;
    surface->update();
}

void CSurveyView::rescale()
{
    const PixelRect client{0, 0, surface->width(), surface->height()};
    plotFrame = layoutSurveyPlot(surveyPlotArea(client), plotExtents);
}

void CSurveyView::repaintFully()
{
    const QSize size = surface->size();
    if (size.isEmpty()) {
        canvas = QImage();
        return;
    }
    const qreal ratio = pictureRatio(*surface);
    if (!canvasFits(canvas, size, ratio)) {
        canvas = pictureCanvas(size, ratio);
        const int dotsPerMetre = qRound(surface->logicalDpiX() / kMetresPerInch);
        canvas.setDotsPerMeterX(dotsPerMetre);
        canvas.setDotsPerMeterY(dotsPerMetre);
    }
    canvas.fill(surface->palette().color(QPalette::Button));
    rescale();

    const SurveyModel& survey = surveyDocument()->survey();
    dotStyle = surveyDotStyle(survey);
    smooth = smoothDrawing(app().settings());
    dotStyle.smoothLines = smooth;
    canvasStyle = screenSurveyPlotStyle(canvas.logicalDpiX(), smooth);
    circles = readSetting(app().settings(), settings::survey::kAccuracyCircles) != 0;
    referenceAt = plotReference(app().settings());
    takeAccuracy();
    {
        QPainter painter(&canvas);
        setSmoothing(painter, smooth);
        paintSurveyGrid(painter, plotFrame, plotExtents, app().settings(), canvasStyle);
    }
    plotSurveySamples(canvas, trail, plotFrame, plotExtents, survey, smooth);

    toggleMarker();
    placeIndicators();
    drawIndicators();
    stale = false;
}

void CSurveyView::toggleMarker()
{
    toggleSurveyMarker(canvas, markerAt);
}

void CSurveyView::placeIndicators()
{
    const SurveyModel& survey = surveyDocument()->survey();
    indicatorSquare = plotFrame.square;
    lsfOnCanvas = lsfIndicator(plotFrame, plotExtents, lsfCopy, survey.enablePalsfsd);
    meanOnCanvas =
        meanIndicator(plotFrame, plotExtents, meanCopy, survey.enablePositionAvgIndicator);
    accuracyOnCanvas =
        accuracyMarks(plotFrame, plotExtents, circles ? accuracyCopy : std::nullopt, referenceAt,
                      circles ? receiverCopy : std::nullopt);
}

void CSurveyView::drawIndicators()
{
    if (!lsfOnCanvas && !meanOnCanvas && accuracyOnCanvas.empty()) return;
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintSurveyIndicators(painter, lsfOnCanvas, meanOnCanvas, indicatorSquare, canvasStyle);
    paintSurveyAccuracy(painter, accuracyOnCanvas, indicatorSquare, canvasStyle);
}

void CSurveyView::toggleAccuracy()
{
    if (accuracyOnCanvas.empty()) return;
    QPainter painter(&canvas);
    paintSurveyAccuracy(painter, accuracyOnCanvas, indicatorSquare, canvasStyle);
}

void CSurveyView::eraseIndicators()
{
    // Exclusive-or: drawing them again where they stand erases them.
    drawIndicators();
    lsfOnCanvas.reset();
    meanOnCanvas.reset();
    accuracyOnCanvas = {};
}

void CSurveyView::takeAccuracy()
{
    if (!circles) {
        accuracyCopy.reset();
        receiverCopy.reset();
        return;
    }
    receiverCopy = receiverEstimate(app().gpsState());
    const auto start = std::chrono::steady_clock::now();
    accuracyCopy = plotAccuracyFigures(surveyDocument()->survey(), accuracyScratch);
    const auto end = std::chrono::steady_clock::now();
    accuracyDue = accuracyInterval.count() == 0
                      ? end
                      : end + std::max<std::chrono::steady_clock::duration>(
                                  accuracyInterval, (end - start) * kAccuracyCostFactor);
}

void CSurveyView::takeEstimates()
{
    const SurveyModel& survey = surveyDocument()->survey();
    lsfCopy = lsfIndicatorFigures(survey);
    meanCopy = meanIndicatorFigures(survey);
}

void CSurveyView::surveyCleared()
{
    plotExtents.reset();
    // The read-out measured from samples that are gone.
    app().showStatusText({});
    // The survey's figures are zero now: no indicator is left to draw.
    takeEstimates();
    rescale();
    invalidatePicture();
}

void CSurveyView::surveyLoaded()
{
    plotExtents.fitToSamples(surveyDocument()->survey().samples());
    takeEstimates();
    rescale();
    invalidatePicture();
}

} // namespace orbilunex
