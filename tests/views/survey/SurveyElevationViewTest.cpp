#include "views/survey/SurveyElevationView.h"

#include "models/survey/elevation/ElevationScale.h"
#include "settings/DisplaySettings.h"
#include "settings/GeneralSettings.h"
#include "settings/SurveySettings.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyKind.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include <memory>
#include <string>
#include <vector>

namespace orbilunex {
namespace {

using test::colourName;
using test::FakeAppContext;

constexpr QRgb kBlue = 0xff0000ff;
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kGrey = 0xff808080;

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++count;
    return count;
}

class SurveyElevationViewTest : public ::testing::Test {
protected:
    SurveyElevationViewTest()
    {
        writeSetting(app.store, settings::display::kAltitudeUnits, altitudeMeters);
        tmpl.kind = &kSurveyKind.kind;
        doc = std::make_unique<CSurveyDoc>(tmpl, app);
    }

    SurveyModel& survey() { return doc->survey(); }

    std::unique_ptr<CSurveyElevationView> makeView(int width, int height)
    {
        auto view = std::make_unique<CSurveyElevationView>(doc.get(), app);
        view->resize(width, height);
        view->show();
        return view;
    }

    void addSample(double metres, std::uint16_t vdop10 = 12, std::int32_t fix3d = 1)
    {
        doc->addSample(45.0, 7.0, metres, 15, fix3d, 10, vdop10);
    }

    // A 3D fix with VDOP 1.3 at the given altitude, as the receiver sends it.
    void receiveFix(const std::string& metres)
    {
        app.receive("GPGGA,101500,4500.000,N,00700.000,E,1,08,1.0," + metres +
                    ",M,48.0,M,,\n"
                    "GPGSA,A,3,05,11,12,,,,,,,,,,1.7,1.2,1.3");
    }

    void setIndicators(int lsf, int mean)
    {
        survey().enablePalsfsd = lsf;
        survey().enablePositionAvgIndicator = mean;
        doc->updateAllViews();
    }

    FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CSurveyDoc> doc;
};

TEST_F(SurveyElevationViewTest, SegmentsAreBlueOnlyForAcceptedThreeDimensionalFixes)
{
    struct Level {
        double metres;
        std::uint16_t vdop10;
        std::int32_t fix3d;
        QRgb colour;
        const char* why;
    };
    const Level levels[] = {
        {100, 12, 1, kBlue, "VDOP within the limit, 3D"},
        {104, 30, 1, kBlue, "VDOP at the limit"},
        {108, 31, 1, kRed, "VDOP above the limit"},
        {112, 8, 0, kRed, "2D fix, whatever its VDOP"},
    };
    constexpr int kPerLevel = 5;
    for (const Level& level : levels)
        for (int i = 0; i < kPerLevel; ++i) addSample(level.metres, level.vdop10, level.fix3d);
    setIndicators(0, 0);
    auto view = makeView(420, 200);
    const QImage& picture = view->picture();
    test::savePicture(picture, "survey-elevation-segments.png");
    const ElevationScale& scale = view->chart().scale();
    ASSERT_DOUBLE_EQ(scale.xStep, 400.0 / 20);

    // Within a level the segments are flat, so their middles are exact pixels.
    int index = 0;
    for (const Level& level : levels) {
        for (int i = 0; i < kPerLevel; ++i, ++index) {
            if (i == 0) continue;
            const std::int32_t cm = static_cast<std::int32_t>(level.metres * 100);
            const PixelPoint from = elevationPoint(scale, index - 1, cm, survey().altitudeMin);
            const PixelPoint to = elevationPoint(scale, index, cm, survey().altitudeMin);
            EXPECT_EQ(colourName(picture.pixel((from.x + to.x) / 2, to.y)),
                      colourName(level.colour))
                << level.why << ", sample " << index;
        }
    }

    // The grid: grey lines right of the last sample, and grey label text
    // hanging below the top line.
    for (const ElevationGridLine& line : elevationGrid(scale, survey().altitudeMax, app.store)) {
        if (line.y >= picture.height()) continue;
        EXPECT_EQ(colourName(picture.pixel(scale.chart.right - 3, line.y)), colourName(kGrey))
            << "grid line at y " << line.y;
    }
    EXPECT_GT(test::countPixels(picture, QRect(kElevationLabelX, 3, 40, 9),
                                [](QRgb p) { return p == kGrey; }),
              10);

    // The window shows the canvas as it is.
    EXPECT_EQ(differingPixels(view->grab().toImage().convertToFormat(QImage::Format_RGB32),
                              picture),
              0);
}

TEST_F(SurveyElevationViewTest, FollowsFixesThenRedrawsCompressedAtTheRightEdge)
{
    const double pattern[] = {100, 103, 106, 101, 104, 102, 105, 100, 106, 103};
    for (double metres : pattern) addSample(metres);
    auto view = makeView(120, 150);
    view->picture();
    ASSERT_DOUBLE_EQ(view->chart().scale().xStep, 10);

    // Each fix is stored (as the plot view would) and then followed: one
    // segment, the indicators moved by exclusive-or.
    auto follow = [&](const std::string& metres) {
        addSample(std::stod(metres));
        receiveFix(metres);
        view->tick();
    };
    follow("106");
    follow("100");
    EXPECT_DOUBLE_EQ(view->chart().scale().xStep, 10) << "still room: no rescale";
    {
        // A chart 20 pixels wider has the same x step for 12 samples: what
        // the follower drew must match a full paint there.
        auto wider = makeView(140, 150);
        ASSERT_DOUBLE_EQ(wider->chart().scale().xStep, 10);
        const QRect shared(0, 0, 120, 150);
        // Where a new segment crosses the old indicator rows, the erase that
        // follows the segment flips the segment's pixels too: those few may
        // differ, and only by an indicator's colour.
        const QImage followed = view->picture();
        const QImage painted = wider->picture().copy(shared);
        int flipped = 0;
        int unexplained = 0;
        for (int y = 0; y < followed.height(); ++y)
            for (int x = 0; x < followed.width(); ++x) {
                const QRgb diff = (followed.pixel(x, y) ^ painted.pixel(x, y)) & 0xffffff;
                if (diff == 0) continue;
                if (diff == 0xffffff || diff == 0xff00ff)
                    ++flipped;
                else
                    ++unexplained;
            }
        EXPECT_EQ(unexplained, 0);
        // An indicator row left behind, or drawn twice, would flip ~120.
        EXPECT_LT(flipped, 20);
    }

    // The 13th point lands at x = 120, the right edge: the chart is rescaled
    // for 13 samples and drawn again from the store.
    follow("105");
    EXPECT_DOUBLE_EQ(view->chart().scale().xStep, 100.0 / 13);
    const QImage& compressed = view->picture();
    test::savePicture(compressed, "survey-elevation-compressed.png");
    auto fresh = makeView(120, 150);
    EXPECT_EQ(differingPixels(compressed, fresh->picture()), 0);
}

TEST_F(SurveyElevationViewTest, SmoothDrawingSmoothsTheTraceAndLeavesTheIndicatorLinesExclusiveOr)
{
    for (int i = 0; i < 30; ++i) addSample(100 + ((i * 7) % 11));
    setIndicators(0, 0);
    auto view = makeView(300, 200);
    const QImage plain = view->picture();

    writeSetting(app.store, settings::general::kSmoothDrawing, 1);
    view->tick(); // no fix: the tick alone notices the setting
    const QImage smooth = view->picture();
    // Right of the labels (from x = 20), where only the levels and the
    // trace are: the slanted trace's edges blend into the ground.
    const auto colours = [](const QImage& image) {
        return test::distinctColours(image, image.rect().adjusted(120, 0, 0, 0));
    };
    EXPECT_GT(colours(smooth), colours(plain) + 5);

    // The least-squares lines change only their own pixels, each by white's
    // exclusive-or, and vanish again.
    doc->toggleLsfIndicator();
    EXPECT_GT(test::exclusiveOrChanges(smooth, view->picture(), 0x00ffffffu), 300);
    doc->toggleLsfIndicator();
    EXPECT_EQ(differingPixels(view->picture(), smooth), 0);

    writeSetting(app.store, settings::general::kSmoothDrawing, 0);
    view->tick();
    EXPECT_EQ(differingPixels(view->picture(), plain), 0);
}

TEST_F(SurveyElevationViewTest, IndicatorLinesAppearAndVanishWithTheirFlags)
{
    for (int i = 0; i < 30; ++i) addSample(100 + ((i * 7) % 11));
    setIndicators(0, 0);
    auto view = makeView(300, 200);
    const QImage plain = view->picture();
    const ElevationChart& chart = view->chart();

    struct Case {
        const char* name;
        void (CSurveyDoc::*toggle)();
        QRgb mask;      // what the line's exclusive-or flips
        bool lsf;
    };
    const Case cases[] = {
        {"least squares", &CSurveyDoc::toggleLsfIndicator, 0xffffff, true},
        {"mean", &CSurveyDoc::toggleMeanIndicator, 0xff00ff, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        (doc.get()->*c.toggle)();
        const QImage shown = view->picture();
        test::savePicture(shown, c.lsf ? "survey-elevation-lsf.png" : "survey-elevation-mean.png");
        const std::int32_t min = survey().altitudeMin;
        std::vector<int> rows;
        if (c.lsf) {
            // The 1-pixel estimate line is probed whole; the 2-pixel band
            // edges need only keep their changes near their rows.
            rows = {elevationLineY(chart.scale(), chart.estimateCopy(), min),
                    elevationLineY(chart.scale(), chart.estimateCopy() + chart.spreadCopy(), min),
                    elevationLineY(chart.scale(), chart.estimateCopy() - chart.spreadCopy(), min)};
            ASSERT_GT(rows[0] - rows[1], 2) << "the band must stand clear of the estimate";
            ASSERT_GT(rows[2] - rows[0], 2);
        } else {
            rows = {elevationLineY(chart.scale(), chart.meanCopy(), min)};
        }
        const int probed = rows[0];
        for (int x = 0; x < shown.width(); ++x)
            ASSERT_EQ(colourName(shown.pixel(x, probed)),
                      colourName(plain.pixel(x, probed) ^ c.mask))
                << "x " << x << ", row " << probed;
        int stray = 0;
        for (int y = 0; y < shown.height(); ++y) {
            bool near = false;
            for (int row : rows) near = near || (y >= row - 1 && y <= row + 1);
            if (near) continue;
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != plain.pixel(x, y)) ++stray;
        }
        EXPECT_EQ(stray, 0) << "changes away from the indicator rows";

        (doc.get()->*c.toggle)();
        EXPECT_EQ(differingPixels(view->picture(), plain), 0) << "switched off, nothing left";
    }
}

TEST_F(SurveyElevationViewTest, StatusBarShowsTheAltitudeUnderTheMouse)
{
    addSample(100);
    addSample(110);
    auto view = makeView(200, 200); // a chart 196 pixels high for 10 m
    struct Case {
        int units;
        int y;
        const char* text;
    };
    const Case cases[] = {
        {altitudeMeters, 0, "Elevation:   110.00 m     "},
        {altitudeMeters, 196, "Elevation:   100.00 m     "},
        {altitudeFeet, 0, "Elevation:   360.89 ft     "},
        {altitudeFeet, 98, "Elevation:   344.49 ft     "},
    };
    for (const Case& c : cases) {
        writeSetting(app.store, settings::display::kAltitudeUnits, c.units);
        app.statusText.clear();
        const QPointF at(50, c.y);
        QMouseEvent move(QEvent::MouseMove, at, view->child()->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view->child(), &move);
        EXPECT_EQ(app.statusText, c.text) << "y " << c.y;
    }
}

TEST_F(SurveyElevationViewTest, AnErasedSurveyLabelsNoAltitude)
{
    for (double metres : {100.0, 104.0, 108.0}) addSample(metres);
    auto view = makeView(300, 200);
    const QRect topLabel(kElevationLabelX, 3, 40, 9);
    auto greyIn = [&](const QImage& picture) {
        return test::countPixels(picture, topLabel, [](QRgb p) { return p == kGrey; });
    };
    ASSERT_GT(greyIn(view->picture()), 10) << "the top label before";

    app.asker.answers.push_back(Prompter::Answer::Yes);
    doc->eraseCommand(nullptr);
    ASSERT_EQ(survey().sampleCount(), 0u);
    EXPECT_EQ(view->chart().scale().yScale, 0);
    for (const ElevationGridLine& line :
         elevationGrid(view->chart().scale(), survey().altitudeMax, app.store))
        EXPECT_FALSE(line.labelled) << line.label;
    EXPECT_EQ(view->chart().cursorText(50, survey(), app.store), "");
    EXPECT_EQ(greyIn(view->picture()), 0) << "no label drawn";
    EXPECT_TRUE(view->chart().indicators(survey()).empty()) << "no altitude to mark";
}

} // namespace
} // namespace orbilunex
