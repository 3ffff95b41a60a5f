#include "views/survey/SurveyElevationPainter.h"

#include "format/Units.h"
#include "survey/SurveyModel.h"
#include "survey/SurveySample.h"
#include "views/survey/SurveyPaintKit.h"

#include <QPainter>
#include <QPolygon>

#include <optional>

namespace orbilunex {

using namespace surveypaint;

namespace {

constexpr int kScreenLabelPoints = 7;
constexpr int kPageLabelPoints = 8;

QColor traceColour(bool accepted)
{
    return accepted ? QColor(0, 0, 255) : QColor(255, 0, 0);
}

// Where a level's label goes and what it reads.
class LevelLabels {
public:
    LevelLabels(QPainter& painter, const ElevationScale& scale, const SettingsStore& settings,
                ElevationLabels form, int levelCount)
        : painter(painter), metrics(painter.fontMetrics()), form(form), last(levelCount - 1),
          scale(scale), chartLeft(scale.chart.left),
          charWidth(averageWidth(painter.font(), painter.device())),
          unit(QString::fromStdString(altitudeUnitLabel(settings)))
    {
    }

    void draw(int i, const ElevationGridLine& level)
    {
        if (!level.labelled) return;
        const QString text = QString::fromStdString(level.label);
        if (form == ElevationLabels::OnChart) {
            // Hanging below its line, or standing on the lowest ones.
            painter.drawText(kElevationLabelX,
                             elevationLabelTop(scale, level.y, metrics.height()) +
                                 metrics.ascent(),
                             text);
            return;
        }
        // Ending a character's width left of the chart: the bottom one above
        // its line, the top one below it, the others centred on theirs, so
        // that none crosses the frame.
        const QString label = text + QLatin1Char(' ') + unit;
        const int h = metrics.height();
        const int top = i == 0 ? level.y - (h + 3) : i == last ? level.y + 5 : level.y - h / 2;
        drawTextAt(painter, chartLeft - charWidth - metrics.horizontalAdvance(label), top, label);
    }

private:
    QPainter& painter;
    const QFontMetrics metrics;
    const ElevationLabels form;
    const int last;
    const ElevationScale& scale;
    const int chartLeft;
    const int charWidth;
    const QString unit;
};

// The page's trace: from the middle of the chart's left edge through every
// sample, drawn in runs of one colour.
void paintPageTrace(QPainter& painter, const ElevationScale& scale, const SurveyModel& survey)
{
    const PixelRect& chart = scale.chart;
    QPoint last(chart.left, chart.top + chart.height() / 2);
    QPolygon run;
    std::optional<bool> runAccepted;
    auto flush = [&] {
        if (run.size() > 1) {
            painter.setPen(solidPen(traceColour(*runAccepted), 1, Qt::FlatCap));
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
}

// The page's indicator lines from the survey's figures as they stand: the
// least-squares estimate plus and minus its spread, then the estimate
// itself thinner, then the mean. A line on or beyond the frame is left out:
// it would cross the plot or the statistics.
std::vector<ElevationIndicatorLine> pageIndicatorLines(const ElevationScale& scale,
                                                       const SurveyModel& survey, int dpi)
{
    std::vector<ElevationIndicatorLine> lines;
    auto add = [&](double metres, int width, ElevationIndicatorColour colour) {
        const int y = elevationLineY(scale, metres, survey.altitudeMin);
        if (y <= scale.chart.top || y >= scale.chart.bottom) return;
        lines.push_back({{scale.chart.left, y}, {scale.chart.right, y}, width, colour});
    };
    if (survey.enablePalsfsd != 0) {
        const LeastSquaresAccumulator& fit = survey.leastSquares[SurveyModel::kAltitude];
        const double estimate = fit.estimate();
        const double spread = fit.spread();
        add(estimate + spread, dpi / 32, ElevationIndicatorColour::White);
        add(estimate - spread, dpi / 32, ElevationIndicatorColour::White);
        add(estimate, dpi / 64, ElevationIndicatorColour::White);
    }
    if (survey.enablePositionAvgIndicator != 0)
        add(survey.mean[SurveyModel::kAltitude].mean, dpi / 32,
            ElevationIndicatorColour::Magenta);
    return lines;
}

} // namespace

SurveyElevationStyle screenSurveyElevationStyle(const QColor& buttonFace, bool smooth)
{
    SurveyElevationStyle style;
    style.labelFont = QFont(QStringLiteral("Small Fonts"));
    style.labelFont.setPointSize(kScreenLabelPoints);
    // A small bitmap-like face: smoothing blurs it on the grey, so only
    // "Smooth drawing" asks for it.
    if (!smooth) style.labelFont.setStyleStrategy(QFont::NoAntialias);
    style.labels = ElevationLabels::OnChart;
    style.labelColour = kGridGrey;
    style.labelGround = buttonFace;
    style.levelPen = QPen(kGridGrey, 1);
    style.edgeLevels = true;
    style.rasterOperations = true;
    style.indicators = screenIndicatorColours();
    return style;
}

SurveyElevationStyle pageSurveyElevationStyle(int dpi)
{
    SurveyElevationStyle style;
    style.dpi = dpi;
    style.labelFont = arial(kPageLabelPoints);
    style.labels = ElevationLabels::LeftOfChart;
    style.labelColour = Qt::black;
    style.levelPen = solidPen(Qt::black, 1, Qt::FlatCap);
    style.edgeLevels = false;
    style.rasterOperations = false;
    style.indicators = pageIndicatorColours();
    return style;
}

void paintElevationLevels(QPainter& painter, const ElevationScale& scale,
                          std::int32_t altitudeMax, const SettingsStore& settings,
                          const SurveyElevationStyle& style)
{
    const std::vector<ElevationGridLine> levels = elevationGrid(scale, altitudeMax, settings);
    const int count = static_cast<int>(levels.size());
    painter.setFont(style.labelFont);
    if (style.labelGround.isValid()) {
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(style.labelGround);
    }
    LevelLabels labels(painter, scale, settings, style.labels, count);
    // Line, then label, level by level: a label's ground covers the lines
    // drawn before it.
    for (int i = 0; i < count; ++i) {
        const ElevationGridLine& level = levels[static_cast<std::size_t>(i)];
        if (style.edgeLevels || (i != 0 && i != count - 1)) {
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(style.levelPen);
            painter.drawLine(scale.chart.left, level.y, scale.chart.right, level.y);
            painter.restore();
        }
        painter.setPen(style.labelColour);
        labels.draw(i, level);
    }
    painter.setBackgroundMode(Qt::TransparentMode);
}

void paintElevationSegment(QPainter& painter, const ElevationSegment& segment)
{
    painter.setPen(QPen(traceColour(segment.accepted), 1));
    painter.drawLine(segment.from.x, segment.from.y, segment.to.x, segment.to.y);
}

void paintElevationIndicators(QPainter& painter, const std::vector<ElevationIndicatorLine>& lines,
                              const SurveyElevationStyle& style)
{
    if (lines.empty()) return;
    painter.save();
    if (style.rasterOperations) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    }
    for (const ElevationIndicatorLine& line : lines) {
        const bool lsf = line.colour == ElevationIndicatorColour::White;
        const QColor& colour = lsf ? style.indicators.lsf : style.indicators.mean;
        // Flat ends: the line covers the chart's width exactly, so a second
        // pass by exclusive-or restores every pixel.
        painter.setPen(solidPen(colour, line.width, Qt::FlatCap));
        painter.drawLine(line.from.x, line.from.y, line.to.x, line.to.y);
    }
    painter.restore();
}

void paintSurveyElevation(QPainter& painter, const PixelRect& area, const SurveyModel& survey,
                          const SettingsStore& settings, const SurveyElevationStyle& style)
{
    painter.setFont(style.labelFont);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int axis =
        area.left + painter.fontMetrics().horizontalAdvance(QStringLiteral("-000000.000 ft"));

    // The window's scales, on the part right of the labels.
    ElevationScale scale;
    scale.chart = {axis, area.top, area.right, area.bottom};
    rescaleElevation(scale, survey.sampleCount(), survey.altitudeMax, survey.altitudeMin);

    painter.setPen(solidPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(area.left, area.top, area.width(), area.height()));
    paintPageTrace(painter, scale, survey);
    painter.setPen(solidPen(Qt::black, 1, Qt::FlatCap));
    painter.drawLine(axis, area.top, axis, area.bottom);
    paintElevationLevels(painter, scale, survey.altitudeMax, settings, style);
    paintElevationIndicators(painter, pageIndicatorLines(scale, survey, style.dpi), style);
}

} // namespace orbilunex
