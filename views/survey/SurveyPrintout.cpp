#include "views/survey/SurveyPrintout.h"

#include "format/FixedText.h"
#include "format/GreatCircle.h"
#include "format/PositionText.h"
#include "format/Units.h"
#include "framework/DialogKit.h"
#include "framework/TextMetrics.h"
#include "models/survey/elevation/ElevationScale.h"
#include "models/survey/plot/PlotExtents.h"
#include "models/survey/plot/PlotFrame.h"
#include "models/survey/plot/PlotMarks.h"
#include "models/survey/plot/PlotReadout.h"
#include "models/survey/stats/SurveyStatsText.h"
#include "survey/PathFile.h"
#include "survey/SurveySample.h"
#include "views/survey/SurveyDoc.h"

#include <QFont>
#include <QFontMetrics>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace orbilunex {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kGridGrey(128, 128, 128);

QPoint toQPoint(PixelPoint p) { return {p.x, p.y}; }

QFont arial(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setWeight(QFont::Normal);
    return font;
}

// A pen never thinner than one device pixel: a width of 0 would be Qt's
// cosmetic pen, whose width a PDF viewer chooses.
QPen solidPen(const QColor& colour, int width, Qt::PenCapStyle cap = Qt::SquareCap)
{
    return QPen(colour, std::max(1, width), Qt::SolidLine, cap, Qt::MiterJoin);
}

int averageWidth(const QFont& font, QPaintDevice* device)
{
    return qRound(averageCharWidth(font, device));
}

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Text at its top-left corner, unclipped.
void drawTextAt(QPainter& painter, int x, int y, const QString& line)
{
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(QRect(x, y, metrics.horizontalAdvance(line), metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, line);
}

// The comment as the header keeps it: UTF-8, or single-byte text from files
// written that way; line breaks as the page lays them out.
QString commentText(const std::string& bytes)
{
    QString comment = storedText(bytes);
    comment.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return comment;
}

// --- Frame and heading -----------------------------------------------------

PixelRect printFrame(QPainter& painter, const QRect& page, int dpi, const QString& credit)
{
    const int half = dpi / 2;
    const PixelRect frame{page.left() + half, page.top() + half,
                          page.left() + page.width() - half, page.top() + page.height() - half};
    painter.setPen(solidPen(Qt::black, dpi / 32));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(frame.left, frame.top, frame.width(), frame.height()));

    painter.setFont(arial(8));
    const QFontMetrics metrics = painter.fontMetrics();
    painter.save();
    painter.translate(frame.right + dpi / 32, frame.bottom - metrics.height());
    // A quarter turn anticlockwise: the credit reads upwards beside the frame.
    painter.rotate(-90);
    painter.setPen(Qt::black);
    drawTextAt(painter, 0, 0, credit);
    painter.restore();
    return frame;
}

// --- Position plot ---------------------------------------------------------

void printGrid(QPainter& painter, const SurveyPlotFrame& frame, const PlotExtents& extents,
               const SettingsStore& settings, int dpi)
{
    painter.setFont(arial(8));
    const QFontMetrics metrics = painter.fontMetrics();
    const SurveyPlotGrid grid = layoutSurveyGrid(frame, extents, settings, metrics.height());

    // On white paper the screen's AND with grey is plain grey; a printer has
    // no raster operations to do it with anyway.
    painter.setPen(QPen(kGridGrey, surveyGridPenWidth(dpi), Qt::DotLine, Qt::FlatCap));
    for (const PixelLine& line : grid.horizontal)
        painter.drawLine(toQPoint(line.from), toQPoint(line.to));
    for (const PixelLine& line : grid.vertical)
        painter.drawLine(toQPoint(line.from), toQPoint(line.to));

    painter.setPen(kGridGrey);
    for (const GridLabel& label : grid.latitudeLabels)
        drawTextAt(painter, label.anchor.x, label.anchor.y, text(label.text));
    for (const GridLabel& label : grid.longitudeLabels) {
        painter.save();
        painter.translate(label.anchor.x, label.anchor.y);
        painter.rotate(-90);
        drawTextAt(painter, 0, 0, text(label.text));
        painter.restore();
    }
}

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

void printSamples(QPainter& painter, const SurveyPlotFrame& frame, const PlotExtents& extents,
                  const SurveyModel& survey, int dpi)
{
    const bool useLines = survey.useLines != 0;
    SampleRun run(painter, survey.plotIndicatorSize != 0 ? dpi / 32 : 0);
    SurveyPlotTrail trail;
    bool first = true;
    survey.samples().forEach([&](const SurveySample& s) {
        const PixelPoint at = surveyPlotPoint(frame, extents, s.latitude * kDegreesPerUnit,
                                              s.longitude * kDegreesPerUnit);
        const QColor& colour =
            surveyDotColour(s.hdop10, survey.hdopThreshold) == DotColour::Blue ? kBlue : kRed;
        run.add(colour, trail.next(at, first, useLines), at);
        first = false;
    });
}

