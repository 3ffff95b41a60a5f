#include "views/survey/SurveyPrintout.h"

#include "format/FixedText.h"
#include "format/PositionText.h"
#include "format/Units.h"
#include "framework/DialogKit.h"
#include "models/survey/stats/SurveyStatsText.h"
#include "survey/PathFile.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyElevationPainter.h"
#include "views/survey/SurveyPaintKit.h"
#include "views/survey/SurveyPlotPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace orbilunex {

using namespace surveypaint;

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

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

    const int quarter = dpi / 4;
    const PixelRect plot{frame.left - quarter, frame.top + quarter, frame.right + quarter,
                         2 * ((frame.bottom - frame.top) / 3) - quarter};
    const int chartTop = 2 * ((frame.bottom - h9 - frame.top) / 3);
    const int chartBottom = (frame.bottom - h9) - ((frame.bottom - h9) - chartTop) / 3;
    const PixelRect chart{frame.left + dpi / 16, chartTop, frame.right - dpi / 16, chartBottom};
    const PixelRect statistics{frame.left, chartBottom + 5, frame.right, frame.bottom - 5};

    paintSurveyPlot(painter, plot, survey, settings, pageSurveyPlotStyle(dpi));
    paintSurveyElevation(painter, chart, survey, settings, pageSurveyElevationStyle(dpi));
    printStatistics(painter, statistics, survey, settings);
    painter.restore();
}

} // namespace orbilunex
