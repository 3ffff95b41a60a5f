#include "views/survey/SurveyView.h"

#include "framework/AppContext.h"
#include "models/survey/plot/PlotReadout.h"
#include "settings/SurveySettings.h"
#include "survey/SurveySample.h"
#include "views/survey/SurveyDoc.h"

#include <QFont>
#include <QFontMetrics>
#include <QJsonObject>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

namespace orbilunex {

namespace {

constexpr QRgb kDotBlue = 0xff0000ff;
constexpr QRgb kDotRed = 0xffff0000;
// The marker's arms; its black ground leaves the picture as it is.
constexpr QRgb kMarkerArm = 0x00c0c0c0;
const QColor kGridGrey(128, 128, 128);
const QColor kLsfWhite(255, 255, 255);
const QColor kMeanMagenta(255, 0, 255);
constexpr int kLabelPoints = 8;
constexpr double kMetresPerInch = 0.0254;

QPoint toQPoint(PixelPoint p) { return {p.x, p.y}; }

// The position as the survey stores it (10^-7 degree, truncated), so that a
// live dot lands where a later full repaint puts it.
double storedDegrees(double degrees)
{
    return truncateToInt32(degrees * 10000000.0) * kDegreesPerUnit;
}

// Direct access to the canvas's pixels: a million dots go in far faster
// this way than through a painter, and the marker's exclusive-or is a
// plain bit operation.
class CanvasPixels {
public:
    explicit CanvasPixels(QImage& image)
        : bits(reinterpret_cast<QRgb*>(image.bits())),
          stride(image.bytesPerLine() / static_cast<int>(sizeof(QRgb))), width(image.width()),
          height(image.height())
    {
    }

    void set(int x, int y, QRgb colour)
    {
        if (inside(x, y)) bits[y * stride + x] = colour;
    }

    void exclusiveOr(int x, int y, QRgb mask)
    {
        if (inside(x, y)) bits[y * stride + x] ^= mask;
    }

    // Every pixel from `from` up to, not including, `to`: the dot drawn at
    // `to` afterwards finishes the line.
    void line(PixelPoint from, PixelPoint to, QRgb colour)
    {
        int x = from.x;
        int y = from.y;
        const int dx = std::abs(to.x - x);
        const int dy = -std::abs(to.y - y);
        const int sx = x < to.x ? 1 : -1;
        const int sy = y < to.y ? 1 : -1;
        int error = dx + dy;
        // Both ends inside: every pixel between is too, and a million-sample
        // repaint need not check each one.
        const bool checked = !inside(from.x, from.y) || !inside(to.x, to.y);
        while (x != to.x || y != to.y) {
            if (checked)
                set(x, y, colour);
            else
                bits[y * stride + x] = colour;
            const int twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                x += sx;
            }
            if (twice <= dx) {
                error += dx;
                y += sy;
            }
        }
    }

private:
    bool inside(int x, int y) const
    {
        return static_cast<unsigned>(x) < static_cast<unsigned>(width) &&
               static_cast<unsigned>(y) < static_cast<unsigned>(height);
    }