// The legend in the square's top-right corner, with the scale bar along the
// bottom of its inner box.
void printLegend(QPainter& painter, const SurveyPlotFrame& frame, const PlotExtents& extents,
                 const SettingsStore& settings)
{
    painter.setFont(arial(9));
    const QFontMetrics metrics = painter.fontMetrics();
    const int h9 = metrics.height();
    const int width = metrics.horizontalAdvance(QStringLiteral("XXXX = LSF Average"));
    const int charWidth = averageWidth(painter.font(), painter.device());
    const QRect box(frame.square.right - width, frame.square.top, width, 6 * h9);

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
    painter.setPen(Qt::black);
    drawTextAt(painter, l, t, QStringLiteral("X = LSF Average"));
    painter.setPen(kGreen);
    drawTextAt(painter, l, t + h9, QStringLiteral("+ = Mean Average"));

    const int w = r - l;
    const int x1 = l + w / 10;
    const int x2 = r - w / 10;
    painter.setPen(solidPen(Qt::black, 1, Qt::FlatCap));
    painter.drawLine(x1, b - h9, x1, b);
    painter.drawLine(x2, b - h9, x2, b);
    painter.drawLine(x1, b - h9 / 2, x2, b - h9 / 2);

    // The bar's ground length along the parallel at the bar's height.
    double nm = 0;
    if (frame.xScale != 0 && frame.yScale != 0) {
        const double latitude = extents.latitudeMax - b / frame.yScale;
        const double longitude = extents.longitudeMin;
        nm = distanceNm(latitude, longitude, latitude, longitude + (x2 - x1) / frame.xScale);
    }
    const double length = convertShortDistance(settings, nm * kStatuteMilesPerNauticalMile);
    const QString scale = QLatin1Char(' ') + text(fixedText(length, 2, 0)) + QLatin1Char(' ') +
                          text(shortDistanceUnitLabel(settings)) + QLatin1Char(' ');
    const int textWidth = metrics.horizontalAdvance(scale);
    painter.setPen(Qt::black);
    drawTextAt(painter, l + (w - textWidth) / 2, b - h9 - 5, scale);
    painter.setBackgroundMode(Qt::TransparentMode);
}

