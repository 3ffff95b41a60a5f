#include "tests/common/PixelProbe.h"
#include "views/skyplot/SkyPlotPainter.h"

#include "models/skyplot/SkyPlotGeometry.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace orbilunex {
namespace {

using test::colourName;
using test::countPixels;
using test::savePicture;

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kGrey = 0xFF808080;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
const QColor kFace(212, 208, 200);

// A client wider than high, so that button face shows beside the disc.
constexpr int kClientWidth = 420;
constexpr int kClientHeight = 400;

std::unique_ptr<SkyPlotModel> emptyModel()
{
    return std::make_unique<SkyPlotModel>();
}

std::unique_ptr<SkyPlotModel> copyOf(const SkyPlotModel& model)
{
    return std::make_unique<SkyPlotModel>(model);
}

// A mask learned at 10 degrees all round, with a notch up to 20 degrees at
// azimuths 100..110 (a building, say).
void learnNotchedMask(SkyPlotModel& model)
{
    for (int i = 0; i < kMaskEntries; ++i) {
        model.mask[i].lowestElevation = (i >= 100 && i <= 110) ? 20 : 10;
        model.mask[i].observed = 1;
    }
}

PlotSquare screenPlot()
{
    return layoutPlotSquare({0, 0, kClientWidth, kClientHeight}, 3);
}

QImage screenPicture(const SkyPlotModel& model)
{
    QImage canvas = skyPlotCanvas(QSize(kClientWidth, kClientHeight));
    canvas.fill(Qt::magenta); // shows through wherever nothing was painted
    SkyPlotPalette palette;
    palette.buttonFace = kFace;
    QPainter painter(&canvas);
    paintSkyPlot(painter, QRect(0, 0, kClientWidth, kClientHeight), model, palette);
    return canvas;
}

QRgb pixelAt(const QImage& image, const PixelPoint& at)
{
    return image.pixel(at.x, at.y);
}

// The label font as the screen chart must use it: Arial at a quarter of
// the square's width in tenths of a point, on a 96-dpi canvas.
QFontMetrics screenLabelMetrics()
{
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(3780);
    probe.setDotsPerMeterY(3780);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(labelFontTenths(screenPlot()) / 10.0);
    return QFontMetrics(font, &probe);
}

struct Change {
    QPoint at;
    QRgb before;
    QRgb after;
};

std::vector<Change> changes(const QImage& before, const QImage& after)
{
    std::vector<Change> found;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                found.push_back({QPoint(x, y), before.pixel(x, y), after.pixel(x, y)});
    return found;
}

bool isDark(QRgb rgb)
{
    return qGray(rgb) < 128;
}

int darkPixelsIn(const QImage& image, const QRect& area)
{
    return countPixels(image, area, isDark);
}

// How many rows (or columns) of `area` hold at least one dark pixel.
int rowsWithDark(const QImage& image, const QRect& area)
{
    int rows = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        if (darkPixelsIn(image, QRect(area.left(), y, area.width(), 1)) > 0) ++rows;
    return rows;
}

int columnsWithDark(const QImage& image, const QRect& area)
{
    int columns = 0;
    for (int x = area.left(); x <= area.right(); ++x)
        if (darkPixelsIn(image, QRect(x, area.top(), 1, area.height())) > 0) ++columns;
    return columns;
}

// ---- Screen picture -------------------------------------------------------

TEST(SkyScreenPicture, FillsButtonFaceInsideABlackOutlineAroundTheDisc)
{
    const QImage picture = screenPicture(*emptyModel());
    savePicture(picture, "sky-empty.png");
    const QRgb face = kFace.rgb();
    struct Row {
        int x, y;
        QRgb expected;
        const char* legend;
    };
    const Row rows[] = {
        {0, 200, kBlack, "left outline"},
        {419, 200, kBlack, "right outline"},
        {210, 0, kBlack, "top outline"},
        {210, 399, kBlack, "bottom outline"},
        {1, 1, face, "just inside the outline's corner"},
        {6, 200, face, "left of the plot square"},
        {413, 200, face, "right of the plot square"},
        {40, 20, face, "square's corner, outside the disc"},
        {390, 380, face, "square's other corner, outside the disc"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(colourName(picture.pixel(row.x, row.y)), colourName(row.expected)) << row.legend;
    }
}

TEST(SkyScreenPicture, DiscIsBlackBetweenRingsAndSpokes)
{
    const QImage picture = screenPicture(*emptyModel());
    const PlotSquare plot = screenPlot();
    // Half-way between spokes, half-way between rings.
    for (const int azimuth : {45, 135, 225, 315}) {
        for (const int elevation : {7, 22, 37, 52, 67, 82}) {
            EXPECT_EQ(colourName(pixelAt(picture, project(plot, azimuth, elevation))), colourName(kBlack))
                << "azimuth " << azimuth << ", elevation " << elevation;
        }
    }
}

TEST(SkyScreenPicture, DrawsEachRingInGreyOnItsCircle)
{
    const QImage picture = screenPicture(*emptyModel());
    const PlotSquare plot = screenPlot();
    const PixelPoint centre = spokeCentre(plot);
    // Where each circle crosses the north-west diagonal, away from spokes
    // (300, 330) and from the ring labels (azimuth 15): a short run of the
    // row there holds the ring's grey and nothing but the disc around it.
    for (const int elevation : {0, 15, 30, 45, 60, 75}) {
        const int radius = static_cast<int>(plot.radius - plot.scale * elevation);
        const int offset = static_cast<int>(std::lround(radius * std::sqrt(0.5)));
        const int y = centre.y - offset;
        int grey = 0;
        for (int x = centre.x - offset - 4; x <= centre.x - offset + 4; ++x) {
            const QRgb rgb = picture.pixel(x, y);
            if (rgb == kGrey) {
                ++grey;
            } else if (elevation == 0) {
                EXPECT_TRUE(rgb == kBlack || rgb == kFace.rgb()) << "ring 0, x " << x;
            } else {
                EXPECT_EQ(colourName(rgb), colourName(kBlack)) << "ring " << elevation << ", x " << x;
            }
        }
        EXPECT_GT(grey, 0) << "ring " << elevation;
    }
}

TEST(SkyScreenPicture, MarksASatelliteWithAWhiteXFivePixelsAcross)
{
    auto model = emptyModel();
    model->satellites[4] = {7, 105, 40, 1, 45};
    const QImage picture = screenPicture(*model);
    const PixelPoint at = project(screenPlot(), 105, 40);
    for (int d = -2; d <= 2; ++d) {
        EXPECT_EQ(colourName(picture.pixel(at.x + d, at.y + d)), colourName(kWhite)) << "falling diagonal " << d;
        EXPECT_EQ(colourName(picture.pixel(at.x + d, at.y - d)), colourName(kWhite)) << "rising diagonal " << d;
    }
    // The lines' end points (x + 3, y + 3) and (x - 3, y + 3) stay off, as
    // do the gaps between the arms.
    const QPoint off[] = {{3, 3}, {-3, 3}, {3, -3}, {-3, -3}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (const QPoint& d : off) {
        EXPECT_EQ(colourName(picture.pixel(at.x + d.x(), at.y + d.y())), colourName(kBlack))
            << "offset " << d.x() << "," << d.y();
    }
}

TEST(SkyScreenPicture, LabelsASatelliteInItsColourInsideItsBox)
{
    struct Row {
        int used;
        int details;
        QRgb colour;
        const char* legend;
    };
    const Row rows[] = {
        {1, 1, kYellow, "used, two-line details"},
        {0, 1, kGrey, "not used, two-line details"},
        {1, 0, kYellow, "used, PRN only"},
        {0, 0, kGrey, "not used, PRN only"},
    };
    const PixelPoint at = project(screenPlot(), 105, 40);
    const QFontMetrics metrics = screenLabelMetrics();
    const int boxWidth = 5 * metrics.maxWidth();
    const QRect box(at.x - boxWidth / 2, at.y + 5, boxWidth, 3 * metrics.height());
    const QRect marker(at.x - 2, at.y - 2, 5, 5);
    for (const Row& row : rows) {
        auto without = emptyModel();
        without->detailsEnabled = row.details;
        auto with = copyOf(*without);
        with->satellites[4] = {17, 105, 40, row.used, 45};
        const std::vector<Change> drawn = changes(screenPicture(*without), screenPicture(*with));

        int labelPixels = 0;
        int secondLinePixels = 0;
        for (const Change& change : drawn) {
            if (marker.contains(change.at)) continue;
            ASSERT_TRUE(box.contains(change.at))
                << row.legend << ": drawn outside the label box at " << change.at.x() << ","
                << change.at.y();
            EXPECT_EQ(colourName(change.after), colourName(row.colour)) << row.legend;
            ++labelPixels;
            if (change.at.y() >= box.top() + metrics.height()) ++secondLinePixels;
        }
        EXPECT_GT(labelPixels, 0) << row.legend;
        if (row.details == 1) {
            EXPECT_GT(secondLinePixels, 0) << row.legend << ": azimuth and elevation line";
        } else {
            EXPECT_EQ(secondLinePixels, 0) << row.legend;
        }
    }
}

TEST(SkyScreenPicture, ShowsOnlySatellitesWithPrnAzimuthAndElevationInRange)
{
    struct Row {
        SkySatellite satellite;
        bool shown;
        const char* legend;
    };
    const Row rows[] = {
        {{5, 105, 45, 1, 45}, true, "ordinary satellite"},
        {{5, 0, 45, 1, 45}, false, "due north (azimuth 0)"},
        {{0, 105, 45, 1, 45}, false, "no PRN"},
        {{5, 105, 0, 1, 45}, false, "on the horizon"},
        {{5, 105, -5, 1, 45}, false, "below the horizon"},
        {{5, 105, 1, 1, 45}, true, "just above the horizon"},
        {{5, 105, 90, 1, 45}, true, "at the zenith"},
        {{5, 105, 91, 1, 45}, false, "beyond the zenith"},
        {{5, 359, 45, 0, 0}, true, "just west of north, not used"},
    };
    const QImage background = screenPicture(*emptyModel());
    for (const Row& row : rows) {
        auto model = emptyModel();
        model->satellites[9] = row.satellite;
        const QImage picture = screenPicture(*model);
        if (row.shown) {
            const PixelPoint at =
                project(screenPlot(), row.satellite.azimuth, row.satellite.elevation);
            EXPECT_EQ(colourName(pixelAt(picture, at)), colourName(kWhite)) << row.legend;
        } else {
            EXPECT_TRUE(picture == background) << row.legend << ": something was drawn";
        }
    }
}

TEST(SkyScreenPicture, DrawsEachTrailPointAsOneGreenPixel)
{
    struct Row {
        TrailPoint point;
        bool shown;
        const char* legend;
    };
    const Row rows[] = {
        {{9, 200, 33}, true, "ordinary point"},
        {{9, 350, 84}, true, "near the zenith"},
        {{9, 0, 33}, false, "due north (azimuth 0)"},
        {{0, 200, 33}, false, "no PRN"},
        {{9, 200, 0}, false, "on the horizon"},
        {{9, 200, -4}, false, "below the horizon: outside the disc"},
        {{9, 200, 65535}, false, "beyond the zenith: off the sky"},
    };
    const QImage background = screenPicture(*emptyModel());
    for (const Row& row : rows) {
        auto model = emptyModel();
        model->trails[3][17] = row.point;
        const QImage picture = screenPicture(*model);
        const std::vector<Change> drawn = changes(background, picture);
        if (row.shown) {
            const PixelPoint at = project(screenPlot(), row.point.azimuth, row.point.elevation);
            ASSERT_EQ(drawn.size(), 1u) << row.legend;
            EXPECT_EQ(drawn[0].at, QPoint(at.x, at.y)) << row.legend;
            EXPECT_EQ(colourName(drawn[0].after), colourName(kGreen)) << row.legend;
        } else {
            EXPECT_TRUE(drawn.empty()) << row.legend;
        }
        model->trailsEnabled = 0;
        EXPECT_TRUE(screenPicture(*model) == background) << row.legend << ", trails off";
    }
}

TEST(SkyScreenPicture, MaskOutlineIsBlueExclusiveOrOverThePicture)
{
    auto off = emptyModel();
    learnNotchedMask(*off);
    off->maskOutlineEnabled = 0;
    auto on = copyOf(*off);
    on->maskOutlineEnabled = 1;
    const QImage without = screenPicture(*off);
    const QImage with = screenPicture(*on);
    savePicture(with, "sky-mask.png");
    EXPECT_TRUE(without == screenPicture(*emptyModel())) << "outline off draws nothing";

    const PlotSquare plot = screenPlot();
    const PixelPoint notch = project(plot, 105, 20);
    EXPECT_EQ(colourName(pixelAt(without, notch)), colourName(kBlack));
    EXPECT_EQ(colourName(pixelAt(with, notch)), colourName(kBlue)) << "notch over the black disc";

    int overGrey = 0;
    const std::vector<Change> drawn = changes(without, with);
    for (const Change& change : drawn) {
        ASSERT_EQ(colourName(change.after), colourName(change.before ^ 0x0000FF))
            << "at " << change.at.x() << "," << change.at.y();
        if (change.before == kGrey) ++overGrey;
    }
    EXPECT_GT(overGrey, 0) << "the outline crosses grey rings and spokes";
    // A closed loop around the sky at 10 degrees is more than 1000 pixels long.
    EXPECT_GT(drawn.size(), 1000u);
    EXPECT_NE(pixelAt(with, project(plot, 0, 10)), pixelAt(without, project(plot, 0, 10)))
        << "the entry at azimuth 0 is drawn";
}

TEST(SkyScreenPicture, MaskOutlineDrawsOnlyObservedEntriesAndNeedsTwo)
{
    struct Row {
        std::vector<MaskEntry> entries;
        bool drawn;
        const char* legend;
    };
    const Row rows[] = {
        {{{105, 20, 1}}, false, "one observed entry: the path never leaves its start"},
        {{{100, 20, 0}, {120, 30, 0}, {140, 20, 0}}, false, "lowered entries, none observed"},
        {{{0, 40, 1}, {20, 40, 1}, {40, 40, 1}}, true, "triangle from azimuth 0"},
    };
    const QImage background = screenPicture(*emptyModel());
    for (const Row& row : rows) {
        auto model = emptyModel();
        for (const MaskEntry& entry : row.entries) model->mask[entry.azimuth] = entry;
        const QImage picture = screenPicture(*model);
        EXPECT_EQ(picture != background, row.drawn) << row.legend;
        if (row.drawn) {
            const PixelPoint first = project(screenPlot(), 0, 40);
            EXPECT_EQ(colourName(pixelAt(picture, first)), colourName(pixelAt(background, first) ^ 0x0000FF))
                << row.legend << ": first vertex drawn once";
        }
    }
}

TEST(SkyScreenPicture, ComposesAReadableChart)
{
    auto model = emptyModel();
    learnNotchedMask(*model);
    const SkySatellite satellites[] = {
        {3, 45, 62, 1, 44},  {7, 105, 40, 1, 41}, {12, 170, 18, 0, 28},
        {19, 230, 55, 1, 47}, {24, 300, 25, 0, 22}, {31, 340, 80, 1, 50},
    };
    for (int i = 0; i < 6; ++i) {
        model->satellites[i] = satellites[i];
        for (int step = 0; step < 12; ++step) {
            model->trails[i][step] = {satellites[i].prn, satellites[i].azimuth - 12 + step,
                                      satellites[i].elevation - 6 + step / 2};
        }
    }
    const QImage picture = screenPicture(*model);
    savePicture(picture, "sky-chart.png");
    // Markers are drawn after the grid and before trails and the outline,
    // none of which reach these centres.
    for (const SkySatellite& satellite : satellites) {
        EXPECT_EQ(colourName(pixelAt(picture, project(screenPlot(), satellite.azimuth,
                                                satellite.elevation))),
                  colourName(kWhite))
            << "PRN " << satellite.prn;
    }
}

// ---- Printed page ---------------------------------------------------------

constexpr char kIdentification[] = "Orbilunex sky plot";

struct PrintedPage {
    QImage image;
    int dpi = 0;
    PixelRect frame;
    PixelRect plotArea;
    PlotSquare plot;
};

// A US Letter page rendered into an image whose resolution is the page's,
// so that point sizes come out as on paper.
PrintedPage printPage(const SkyPlotModel& model, int dpi, const QString& comment = QString())
{
    PrintedPage page;
    page.dpi = dpi;
    page.image = QImage(dpi * 85 / 10, dpi * 11, QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    page.image.setDotsPerMeterX(dotsPerMetre);
    page.image.setDotsPerMeterY(dotsPerMetre);
    page.image.fill(Qt::white);
    {
        QPainter painter(&page.image);
        printSkyPlot(painter, page.image.rect(), dpi, model, comment,
                     QString::fromLatin1(kIdentification));
    }
    const int half = dpi / 2;
    page.frame = {half, half, page.image.width() - half, page.image.height() - half};
    page.plotArea = {2 * half, 2 * half, page.image.width() - 2 * half,
                     page.image.height() - 2 * half};
    page.plot = layoutPlotSquare(page.plotArea, 0);
    return page;
}

QFontMetrics pageMetrics(const PrintedPage& page, double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return QFontMetrics(font, &page.image);
}

std::unique_ptr<SkyPlotModel> printModel()
{
    auto model = emptyModel();
    learnNotchedMask(*model);
    model->maskOutlineEnabled = 0; // printed all the same
    model->satellites[0] = {7, 105, 40, 1, 45};
    model->satellites[1] = {12, 250, 30, 0, 20};
    model->trails[2][0] = {9, 200, 33};
    return model;
}

TEST(SkyPrintedPage, DrawsFrameDotsOutlineAndWhiteRings)
{
    const auto model = printModel();
    for (const int dpi : {100, 300}) {
        const PrintedPage page = printPage(*model, dpi, QStringLiteral("Roof antenna"));
        if (dpi == 100) savePicture(page.image, "sky-print.png");
        const int midX = page.image.width() / 2;
        const int midY = page.image.height() / 2;
        struct Probe {
            PixelPoint at;
            QRgb expected;
            const char* legend;
        };
        const PixelPoint satellite = project(page.plot, 105, 40);
        const PixelPoint unused = project(page.plot, 250, 30);
        const Probe probes[] = {
            {{page.frame.left, midY}, kBlack, "frame, left side"},
            {{page.frame.right, midY}, kBlack, "frame, right side"},
            {{midX, page.frame.top}, kBlack, "frame, top"},
            {{midX, page.frame.bottom}, kBlack, "frame, bottom"},
            {{page.frame.left + dpi / 4, midY}, kWhite, "between frame and plot area"},
            {satellite, kBlack, "used satellite's dot"},
            {{satellite.x + dpi / 64, satellite.y}, kBlack, "inside the dot's radius"},
            {unused, kBlack, "unused satellite prints alike"},
            {project(page.plot, 105, 20), kBlack, "mask outline, whatever the screen says"},
            {project(page.plot, 200, 33), kWhite, "trail point: trails are not printed"},
            {project(page.plot, 52, 22), kWhite, "ring interior"},
            {project(page.plot, 232, 52), kWhite, "inner ring interior"},
        };
        for (const Probe& probe : probes) {
            EXPECT_EQ(colourName(pixelAt(page.image, probe.at)), colourName(probe.expected))
                << dpi << " dpi: " << probe.legend;
        }
    }
}

TEST(SkyPrintedPage, RunsTheIdentificationUpTheFrameFromItsBottomCorner)
{
    for (const int dpi : {100, 300}) {
        const PrintedPage page = printPage(*emptyModel(), dpi);
        const QFontMetrics metrics = pageMetrics(page, 8);
        const int height = metrics.height();
        const int length = metrics.horizontalAdvance(QString::fromLatin1(kIdentification));
        const int left = page.frame.right + dpi / 32;
        const int bottom = page.frame.bottom - height;
        // The rotated text: one line height wide, its length tall, ending
        // a line height above the frame's bottom corner.
        const QRect footer(left, bottom - length, height, length);
        EXPECT_GT(darkPixelsIn(page.image, footer), 0) << dpi << " dpi";
        EXPECT_EQ(darkPixelsIn(page.image,
                               QRect(left, page.frame.top + dpi / 8, height,
                                     footer.top() - 2 - (page.frame.top + dpi / 8))),
                  0)
            << dpi << " dpi: nothing above the line";
        EXPECT_EQ(darkPixelsIn(page.image, QRect(left, bottom + 2, height, height + dpi / 4)), 0)
            << dpi << " dpi: nothing below the line";
    }
}

TEST(SkyPrintedPage, WrapsTheCommentAboveThePlotWithinItsWidth)
{
    const QString longComment = QStringLiteral(
        "Antenna on the north-east corner of the roof, two metres above the parapet. "
        "The lift housing blocks the east between azimuth 100 and 110 up to twenty degrees; "
        "the rest of the horizon is open down to ten degrees.");
    struct Row {
        QString comment;
        bool wraps;
        const char* legend;
    };
    const Row rows[] = {
        {QString(), false, "no comment"},
        {QStringLiteral("Roof antenna"), false, "one short line"},
        {longComment, true, "long comment wraps onto a second line"},
    };
    for (const Row& row : rows) {
        const PrintedPage page = printPage(*emptyModel(), 100, row.comment);
        const int line = pageMetrics(page, 7).height();
        const int top = page.plotArea.top - 4 * line;
        const int width = page.plotArea.width();
        const QRect firstLine(page.plotArea.left, top, width, line);
        const QRect secondLine(page.plotArea.left, top + line, width, line);
        EXPECT_EQ(darkPixelsIn(page.image, firstLine) > 0, !row.comment.isEmpty()) << row.legend;
        EXPECT_EQ(darkPixelsIn(page.image, secondLine) > 0, row.wraps) << row.legend;
        // Nothing beside the comment's column, up to where the chart begins.
        const int bandHeight = page.plot.square.top - 2 - top;
        EXPECT_EQ(darkPixelsIn(page.image, QRect(page.frame.left + 2, top,
                                                 page.plotArea.left - page.frame.left - 2,
                                                 bandHeight)),
                  0)
            << row.legend;
        EXPECT_EQ(darkPixelsIn(page.image, QRect(page.plotArea.right, top,
                                                 page.frame.right - 2 - page.plotArea.right,
                                                 bandHeight)),
                  0)
            << row.legend;
        if (row.wraps) savePicture(page.image, "sky-print-comment.png");
    }
}

TEST(SkyPrintedPage, PrintsThroughPdfThatRasterises)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is missing: run scripts/setup";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pdf = folder.filePath(QStringLiteral("sky.pdf"));

    constexpr int kDpi = 300;
    const auto model = printModel();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setResolution(kDpi);
    const QRect pageRect = printer.pageLayout().fullRectPixels(printer.resolution());
    ASSERT_EQ(pageRect, QRect(0, 0, 2550, 3300));
    {
        QPainter painter;
        ASSERT_TRUE(painter.begin(&printer));
        printSkyPlot(painter, pageRect, printer.resolution(), *model,
                     QStringLiteral("Roof antenna"), QString::fromLatin1(kIdentification));
        painter.end();
    }

    QProcess rasterise;
    rasterise.start(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                               QStringLiteral("-singlefile"), pdf,
                               folder.filePath(QStringLiteral("sky"))});
    ASSERT_TRUE(rasterise.waitForFinished(30000));
    ASSERT_EQ(rasterise.exitCode(), 0) << rasterise.readAllStandardError().toStdString();
    const QImage png(folder.filePath(QStringLiteral("sky.png")));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(510, 660));
    savePicture(png, "sky-print-pdf.png");

    // At 60 dpi the frame lies half an inch in: 30 pixels from each side.
    const QRect leftFrame(28, 200, 5, 260);
    const QRect topFrame(100, 28, 310, 5);
    EXPECT_EQ(rowsWithDark(png, leftFrame), leftFrame.height()) << "left side, every row";
    EXPECT_EQ(columnsWithDark(png, topFrame), topFrame.width()) << "top side, every column";
    EXPECT_EQ(darkPixelsIn(png, QRect(40, 200, 15, 260)), 0) << "white inside the frame";

    const PlotSquare plot = layoutPlotSquare({300, 300, 2250, 3000}, 0);
    const PixelPoint dot = project(plot, 105, 40);
    EXPECT_GT(darkPixelsIn(png, QRect(dot.x / 5 - 1, dot.y / 5 - 1, 3, 3)), 0)
        << "the satellite's dot";
}

} // namespace
} // namespace orbilunex