    QRgb* bits;
    int stride;
    int width;
    int height;
};

// How dots are drawn: the document's plot settings as the picture takes them.
struct DotStyle {
    bool largeMarkers;
    std::uint16_t hdopLimit;
    bool useLines;
};

// One sample's dot in its colour, joined to the previous one when lines are
// on.
void plotDot(CanvasPixels& pixels, SurveyPlotTrail& trail, const DotStyle& style, PixelPoint at,
             std::uint16_t hdop10, bool startsTrail)
{
    const QRgb colour =
        surveyDotColour(hdop10, style.hdopLimit) == DotColour::Blue ? kDotBlue : kDotRed;
    if (auto line = trail.next(at, startsTrail, style.useLines))
        pixels.line(line->from, line->to, colour);
    const DotPixels dot = surveyDotPixels(at, style.largeMarkers);
    for (int i = 0; i < dot.count; ++i) pixels.set(dot.pixels[i].x, dot.pixels[i].y, colour);
}

// One indicator by exclusive-or: the ellipse with its pen inside the box,
// then the two strokes of the cross, each ending a pixel short of its end
// point. Drawing it twice leaves the picture as it was.
void drawIndicator(QPainter& painter, const IndicatorGeometry& g, const QColor& colour)
{
    const PixelRect& box = g.ellipseBox;
    const int pen = kIndicatorPenWidth;
    if (box.width() > pen && box.height() > pen) {
        painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const double half = pen / 2.0;
        painter.drawEllipse(QRectF(box.left + half, box.top + half, box.width() - pen,
                                   box.height() - pen));
    } else if (box.width() > 0 && box.height() > 0) {
        // Too small for a ring: the pen fills the box.
        painter.fillRect(QRect(box.left, box.top, box.width(), box.height()), colour);
    }
    painter.setPen(QPen(colour, kIndicatorCrossPenWidth, Qt::SolidLine, Qt::FlatCap));
    for (const PixelLine& stroke : g.cross)
        painter.drawLine(toQPoint(stroke.from), toQPoint(stroke.to));
}

QFont labelFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(kLabelPoints);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
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

void CSurveyView::tick()
{
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
        CanvasPixels pixels(canvas);
        plotDot(pixels, trail, {largeMarkers, hdopLimit, useLines},
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
    writeSetting(app().settings(), settings::survey::kFramePane, height());
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
    return !stale && !canvas.isNull() && canvas.size() == surface->size();
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
    if (canvas.size() != size) {
        canvas = QImage(size, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(surface->logicalDpiX() / kMetresPerInch);
        canvas.setDotsPerMeterX(dotsPerMetre);
        canvas.setDotsPerMeterY(dotsPerMetre);
    }
    canvas.fill(surface->palette().color(QPalette::Button));
    rescale();

    const SurveyModel& survey = surveyDocument()->survey();
    largeMarkers = survey.plotIndicatorSize != 0;
    hdopLimit = survey.hdopThreshold;
    useLines = survey.useLines != 0;

    {
        QPainter painter(&canvas);
        drawGrid(painter);
    }
    const DotStyle style{largeMarkers, hdopLimit, useLines};
    bool first = true;
    CanvasPixels pixels(canvas);
    survey.samples().forEach([&](const SurveySample& s) {
        const PixelPoint at = surveyPlotPoint(plotFrame, plotExtents, s.latitude * kDegreesPerUnit,
                                              s.longitude * kDegreesPerUnit);
        plotDot(pixels, trail, style, at, s.hdop10, first);
        first = false;
    });

    toggleMarker();
    placeIndicators();
    drawIndicators();
    stale = false;
}

void CSurveyView::drawGrid(QPainter& painter)
{
    const QFont font = labelFont();
    const QFontMetrics metrics(font, &canvas);
    const SurveyPlotGrid grid =
        layoutSurveyGrid(plotFrame, plotExtents, app().settings(), metrics.height());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);

    painter.save();
    // Dotted and combined by AND: the grid darkens what is under it.
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.setPen(
        QPen(kGridGrey, surveyGridPenWidth(canvas.logicalDpiX()), Qt::DotLine, Qt::FlatCap));
    for (const PixelLine& line : grid.horizontal)
        painter.drawLine(toQPoint(line.from), toQPoint(line.to));
    for (const PixelLine& line : grid.vertical)
        painter.drawLine(toQPoint(line.from), toQPoint(line.to));
    painter.restore();

    painter.setFont(font);
    painter.setPen(kGridGrey);
    auto drawLabel = [&](const std::string& text) {
        const QString label = QString::fromStdString(text);
        painter.drawText(QRect(0, 0, metrics.horizontalAdvance(label), metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, label);
    };
    for (const GridLabel& label : grid.latitudeLabels) {
        painter.save();
        painter.translate(label.anchor.x, label.anchor.y);
        drawLabel(label.text);
        painter.restore();
    }
    for (const GridLabel& label : grid.longitudeLabels) {
        painter.save();
        painter.translate(label.anchor.x, label.anchor.y);
        // A quarter turn anticlockwise: the text reads upwards beside its line.
        painter.rotate(-90);
        drawLabel(label.text);
        painter.restore();
    }
}

void CSurveyView::toggleMarker()
{
    CanvasPixels pixels(canvas);
    const PixelRect box = surveyMarkerBox(markerAt);
    for (int row = 0; row < kSurveyMarkerSide; ++row)
        for (int column = 0; column < kSurveyMarkerSide; ++column)
            if (surveyMarkerArm(column, row))
                pixels.exclusiveOr(box.left + column, box.top + row, kMarkerArm);
}

void CSurveyView::placeIndicators()
{
    const SurveyModel& survey = surveyDocument()->survey();
    lsfOnCanvas = lsfIndicator(plotFrame, plotExtents, lsfCopy, survey.enablePalsfsd);
    meanOnCanvas =
        meanIndicator(plotFrame, plotExtents, meanCopy, survey.enablePositionAvgIndicator);
}

void CSurveyView::drawIndicators()
{
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (lsfOnCanvas) drawIndicator(painter, *lsfOnCanvas, kLsfWhite);
    if (meanOnCanvas) drawIndicator(painter, *meanOnCanvas, kMeanMagenta);
}

void CSurveyView::eraseIndicators()
{
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (meanOnCanvas) drawIndicator(painter, *meanOnCanvas, kMeanMagenta);
    if (lsfOnCanvas) drawIndicator(painter, *lsfOnCanvas, kLsfWhite);
    lsfOnCanvas.reset();
    meanOnCanvas.reset();
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
