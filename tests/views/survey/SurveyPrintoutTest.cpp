#include "views/survey/SurveyPrintout.h"

#include "models/survey/elevation/ElevationScale.h"
#include "models/survey/plot/PlotExtents.h"
#include "models/survey/plot/PlotFrame.h"
#include "models/survey/plot/PlotMarks.h"
#include "models/survey/stats/SurveyStatsText.h"
#include "format/FixedText.h"
#include "settings/DisplaySettings.h"
#include "survey/PathFile.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyKind.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

namespace orbilunex {
namespace {

using test::colourName;
using test::countPixels;
using test::FakeAppContext;

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kBlue = 0xff0000ff;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kGreen = 0xff00ff00;
constexpr int kDpi = 100;
constexpr char kCredit[] = "Orbilunex test credit";

bool isDark(QRgb p) { return qGray(p) < 128; }
// Text is smoothed: its pixels are shades of its colour.
bool isGreenish(QRgb p) { return qGreen(p) > 160 && qRed(p) < 120 && qBlue(p) < 120; }

QFontMetrics arialMetrics(int points, const QPaintDevice* device)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    return QFontMetrics(font, device);
}

// A US Letter page at 100 dpi and where its parts should fall, worked out
// from the page's rules and the window's plain geometry.
struct Page {
    QImage image;
    PixelRect frame{kDpi / 2, kDpi / 2, 850 - kDpi / 2, 1100 - kDpi / 2};
    PlotExtents extents;
    SurveyPlotFrame plot;
    QRect legend;
    int h9 = 0;
    ElevationScale chart; // right of the label column
};

Page printPage(const CSurveyDoc& doc, const SettingsStore& settings)
{
    Page page;
    page.image = QImage(850, 1100, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(kDpi / 0.0254));
    page.image.setDotsPerMeterX(dotsPerMetre);
    page.image.setDotsPerMeterY(dotsPerMetre);
    page.image.fill(Qt::white);
    {
        QPainter painter(&page.image);
        printSurveyReport(painter, page.image.rect(), kDpi, doc, settings,
                          QString::fromLatin1(kCredit));
    }
    const PixelRect& f = page.frame;
    const QFontMetrics nine = arialMetrics(9, &page.image);
    page.h9 = nine.height();
    page.extents.fitToSamples(doc.survey().samples());
    page.plot = layoutSurveyPlot({f.left - kDpi / 4, f.top + kDpi / 4, f.right + kDpi / 4,
                                  2 * ((f.bottom - f.top) / 3) - kDpi / 4},
                                 page.extents);
    const int legendWidth = nine.horizontalAdvance(QStringLiteral("XXXX = LSF Average"));
    page.legend = QRect(page.plot.square.right - legendWidth, page.plot.square.top, legendWidth,
                        6 * page.h9);
    const int chartTop = 2 * ((f.bottom - page.h9 - f.top) / 3);
    const int chartBottom = (f.bottom - page.h9) - ((f.bottom - page.h9) - chartTop) / 3;
    const QFontMetrics eight = arialMetrics(8, &page.image);
    const int axis = f.left + kDpi / 16 + eight.horizontalAdvance(QStringLiteral("-000000.000 ft"));
    page.chart.chart = {axis, chartTop, f.right - kDpi / 16, chartBottom};
    const SurveyModel& survey = doc.survey();
    rescaleElevation(page.chart, survey.sampleCount(), survey.altitudeMax, survey.altitudeMin);
    return page;
}

QRgb pixelAt(const QImage& image, PixelPoint p) { return image.pixel(p.x, p.y); }

class SurveyPrintoutTest : public ::testing::Test {
protected:
    SurveyPrintoutTest()
    {
        writeSetting(app.store, settings::display::kAltitudeUnits, altitudeMeters);
        writeSetting(app.store, settings::display::kUnits, unitsMetric);
        tmpl.kind = &kSurveyKind.kind;
        doc = std::make_unique<CSurveyDoc>(tmpl, app);
    }

    SurveyModel& survey() { return doc->survey(); }

    // Twenty samples on a 5 x 4 lattice 1 m apart, 100 to 101.5 m high,
    // all within the DOP limits, and one more outside both at the south-west
    // corner.
    void addSurvey()
    {
        for (int i = 0; i < 20; ++i)
            doc->addSample(45.0 + 0.00001 * (i % 5), 7.0 + 0.00001 * (i / 5),
                           100.0 + 0.5 * (i % 4), 15, 1, 10, 12);
        doc->addSample(44.99998, 6.99998, 99.0, 15, 1, 45, 45);
        // The altitude chart keeps the survey's range as it plots.
        survey().recomputeAltitudeRange();
    }