// One indicator drawn solid: the ellipse with its pen inside the box, then
// the two strokes of its cross.
void printIndicator(QPainter& painter, const IndicatorGeometry& g, const QColor& colour, int pen)
{
    const PixelRect& box = g.ellipseBox;
    if (box.width() > pen && box.height() > pen) {
        painter.setPen(solidPen(colour, pen, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        const double half = pen / 2.0;
        painter.drawEllipse(QRectF(box.left + half, box.top + half, box.width() - pen,
                                   box.height() - pen));
    } else if (box.width() > 0 && box.height() > 0) {
        // Too small for a ring: the pen fills it.
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QRect(box.left, box.top, box.width(), box.height()));
    }
    painter.setPen(solidPen(colour, pen, Qt::FlatCap));
    for (const PixelLine& stroke : g.cross)
        painter.drawLine(toQPoint(stroke.from), toQPoint(stroke.to));
}

void printPlot(QPainter& painter, const PixelRect& frameRect, int dpi, const SurveyModel& survey,
               const SettingsStore& settings)
{
    const PixelRect& f = frameRect;
    const int quarter = dpi / 4;
    const PixelRect area{f.left - quarter, f.top + quarter, f.right + quarter,
                         2 * ((f.bottom - f.top) / 3) - quarter};
    PlotExtents extents;
    extents.fitToSamples(survey.samples());
    const SurveyPlotFrame frame = layoutSurveyPlot(area, extents);

    printGrid(painter, frame, extents, settings, dpi);
    printSamples(painter, frame, extents, survey, dpi);
    printLegend(painter, frame, extents, settings);

    const int pen = dpi / 32;
    if (auto lsf = lsfIndicator(frame, extents, lsfIndicatorFigures(survey), survey.enablePalsfsd))
        printIndicator(painter, *lsf, Qt::black, pen);
    if (auto mean = meanIndicator(frame, extents, meanIndicatorFigures(survey),
                                  survey.enablePositionAvgIndicator))
        printIndicator(painter, *mean, kGreen, pen);
}

// --- Altitude chart --------------------------------------------------------

void printChart(QPainter& painter, const PixelRect& area, int dpi, const SurveyModel& survey,
                const SettingsStore& settings)
{
    painter.setFont(arial(8));
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics = painter.fontMetrics();
    const int h = metrics.height();
    const int charWidth = averageWidth(painter.font(), painter.device());
    const int axis = area.left + metrics.horizontalAdvance(QStringLiteral("-000000.000 ft"));

    // The chart's scales are the screen's, on the part right of the labels.
    ElevationScale scale;
    scale.chart = {axis, area.top, area.right, area.bottom};
    rescaleElevation(scale, survey.sampleCount(), survey.altitudeMax, survey.altitudeMin);

    painter.setPen(solidPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(area.left, area.top, area.width(), area.height()));

    // The trace, in runs of one colour.
    QPoint last(axis, area.top + area.height() / 2);
    QPolygon run;
    std::optional<bool> runAccepted;
    auto flush = [&] {
        if (run.size() > 1) {
            painter.setPen(solidPen(*runAccepted ? kBlue : kRed, 1, Qt::FlatCap));
            painter.drawPolyline(run);
        }
        run.clear();
    };
    int index = 0;
    survey.samples().forEach([&](const SurveySample& s) {
        const bool accepted = survey.vdopThreshold >= s.vdop10 && s.fix3d == 1;
        if (runAccepted != accepted) {
            flush();
            run.append(last);
            runAccepted = accepted;
        }
        last = toQPoint(elevationPoint(scale, index++, s.altitude, survey.altitudeMin));
        run.append(last);
    });
    flush();

    painter.setPen(solidPen(Qt::black, 1, Qt::FlatCap));
    painter.drawLine(axis, area.top, axis, area.bottom);

    const std::vector<ElevationGridLine> levels =
        elevationGrid(scale, survey.altitudeMax, settings);
    const QString unit = text(altitudeUnitLabel(settings));
    const int last10 = static_cast<int>(levels.size()) - 1;
    for (int i = 0; i <= last10; ++i) {
        const ElevationGridLine& level = levels[static_cast<std::size_t>(i)];
        const QString label =
            level.labelled ? text(level.label) + QLatin1Char(' ') + unit : QString();
        const int top = i == 0 ? level.y - (h + 3) : i == last10 ? level.y + 5 : level.y - h / 2;
        painter.setPen(Qt::black);
        drawTextAt(painter, axis - charWidth - metrics.horizontalAdvance(label), top, label);
        if (i != 0 && i != last10) {
            painter.setPen(solidPen(Qt::black, 1, Qt::FlatCap));
            painter.drawLine(axis, level.y, area.right, level.y);
        }
    }

    auto indicatorLine = [&](double metres, const QColor& colour, int width) {
        const int y = elevationLineY(scale, metres, survey.altitudeMin);
        if (y <= area.top || y >= area.bottom) return;
        painter.setPen(solidPen(colour, width, Qt::FlatCap));
        painter.drawLine(axis, y, area.right, y);
    };
    if (survey.enablePalsfsd != 0) {
        const LeastSquaresAccumulator& fit = survey.leastSquares[SurveyModel::kAltitude];
        const double estimate = fit.estimate();
        const double spread = fit.spread();
        indicatorLine(estimate + spread, Qt::black, dpi / 32);
        indicatorLine(estimate - spread, Qt::black, dpi / 32);
        indicatorLine(estimate, Qt::black, dpi / 64);
    }
    if (survey.enablePositionAvgIndicator != 0)
        indicatorLine(survey.mean[SurveyModel::kAltitude].mean, kGreen, dpi / 32);
}

// --- Statistics ------------------------------------------------------------

// "%0.3f %s"
std::string spreadText(double value, const std::string& unit)
{
    return fixedText(value, 3, 0) + " " + unit;
}

// "%-8.02f %s"
std::string altitudeText(double value, const std::string& unit)
{
    std::string number = fixedText(value, 2, 0);
    if (number.size() < 8) number.append(8 - number.size(), ' ');
    return number + " " + unit;
}

struct PositionFigures {
    double latitude, longitude, altitude;
    double latitudeSpread, longitudeSpread, altitudeSpread;
};

// The three lines of one position. The mean's latitude line alone has no
// trailing blanks.
QStringList positionLines(const PositionFigures& p, bool latitudeTail,
                          const SettingsStore& settings)
{
    const std::string shortUnit = shortDistanceUnitLabel(settings);
    const std::string altitudeUnit = altitudeUnitLabel(settings);
    const double latitudeDistance =
        latitudeSpreadDistance(settings, p.latitude, p.longitude, p.latitudeSpread);
    const double longitudeDistance =
        longitudeSpreadDistance(settings, p.latitude, p.longitude, p.longitudeSpread);
    return {
        text("   Latitude:" + formatLatitude(settings, p.latitude) + "  StdDev " +
             spreadText(latitudeDistance, shortUnit) + (latitudeTail ? "  " : "")),
        text("   Longitude:" + formatLongitude(settings, p.longitude) + "  StdDev " +
             spreadText(longitudeDistance, shortUnit) + "  "),
        text("   Altitude:" + altitudeText(convertAltitude(settings, p.altitude), altitudeUnit) +
             "  StdDev " + spreadText(convertAltitude(settings, p.altitudeSpread), altitudeUnit) +
             "  "),
    };
}

QString positionBlock(const SurveyStatsFigures& f, const SettingsStore& settings)
{
    QStringList lines{QStringLiteral("Mean Average:")};
    lines << positionLines({f.meanLatitude, f.meanLongitude, f.meanAltitude, f.meanLatitudeSpread,
                            f.meanLongitudeSpread, f.meanAltitudeSpread},
                           false, settings);
    lines << QString() << QStringLiteral("Least Squares Average:");
    lines << positionLines({f.lsfLatitude, f.lsfLongitude, f.lsfAltitude, f.lsfLatitudeSpread,
                            f.lsfLongitudeSpread, f.lsfAltitudeSpread},
                           true, settings);
    return lines.join(QLatin1Char('\n'));
}

QString samplesBlock(const SurveyStatsFigures& f)
{
    auto share = [&](const char* label, int c) {
        return QString::fromLatin1(label) + QStringLiteral(" (%") +
               text(fixedText(f.hdopClassShares[static_cast<std::size_t>(c)], 1, 0)) +
               QStringLiteral(")     ");
    };
    const QStringList lines{
        QStringLiteral("Samples"),
        QStringLiteral("   Lat/Lon Samples:%1   ").arg(f.latLonSamples),
        QStringLiteral("   Altitude Samples:%1   ").arg(f.altitudeSamples),
        QString(),
        QString(),
        QStringLiteral("Dilution of precision:"),
        share("   HDOP <= 1.0", 0),
        share("   1.0 < HDOP <= 2.0", 1),
        share("   HDOP > 2.0", 2),
    };
    return lines.join(QLatin1Char('\n'));
}

void printStatistics(QPainter& painter, const PixelRect& area, const SurveyModel& survey,
                     const SettingsStore& settings)
{
    painter.setFont(arial(7));
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int top = area.top;
    const int height = area.height();
    int left = area.left + averageWidth(painter.font(), painter.device());

    // The receiver's DOPs are not part of the report; only the survey's
    // figures are used.
    const SurveyStatsFigures figures = surveyStatsPane(survey, SurveyDops{}, settings).figures;
    constexpr int kBlockFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextIncludeTrailingSpaces;
    for (const QString& block : {positionBlock(figures, settings), samplesBlock(figures)}) {
        const QRect measured =
            painter.boundingRect(QRect(left, top, std::max(0, area.right - left), height),
                                 kBlockFlags | Qt::TextDontClip, block);
        painter.drawText(measured, kBlockFlags | Qt::TextDontClip, block);
        left = measured.left() + measured.width();
    }
    const QRect rest(left, top, std::max(0, area.right - left), height);
    painter.drawText(rest, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     commentText(pathComment(survey.headerBlock)));
}

} // namespace

void printSurveyReport(QPainter& painter, const QRect& pageRect, int dpi, const CSurveyDoc& doc,
                       const SettingsStore& settings, const QString& credit)
{
    painter.save();
    // Lines exactly as wide as asked; smoothing would blur the dots.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBackground(Qt::white);

    const PixelRect frame = printFrame(painter, pageRect, dpi, credit);
    const SurveyModel& survey = doc.survey();

    painter.setFont(arial(9));
    const int h9 = painter.fontMetrics().height();
    painter.setPen(Qt::black);
    drawTextAt(painter, frame.left, frame.top - h9 / 2 - h9, doc.pathName());

    const int chartTop = 2 * ((frame.bottom - h9 - frame.top) / 3);
    const int chartBottom = (frame.bottom - h9) - ((frame.bottom - h9) - chartTop) / 3;
    const PixelRect chart{frame.left + dpi / 16, chartTop, frame.right - dpi / 16, chartBottom};
    const PixelRect statistics{frame.left, chartBottom + 5, frame.right, frame.bottom - 5};

    printPlot(painter, frame, dpi, survey, settings);
    printChart(painter, chart, dpi, survey, settings);
    printStatistics(painter, statistics, survey, settings);
    painter.restore();
}

} // namespace orbilunex
