#include "views/survey/SurveyPlotPainter.h"

#include "survey/SurveyAccuracy.h"

#include "format/FixedText.h"
#include "format/GreatCircle.h"
#include "format/Units.h"
#include "models/survey/plot/PlotReadout.h"
#include "settings/SurveySettings.h"
#include "survey/SurveyModel.h"
#include "survey/SurveySample.h"
#include "views/survey/SurveyPaintKit.h"

#include <QLine>
#include <QPainter>
#include <QPolygon>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orbilunex {

using namespace surveypaint;

namespace {

constexpr QRgb kDotBlue = 0xff0000ff;
constexpr QRgb kDotRed = 0xffff0000;
// The marker's arms; its black ground leaves the picture as it is.
constexpr QRgb kMarkerArm = 0x00c0c0c0;
constexpr int kLabelPoints = 8;
constexpr int kLegendPoints = 9;

QRgb dotColour(std::uint16_t hdop10, std::uint16_t hdopLimit)
{
    return surveyDotColour(hdop10, hdopLimit) == DotColour::Blue ? kDotBlue : kDotRed;
}

// Every stored sample in arrival order: where it falls, its HDOP and
// whether it starts the trail (the first does).
template <typename Visit>
void forEachSurveyPoint(const SurveyPlotFrame& frame, const PlotExtents& extents,
                        const SurveyModel& survey, Visit&& visit)
{
    bool first = true;
    survey.samples().forEach([&](const SurveySample& s) {
        visit(surveyPlotPoint(frame, extents, s.latitude * kDegreesPerUnit,
                              s.longitude * kDegreesPerUnit),
              s.hdop10, first);
        first = false;
    });
}

// --- The screen's canvas pixels --------------------------------------------

// Bresenham's pixels from `from` up to, not including, `to`: the dot drawn
// at `to` afterwards finishes the line.
template <typename Plot>
void walkLine(PixelPoint from, PixelPoint to, Plot&& plot)
{
    int x = from.x;
    int y = from.y;
    const int dx = std::abs(to.x - x);
    const int dy = -std::abs(to.y - y);
    const int sx = x < to.x ? 1 : -1;
    const int sy = y < to.y ? 1 : -1;
    int error = dx + dy;
    while (x != to.x || y != to.y) {
        plot(x, y);
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

// Direct access to an RGB32 canvas's pixels at ratio 1, clipped to the
// canvas.
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

    void line(PixelPoint from, PixelPoint to, QRgb colour)
    {
        // Both ends inside: every pixel between is too, and a million-sample
        // repaint need not check each one.
        if (!inside(from.x, from.y) || !inside(to.x, to.y))
            walkLine(from, to, [&](int x, int y) { set(x, y, colour); });
        else
            walkLine(from, to, [&](int x, int y) { bits[y * stride + x] = colour; });
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

// The same at another device pixel ratio: points are logical pixels, each
// written over the block of physical pixels it covers, so that a dot, a line
// or the marker covers the same logical area as at 1x.
class ScaledCanvasPixels {
public:
    explicit ScaledCanvasPixels(QImage& image)
        : bits(reinterpret_cast<QRgb*>(image.bits())),
          stride(image.bytesPerLine() / static_cast<int>(sizeof(QRgb))), width(image.width()),
          height(image.height()), ratio(image.devicePixelRatio()),
          side(ratio == std::floor(ratio) ? static_cast<int>(ratio) : 0)
    {
    }

    void set(int x, int y, QRgb colour)
    {
        forBlock(x, y, [colour](QRgb& pixel) { pixel = colour; });
    }

    void exclusiveOr(int x, int y, QRgb mask)
    {
        forBlock(x, y, [mask](QRgb& pixel) { pixel ^= mask; });
    }

    void line(PixelPoint from, PixelPoint to, QRgb colour)
    {
        walkLine(from, to, [&](int x, int y) { set(x, y, colour); });
    }

private:
    // The physical pixels under logical pixel (x, y), clipped to the canvas.
    template <typename Apply>
    void forBlock(int x, int y, Apply&& apply)
    {
        if (side > 0) {
            // A whole ratio (2 on most high-density screens): integer
            // arithmetic, a million dots must not wait on floating point.
            const int left = x * side;
            const int top = y * side;
            if (left >= 0 && top >= 0 && left + side <= width && top + side <= height) {
                QRgb* row = bits + top * stride + left;
                for (int r = 0; r < side; ++r, row += stride)
                    for (int c = 0; c < side; ++c) apply(row[c]);
                return;
            }
        }
        const int left = std::max(0, static_cast<int>(std::floor(x * ratio)));
        const int top = std::max(0, static_cast<int>(std::floor(y * ratio)));
        const int right = std::min(width, static_cast<int>(std::floor((x + 1) * ratio)));
        const int bottom = std::min(height, static_cast<int>(std::floor((y + 1) * ratio)));
        for (int row = top; row < bottom; ++row)
            for (int column = left; column < right; ++column) apply(bits[row * stride + column]);
    }

    QRgb* bits;
    int stride;
    int width;
    int height;
    qreal ratio;
    // The ratio when it is a whole number, else 0.
    int side;
};

// Dots and anti-aliased lines through a painter, for "Smooth drawing": a
// dot's pixels are filled as exact squares, so that they match the direct
// pixels' dots at any ratio, and the lines run between pixel centres.
class SmoothCanvasPixels {
public:
    explicit SmoothCanvasPixels(QImage& image) : painter(&image)
    {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(Qt::NoBrush);
    }

    void set(int x, int y, QRgb colour) { painter.fillRect(QRect(x, y, 1, 1), QColor(colour)); }

    void line(PixelPoint from, PixelPoint to, QRgb colour)
    {
        painter.setPen(QPen(QColor(colour), 1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QLineF(from.x + 0.5, from.y + 0.5, to.x + 0.5, to.y + 0.5));
    }

private:
    QPainter painter;
};

// Runs `draw` with the canvas's pixels: the plain ones at ratio 1, where a
// million dots must go in fast, the scaled ones otherwise.
template <typename Draw>
void withPixels(QImage& canvas, Draw&& draw)
{
    if (canvas.devicePixelRatio() == 1.0) {
        CanvasPixels pixels(canvas);
        draw(pixels);
    } else {
        ScaledCanvasPixels pixels(canvas);
        draw(pixels);
    }
}

// One sample's dot in its colour, as the model shapes it for the marker
// size, after the line that joins it to the previous one when lines are on.
template <typename Pixels>
void plotDot(Pixels& pixels, SurveyPlotTrail& trail, const SurveyDotStyle& style, PixelPoint at,
             std::uint16_t hdop10, bool startsTrail)
{
    const QRgb colour = dotColour(hdop10, style.hdopLimit);
    if (auto line = trail.next(at, startsTrail, style.useLines))
        pixels.line(line->from, line->to, colour);
    const DotPixels dot = surveyDotPixels(at, style.largeMarkers);
    for (int i = 0; i < dot.count; ++i) pixels.set(dot.pixels[i].x, dot.pixels[i].y, colour);
}

// --- The page's samples -----------------------------------------------------

// Consecutive samples of one colour, drawn together so that a long survey
// does not cost a painter call per sample; a change of colour flushes, so
// later samples still cover earlier ones as on screen.
class SampleRun {
public:
    SampleRun(QPainter& painter, int markerDiameter)
        : painter(painter), diameter(markerDiameter)
    {
    }
    ~SampleRun() { flush(); }

    void add(const QColor& colour, const std::optional<PixelLine>& line, PixelPoint dot)
    {
        if (colour != current) flush();
        current = colour;
        if (line) lines.append(QLine(toQPoint(line->from), toQPoint(line->to)));
        dots.append(toQPoint(dot));
    }

    void flush()
    {
        if (dots.isEmpty()) return;
        painter.setPen(solidPen(current, 1, Qt::FlatCap));
        if (!lines.isEmpty()) painter.drawLines(lines);
        if (diameter > 0) {
            painter.save();
            painter.setPen(Qt::NoPen);
            painter.setBrush(current);
            const double radius = diameter / 2.0;
            for (const QPoint& dot : dots)
                painter.drawEllipse(QPointF(dot.x() + 0.5, dot.y() + 0.5), radius, radius);
            painter.restore();
        }
        // A square cap: a point has no length for a flat cap to cover.
        painter.setPen(solidPen(current, 1, Qt::SquareCap));
        painter.drawPoints(QPolygon(dots));
        lines.clear();
        dots.clear();
    }

private:
    QPainter& painter;
    int diameter;
    QColor current;
    QVector<QLine> lines;
    QVector<QPoint> dots;
};

// --- Indicators ---------------------------------------------------------------

void paintIndicator(QPainter& painter, const IndicatorGeometry& g, const QColor& colour,
                    const SurveyPlotStyle& style)
{
    const PixelRect& box = g.ellipseBox;
    const int pen = style.ringPen;
    if (box.width() > pen && box.height() > pen) {
        painter.setPen(solidPen(colour, pen, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        const double half = pen / 2.0;
        painter.drawEllipse(QRectF(box.left + half, box.top + half, box.width() - pen,
                                   box.height() - pen));
    } else if (box.width() > 0 && box.height() > 0) {
        // Too small for a ring: the pen fills the box, square on the
        // screen's canvas, round on paper.
        const QRect filled(box.left, box.top, box.width(), box.height());
        if (style.rasterOperations) {
            painter.fillRect(filled, colour);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(filled);
        }
    }
    painter.setPen(solidPen(colour, style.crossPen, Qt::FlatCap));
    for (const PixelLine& stroke : g.cross)
        painter.drawLine(toQPoint(stroke.from), toQPoint(stroke.to));
}

void paintRing(QPainter& painter, const AccuracyRing& ring, const QColor& colour,
               const SurveyPlotStyle& style)
{
    painter.setPen(solidPen(colour, style.accuracyPen, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(ring.centreX, ring.centreY), ring.radiusX, ring.radiusY);
}

// The receiver's ellipse as a closed polygon, fine enough to look smooth
// at any size a plot gives it.
void paintReceiverEllipse(QPainter& painter, const ReceiverEllipse& e, const QColor& colour,
                          const SurveyPlotStyle& style)
{
    constexpr int kCorners = 72;
    QPolygonF outline;
    outline.reserve(kCorners);
    for (int i = 0; i < kCorners; ++i) {
        const double t = 2 * 3.14159265358979323846 * i / kCorners;
        const double c = std::cos(t);
        const double s = std::sin(t);
        outline.append(QPointF(e.centreX + e.majorX * c + e.minorX * s,
                               e.centreY + e.majorY * c + e.minorY * s));
    }
    painter.setPen(solidPen(colour, style.accuracyPen, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
}

// A hollow diamond around the point's pixel, unlike the crosses of the
// indicators and of the mouse's marker.
void paintReference(QPainter& painter, PixelPoint at, const QColor& colour,
                    const SurveyPlotStyle& style)
{
    const int half = style.referenceHalf;
    const QPoint corners[] = {{at.x, at.y - half}, {at.x + half, at.y}, {at.x, at.y + half},
                              {at.x - half, at.y}};
    painter.setPen(solidPen(colour, style.accuracyPen, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(corners, 4);
}

// The scale bar's text: the ground length of the bar between x1 and x2 along
// the parallel at the bar's height b, in the user's short distance unit.
QString scaleBarText(const SurveyPlotFrame& frame, const PlotExtents& extents,
                     const SettingsStore& settings, int x1, int x2, int b)
{
    double nm = 0;
    if (frame.xScale != 0 && frame.yScale != 0) {
        const double latitude = extents.latitudeMax - b / frame.yScale;
        const double longitude = extents.longitudeMin;
        nm = distanceNm(latitude, longitude, latitude, longitude + (x2 - x1) / frame.xScale);
    }
    const double length = convertShortDistance(settings, nm * kStatuteMilesPerNauticalMile);
    return QLatin1Char(' ') + QString::fromStdString(fixedText(length, 2, 0)) + QLatin1Char(' ') +
           QString::fromStdString(shortDistanceUnitLabel(settings)) + QLatin1Char(' ');
}

} // namespace

SurveyPlotStyle screenSurveyPlotStyle(int dpi, bool smooth)
{
    SurveyPlotStyle style;
    style.dpi = dpi;
    style.labelFont = arial(kLabelPoints);
    if (!smooth) style.labelFont.setStyleStrategy(QFont::NoAntialias);
    style.rasterOperations = true;
    style.indicators = screenIndicatorColours();
    style.accuracy = screenAccuracyColours();
    return style;
}

SurveyPlotStyle pageSurveyPlotStyle(int dpi)
{
    SurveyPlotStyle style;
    style.dpi = dpi;
    style.labelFont = arial(kLabelPoints);
    style.rasterOperations = false;
    style.indicators = pageIndicatorColours();
    style.ringPen = dpi / 32;
    style.crossPen = dpi / 32;
    style.largeDotDiameter = dpi / 32;
    style.accuracy = pageAccuracyColours();
    style.accuracyPen = dpi / 64;
    style.referenceHalf = dpi / 16;
    return style;
}

void paintSurveyGrid(QPainter& painter, const SurveyPlotFrame& frame, const PlotExtents& extents,
                     const SettingsStore& settings, const SurveyPlotStyle& style)
{
    painter.setFont(style.labelFont);
    SurveyPlotGrid grid =
        layoutSurveyGrid(frame, extents, settings, painter.fontMetrics().height());

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (style.rasterOperations) painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.setPen(QPen(kGridGrey, surveyGridPenWidth(style.dpi), Qt::DotLine, Qt::FlatCap));
    for (const PixelLine& line : grid.horizontal)
        painter.drawLine(toQPoint(line.from), toQPoint(line.to));
    for (const PixelLine& line : grid.vertical)
        painter.drawLine(toQPoint(line.from), toQPoint(line.to));
    painter.restore();

    GridLabelWidths widths;
    const QFontMetrics metrics = painter.fontMetrics();
    for (std::size_t i = 0; i < 6; ++i) {
        widths.latitude[i] =
            metrics.horizontalAdvance(QString::fromStdString(grid.latitudeLabels[i].text));
        widths.longitude[i] =
            metrics.horizontalAdvance(QString::fromStdString(grid.longitudeLabels[i].text));
    }
    // A label may stand beside the square (the top latitude, the left
    // longitude); it must stay on the picture and clear of the others.
    const QPaintDevice& device = *painter.device();
    keepGridLabels(grid, PixelRect{0, 0, device.width(), device.height()}, widths,
                   metrics.height());

    painter.setPen(kGridGrey);
    for (const GridLabel& label : grid.latitudeLabels)
        if (label.shown)
            drawTextAt(painter, label.anchor.x, label.anchor.y,
                       QString::fromStdString(label.text));
    for (const GridLabel& label : grid.longitudeLabels) {
        if (!label.shown) continue;
        painter.save();
        painter.translate(label.anchor.x, label.anchor.y);
        // A quarter turn anticlockwise: the text reads upwards beside its line.
        painter.rotate(-90);
        drawTextAt(painter, 0, 0, QString::fromStdString(label.text));
        painter.restore();
    }
}

void paintSurveyIndicators(QPainter& painter, const std::optional<IndicatorGeometry>& lsf,
                           const std::optional<IndicatorGeometry>& mean,
                           const PixelRect& square, const SurveyPlotStyle& style)
{
    painter.save();
    // An ellipse wider than the plot stops at its edges rather than running
    // over the margin; with exclusive-or the same clip erases it exactly.
    painter.setClipRect(QRect(square.left, square.top, square.width() + 1, square.height() + 1));
    if (style.rasterOperations) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    }
    if (lsf) paintIndicator(painter, *lsf, style.indicators.lsf, style);
    if (mean) paintIndicator(painter, *mean, style.indicators.mean, style);
    painter.restore();
}

void paintSurveyAccuracy(QPainter& painter, const AccuracyMarks& marks, const PixelRect& square,
                         const SurveyPlotStyle& style)
{
    if (marks.empty()) return;
    painter.save();
    painter.setClipRect(QRect(square.left, square.top, square.width() + 1, square.height() + 1));
    if (style.rasterOperations) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    }
    if (marks.cep50) paintRing(painter, *marks.cep50, style.accuracy.cep50, style);
    if (marks.r95) paintRing(painter, *marks.r95, style.accuracy.r95, style);
    if (marks.reference) paintReference(painter, *marks.reference, style.accuracy.reference, style);
    if (marks.receiver)
        paintReceiverEllipse(painter, *marks.receiver, style.accuracy.receiver, style);
    painter.restore();
}

void paintSurveyLegend(QPainter& painter, const SurveyPlotFrame& frame,
                       const PlotExtents& extents, const SettingsStore& settings,
                       const SurveyPlotStyle& style, const AccuracyMarks& accuracy)
{
    painter.setFont(arial(kLegendPoints));
    const QFontMetrics metrics = painter.fontMetrics();
    const int h9 = metrics.height();
    const int width = metrics.horizontalAdvance(QStringLiteral("XXXX = LSF Average"));
    const int charWidth = averageWidth(painter.font(), painter.device());
    // A line more for each of the accuracy's marks shown.
    struct Entry {
        QColor colour;
        QString text;
    };
    QVector<Entry> extra;
    if (accuracy.cep50) extra.append({style.accuracy.cep50, QStringLiteral("O = CEP50 Circle")});
    if (accuracy.r95) extra.append({style.accuracy.r95, QStringLiteral("O = R95 Circle")});
    if (accuracy.reference)
        extra.append({style.accuracy.reference, QStringLiteral("<> = Reference")});
    if (accuracy.receiver)
        extra.append({style.accuracy.receiver, QStringLiteral("O = Receiver Estimate")});
    const int rows = 6 + static_cast<int>(extra.size());
    const QRect box(frame.square.right - width, frame.square.top, width, rows * h9);

    painter.fillRect(box, Qt::white);
    painter.setPen(solidPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));

    const int l = box.left() + charWidth;
    const int r = box.left() + box.width() - charWidth;
    const int t = box.top() + h9;
    const int b = box.top() + box.height() - h9;

    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setPen(style.indicators.lsf);
    drawTextAt(painter, l, t, QStringLiteral("X = LSF Average"));
    painter.setPen(style.indicators.mean);
    drawTextAt(painter, l, t + h9, QStringLiteral("+ = Mean Average"));
    for (int i = 0; i < extra.size(); ++i) {
        painter.setPen(extra[i].colour);
        drawTextAt(painter, l, t + (2 + i) * h9, extra[i].text);
    }

    const int w = r - l;
    const int x1 = l + w / 10;
    const int x2 = r - w / 10;
    painter.setPen(solidPen(Qt::black, 1, Qt::FlatCap));
    painter.drawLine(x1, b - h9, x1, b);
    painter.drawLine(x2, b - h9, x2, b);
    painter.drawLine(x1, b - h9 / 2, x2, b - h9 / 2);

    const QString scale = scaleBarText(frame, extents, settings, x1, x2, b);
    painter.setPen(Qt::black);
    drawTextAt(painter, l + (w - metrics.horizontalAdvance(scale)) / 2, b - h9 - 5, scale);
    painter.setBackgroundMode(Qt::TransparentMode);
}

void paintSurveySamples(QPainter& painter, const SurveyPlotFrame& frame,
                        const PlotExtents& extents, const SurveyModel& survey,
                        const SurveyPlotStyle& style)
{
    const SurveyDotStyle dots = surveyDotStyle(survey);
    SampleRun run(painter, dots.largeMarkers ? style.largeDotDiameter : 0);
    SurveyPlotTrail trail;
    auto add = [&](PixelPoint at, std::uint16_t hdop10, bool first) {
        run.add(QColor(dotColour(hdop10, dots.hdopLimit)), trail.next(at, first, dots.useLines),
                at);
    };
    forEachSurveyPoint(frame, extents, survey, add);
}

void paintSurveyPlot(QPainter& painter, const PixelRect& area, const SurveyModel& survey,
                     const SettingsStore& settings, const SurveyPlotStyle& style)
{
    PlotExtents extents;
    extents.fitToSamples(survey.samples());
    const SurveyPlotFrame frame = layoutSurveyPlot(area, extents);

    AccuracyScratch scratch;
    const bool circles = readSetting(settings, settings::survey::kAccuracyCircles) != 0;
    const AccuracyMarks accuracy =
        accuracyMarks(frame, extents,
                      circles ? plotAccuracyFigures(survey, scratch) : std::nullopt,
                      plotReference(settings));

    paintSurveyGrid(painter, frame, extents, settings, style);
    paintSurveySamples(painter, frame, extents, survey, style);
    paintSurveyLegend(painter, frame, extents, settings, style, accuracy);
    paintSurveyIndicators(
        painter, lsfIndicator(frame, extents, lsfIndicatorFigures(survey), survey.enablePalsfsd),
        meanIndicator(frame, extents, meanIndicatorFigures(survey),
                      survey.enablePositionAvgIndicator),
        frame.square, style);
    paintSurveyAccuracy(painter, accuracy, frame.square, style);
}

SurveyDotStyle surveyDotStyle(const SurveyModel& survey)
{
    return {survey.plotIndicatorSize != 0, survey.hdopThreshold, survey.useLines != 0};
}

void plotSurveyDot(QImage& canvas, SurveyPlotTrail& trail, const SurveyDotStyle& style,
                   PixelPoint at, std::uint16_t hdop10, bool startsTrail)
{
    if (style.useLines && style.smoothLines) {
        SmoothCanvasPixels pixels(canvas);
        plotDot(pixels, trail, style, at, hdop10, startsTrail);
        return;
    }
    withPixels(canvas,
               [&](auto& pixels) { plotDot(pixels, trail, style, at, hdop10, startsTrail); });
}

void plotSurveySamples(QImage& canvas, SurveyPlotTrail& trail, const SurveyPlotFrame& frame,
                       const PlotExtents& extents, const SurveyModel& survey, bool smooth)
{
    SurveyDotStyle style = surveyDotStyle(survey);
    style.smoothLines = smooth;
    auto drawWith = [&](auto& pixels) {
        auto plot = [&](PixelPoint at, std::uint16_t hdop10, bool first) {
            plotDot(pixels, trail, style, at, hdop10, first);
        };
        forEachSurveyPoint(frame, extents, survey, plot);
    };
    if (style.useLines && style.smoothLines) {
        SmoothCanvasPixels pixels(canvas);
        drawWith(pixels);
        return;
    }
    withPixels(canvas, drawWith);
}

void toggleSurveyMarker(QImage& canvas, PixelPoint marker)
{
    const PixelRect box = surveyMarkerBox(marker);
    withPixels(canvas, [&](auto& pixels) {
        for (int row = 0; row < kSurveyMarkerSide; ++row)
            for (int column = 0; column < kSurveyMarkerSide; ++column)
                if (surveyMarkerArm(column, row))
                    pixels.exclusiveOr(box.left + column, box.top + row, kMarkerArm);
    });
}

} // namespace orbilunex