    // The south-west sample, the only red one.
    static constexpr double kRedLatitude = 44.99998;
    static constexpr double kRedLongitude = 6.99998;

    FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CSurveyDoc> doc;
};

TEST_F(SurveyPrintoutTest, EmptySurveyPrintsFrameCreditLegendAndGridOnly)
{
    setPathComment(survey().headerBlock, "Tripod on the survey nail");
    const Page page = printPage(*doc, app.store);
    test::savePicture(page.image, "survey-print-empty.png");
    const QImage& image = page.image;
    const PixelRect& f = page.frame;
    const int midX = (f.left + f.right) / 2;
    const int midY = (f.top + f.bottom) / 2;

    for (const PixelPoint side : {PixelPoint{f.left, midY}, PixelPoint{f.right, midY},
                                  PixelPoint{midX, f.top}, PixelPoint{midX, f.bottom}})
        EXPECT_EQ(colourName(pixelAt(image, side)), colourName(kBlack)) << side.x << "," << side.y;

    // The credit runs up beside the frame's right edge, ending a line above
    // its bottom; a survey never saved has no heading above the frame.
    const int h8 = arialMetrics(8, &page.image).height();
    EXPECT_GT(countPixels(image, QRect(f.right + 3, f.top, h8, f.bottom - h8 - f.top), isDark), 0);
    EXPECT_EQ(countPixels(image, QRect(f.right + 3, f.bottom - h8 + 2, h8, h8), isDark), 0);
    EXPECT_EQ(countPixels(image, QRect(0, 0, image.width(), f.top - 2), isDark), 0);

    // The legend: black outline, black first line, green second line, and
    // the scale bar's ticks at a tenth of the inner box from its ends.
    const QRect& legend = page.legend;
    EXPECT_EQ(colourName(image.pixel(legend.left(), legend.center().y())), colourName(kBlack));
    EXPECT_EQ(colourName(image.pixel(legend.right(), legend.center().y())), colourName(kBlack));
    const QRect firstLine(legend.left() + 2, legend.top() + page.h9, legend.width() - 4, page.h9);
    EXPECT_GT(countPixels(image, firstLine, isDark), 40);
    EXPECT_EQ(countPixels(image, firstLine, isGreenish), 0);
    EXPECT_GT(countPixels(image, firstLine.translated(0, page.h9), isGreenish), 40);
    EXPECT_GT(countPixels(image, QRect(page.plot.square.left, page.plot.square.top,
                                       page.plot.square.width(), page.plot.square.height()),
                          [](QRgb p) { return p == 0xff808080; }),
              500)
        << "the grey grid";

    // Nothing is plotted: no dot, no trace, no indicator in either picture.
    EXPECT_EQ(countPixels(image, image.rect(),
                          [](QRgb p) { return p == kBlue || p == kRed; }),
              0);
    EXPECT_EQ(countPixels(image, legend, isGreenish),
              countPixels(image, image.rect(), isGreenish));

    // The two blocks and the comment side by side below the chart: their
    // first lines ("Mean Average:", "Samples", the comment) are three texts
    // apart on one line.
    const int textTop = page.chart.chart.bottom + 5;
    const int h7 = arialMetrics(7, &page.image).height();
    int texts = 0;
    int blankColumns = 1000;
    for (int x = f.left + 3; x < f.right - 3; ++x) {
        const bool dark = countPixels(image, QRect(x, textTop, 1, h7), isDark) > 0;
        if (dark && blankColumns >= 20) ++texts;
        blankColumns = dark ? 0 : blankColumns + 1;
    }
    EXPECT_EQ(texts, 3);
}

TEST_F(SurveyPrintoutTest, PlotsSamplesAsDotsInTheirHdopColours)
{
    addSurvey();
    survey().useLines = 0;
    // Nothing drawn over the dots.
    survey().enablePalsfsd = 0;
    survey().enablePositionAvgIndicator = 0;
    for (const int large : {0, 1}) {
        survey().plotIndicatorSize = large;
        const Page page = printPage(*doc, app.store);
        const QImage& image = page.image;
        survey().samples().forEach([&](const SurveySample& s) {
            const PixelPoint at = surveyPlotPoint(page.plot, page.extents,
                                                  s.latitude * kDegreesPerUnit,
                                                  s.longitude * kDegreesPerUnit);
            EXPECT_EQ(colourName(pixelAt(image, at)), colourName(s.hdop10 <= 30 ? kBlue : kRed))
                << "large " << large << ", dot at " << at.x << "," << at.y;
        });
        // A large marker is a dot a thirty-second of an inch across (three
        // pixels here); a small one is its centre pixel alone.
        const PixelPoint red =
            surveyPlotPoint(page.plot, page.extents, kRedLatitude, kRedLongitude);
        const int redPixels = countPixels(image, QRect(red.x - 2, red.y - 2, 5, 5),
                                          [](QRgb p) { return p == kRed; });
        if (large == 1)
            EXPECT_GE(redPixels, 5);
        else
            EXPECT_EQ(redPixels, 1);
    }
}

TEST_F(SurveyPrintoutTest, DrawsTheIndicatorsSolidOverTheDots)
{
    addSurvey();
    const Page page = printPage(*doc, app.store);
    test::savePicture(page.image, "survey-print-samples.png");
    const QImage& image = page.image;
    const auto mean = meanIndicator(page.plot, page.extents, meanIndicatorFigures(survey()), 1);
    const auto lsf = lsfIndicator(page.plot, page.extents, lsfIndicatorFigures(survey()), 1);
    ASSERT_TRUE(mean && lsf);
    const int meanArm = page.plot.square.width() / 20;
    const int lsfArm = page.plot.square.width() / 40;
    EXPECT_EQ(colourName(image.pixel(mean->centre.x, mean->centre.y - meanArm / 2)),
              colourName(kGreen));
    EXPECT_EQ(colourName(image.pixel(mean->centre.x + meanArm / 2, mean->centre.y)),
              colourName(kGreen));
    EXPECT_EQ(colourName(image.pixel(lsf->centre.x - lsfArm / 2, lsf->centre.y - lsfArm / 2)),
              colourName(kBlack));
    // The mean ellipse's leftmost point, its pen inside the box.
    const PixelRect& box = mean->ellipseBox;
    EXPECT_EQ(colourName(image.pixel(box.left + 1, (box.top + box.bottom) / 2)),
              colourName(kGreen));
}

TEST_F(SurveyPrintoutTest, IndicatorFlagsGateThePlotAndChartLinesButNotTheLegend)
{
    addSurvey();
    const double meanMetres = survey().mean[SurveyModel::kAltitude].mean;
    const double lsfMetres = survey().leastSquares[SurveyModel::kAltitude].estimate();
    struct Flags {
        int lsf;
        int mean;
    };
    for (const Flags flags : {Flags{1, 1}, Flags{1, 0}, Flags{0, 1}, Flags{0, 0}}) {
        survey().enablePalsfsd = flags.lsf;
        survey().enablePositionAvgIndicator = flags.mean;
        const Page page = printPage(*doc, app.store);
        const QImage& image = page.image;
        const std::string legend =
            "lsf " + std::to_string(flags.lsf) + ", mean " + std::to_string(flags.mean);
        if (flags.lsf == 0 && flags.mean == 0)
            test::savePicture(image, "survey-print-no-indicators.png");

        EXPECT_GT(countPixels(image, page.legend, isGreenish), 40) << legend;
        EXPECT_EQ(countPixels(image, image.rect(), isGreenish) >
                      countPixels(image, page.legend, isGreenish),
                  flags.mean == 1)
            << legend;

        const auto lsf = lsfIndicator(page.plot, page.extents, lsfIndicatorFigures(survey()), 1);
        ASSERT_TRUE(lsf);
        const int arm = page.plot.square.width() / 40;
        EXPECT_EQ(image.pixel(lsf->centre.x - arm / 2, lsf->centre.y - arm / 2) == kBlack,
                  flags.lsf == 1)
            << legend;

        // The chart's indicator lines, probed right of the trace's end.
        const ElevationScale& chart = page.chart;
        const int probeX = chart.chart.right - 5;
        const int lsfY = elevationLineY(chart, lsfMetres, survey().altitudeMin);
        const int meanY = elevationLineY(chart, meanMetres, survey().altitudeMin);
        for (const ElevationGridLine& level : elevationGrid(chart, survey().altitudeMax, app.store))
            ASSERT_NE(level.y, lsfY) << "the estimate's line must not fall on a level line";
        EXPECT_EQ(image.pixel(probeX, lsfY) == kBlack, flags.lsf == 1) << legend;
        EXPECT_EQ(image.pixel(probeX, meanY) == kGreen, flags.mean == 1) << legend;
        EXPECT_GT(countPixels(image,
                              QRect(chart.chart.left, chart.chart.top, chart.chart.width(),
                                    chart.chart.height()),
                              [](QRgb p) { return p == kBlue; }),
                  20)
            << legend << ": the trace";
        // The last sample's VDOP is beyond the limit: its segment is red.
        EXPECT_GT(countPixels(image,
                              QRect(chart.chart.left, chart.chart.top, chart.chart.width(),
                                    chart.chart.height()),
                              [](QRgb p) { return p == kRed; }),
                  5)
            << legend;
    }
}

// ---- Through a PDF --------------------------------------------------------

QString runTool(const char* tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (program.isEmpty()) {
        ADD_FAILURE() << tool << " (poppler-utils) is missing: run scripts/setup";
        return {};
    }
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool << ": " << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(SurveyPrintoutTest, PrintsOnePdfPageHoldingTheReportTexts)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    struct Case {
        bool withSamples;
        const char* name;
        QStringList texts;
    };
    const Case cases[] = {
        {false,
         "empty",
         {QString::fromLatin1(kCredit), QStringLiteral("X = LSF Average"),
          QStringLiteral("+ = Mean Average"), QStringLiteral("Mean Average:"),
          QStringLiteral("Least Squares Average:"), QStringLiteral("Lat/Lon Samples:0"),
          QStringLiteral("Altitude Samples:0"), QStringLiteral("HDOP <= 1.0 (%0.0)"),
          QStringLiteral("Tripod on the survey nail")}},
        {true,
         "samples",
         {QStringLiteral("roof-survey.pth"), QStringLiteral("Lat/Lon Samples:20"),
          QStringLiteral("Altitude Samples:20"), QStringLiteral("HDOP <= 1.0 (%95.2)"),
          QStringLiteral("1.0 < HDOP <= 2.0 (%0.0)"), QStringLiteral("HDOP > 2.0 (%4.8)"),
          QStringLiteral("Tripod on the survey nail")}},
    };
    for (const Case& c : cases) {
        if (c.withSamples) {
            addSurvey();
            doc->setPathName(folder.filePath(QStringLiteral("roof-survey.pth")));
        }
        setPathComment(survey().headerBlock, "Tripod on the survey nail");
        // The mean latitude's spread as a ground distance in metres.
        const MeanAccumulator& latitude = survey().mean[SurveyModel::kLatitude];
        const std::string spread = fixedText(
            latitudeSpreadDistance(app.store, latitude.mean,
                                   survey().mean[SurveyModel::kLongitude].mean, latitude.spread()),
            3, 0);
        QStringList texts = c.texts;
        texts << QString::fromStdString("StdDev " + spread + " m");
        const QString pdf = folder.filePath(QString::fromLatin1(c.name) + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setResolution(300);
        {
            // As the print command does: the painter's origin at the corner
            // of the printable area.
            QPainter painter;
            ASSERT_TRUE(painter.begin(&printer));
            const QSize printable =
                printer.pageLayout().paintRectPixels(printer.resolution()).size();
            printSurveyReport(painter, QRect(QPoint(0, 0), printable), printer.resolution(), *doc,
                              app.store, QString::fromLatin1(kCredit));
        }

        EXPECT_TRUE(runTool("pdfinfo", {pdf}).contains(QRegularExpression(
            QStringLiteral("^Pages:\\s+1$"), QRegularExpression::MultilineOption)))
            << c.name;
        // Compared without blanks: the extractor spaces words as it sees fit
        // and breaks the turned credit into lines.
        const QRegularExpression blanks(QStringLiteral("\\s+"));
        const QString printed =
            runTool("pdftotext", {QStringLiteral("-raw"), pdf, QStringLiteral("-")}).remove(blanks);
        for (QString expected : texts)
            EXPECT_TRUE(printed.contains(expected.remove(blanks)))
                << c.name << ": " << expected.toStdString() << " in " << printed.toStdString();

        const QString stem = folder.filePath(QString::fromLatin1(c.name));
        runTool("pdftoppm", {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                             QStringLiteral("-singlefile"), pdf, stem});
        const QImage png(stem + QStringLiteral(".png"));
        ASSERT_FALSE(png.isNull()) << c.name;
        test::savePicture(png,
                          c.withSamples ? "survey-print-pdf.png" : "survey-print-pdf-empty.png");
        // The raster shows the blue dots and trace only when there are samples.
        const int blue = countPixels(png, png.rect(), [](QRgb p) {
            return qBlue(p) > 200 && qRed(p) < 80 && qGreen(p) < 80;
        });
        EXPECT_EQ(blue > 0, c.withSamples) << c.name;
    }
}

} // namespace
} // namespace orbilunex
