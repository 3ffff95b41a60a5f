#include "models/survey/elevation/ElevationChart.h"

#include "nmea/GpsState.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace orbilunex;

namespace {

// A 100 x 104 client: chart {0, 2, 100, 102}, 80 pixels for the samples.
const PixelRect kClient{0, 0, 100, 104};

GpsState fix(std::int32_t ggaCount, double metres, double vdop = 1.0, int fixType = 3,
             int quality = 1)
{
    GpsState state;
    resetGpsState(state);
    state.ggaCount = ggaCount;
    state.altitude = metres;
    state.vdop = vdop;
    state.fixType = static_cast<std::uint8_t>(fixType);
    state.fixQuality = static_cast<std::uint8_t>(quality);
    return state;
}

std::vector<int> ysOf(const std::vector<ElevationIndicatorLine>& lines)
{
    std::vector<int> ys;
    for (const ElevationIndicatorLine& line : lines) ys.push_back(line.from.y);
    return ys;
}

class ElevationChartTest : public ::testing::Test {
protected:
    // 100.00, 101.00, 100.50, 99.00 m: range 9900..10100 cm, y scale 0.5,
    // x step 20; only the first and last qualify for the altitude averages.
    void storeFourAndPaint()
    {
        survey.addSample(1, 2, 100.0, 10, 1, 10, 15);
        survey.addSample(1, 2, 101.0, 10, 1, 10, 31);
        survey.addSample(1, 2, 100.5, 10, 0, 10, 20);
        survey.addSample(1, 2, 99.0, 10, 1, 10, 30);
        chart.resize(kClient, survey);
        drawn = paint();
    }
    std::vector<ElevationSegment> paint()
    {
        std::vector<ElevationSegment> segments;
        repaintAsked =
            chart.paintSamples(survey, [&](const ElevationSegment& s) { segments.push_back(s); });
        return segments;
    }

    MemorySettingsStore settings;
    SurveyModel survey{settings};
    ElevationChart chart;
    std::vector<ElevationSegment> drawn;
    bool repaintAsked = false;
};

} // namespace

TEST_F(ElevationChartTest, PaintJoinsSamplesClassifiesThemAndPlacesTheIndicators)
{
    storeFourAndPaint();
    EXPECT_EQ(survey.altitudeMin, 9900); // rescanned on resize
    EXPECT_FALSE(repaintAsked);
    struct Row { PixelPoint from, to; bool accepted; const char* legend; };
    const Row rows[] = {
        {{0, 52}, {0, 52}, true, "first of a pass: a point; VDOP 1.5 within 3.0"},
        {{0, 52}, {20, 2}, false, "VDOP 3.1 over the limit: red"},
        {{20, 2}, {40, 27}, false, "2D fix: red whatever its VDOP"},
        {{40, 27}, {60, 102}, true, "VDOP exactly at the limit: blue"},
    };
    ASSERT_EQ(drawn.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(rows[i].legend);
        EXPECT_TRUE(drawn[i].from == rows[i].from && drawn[i].to == rows[i].to);
        EXPECT_EQ(drawn[i].accepted, rows[i].accepted);
    }

    // Accepted 100 and 99 m: mean 99.5; the fit through both reads 98 one
    // index ahead, with spread 1 / sqrt(2).
    EXPECT_DOUBLE_EQ(chart.spreadCopy(), 1 / std::sqrt(2.0));
    struct Flags { int lsf, mean; std::vector<int> ys; const char* legend; };
    const Flags flags[] = {
        {1, 1, {116, 187, 152, 77}, "both: +spread, -spread, estimate, mean"},
        {0, 1, {77}, "mean only"},
        {5, 0, {116, 187, 152}, "any non-zero flag is on"},
        {0, 0, {}, "neither"},
    };
    for (const Flags& row : flags) {
        SCOPED_TRACE(row.legend);
        survey.enablePalsfsd = row.lsf;
        survey.enablePositionAvgIndicator = row.mean;
        EXPECT_EQ(ysOf(chart.indicators(survey)), row.ys);
    }
    survey.enablePalsfsd = survey.enablePositionAvgIndicator = 1;
    const std::vector<ElevationIndicatorLine> lines = chart.indicators(survey);
    EXPECT_TRUE(lines[0].from.x == 0 && lines[0].to.x == 100); // the chart's full width
    EXPECT_EQ(lines[0].width, 2);
    EXPECT_EQ(lines[2].width, 1); // the estimate, thinner than the band
    EXPECT_EQ(lines[3].width, 2);
    EXPECT_EQ(lines[3].colour, ElevationIndicatorColour::Magenta);
}

TEST_F(ElevationChartTest, FollowingFixesErasesWhatItDrewAndRescalesAtTheRightEdge)
{
    storeFourAndPaint();
    std::vector<int> shown = ysOf(chart.indicators(survey));
    // The plot view stores each fix as well; x = 4 * 20, then 5 * 20: the
    // right edge exactly.
    const int expectedX[] = {80, 100};
    for (int n = 1; n <= 2; ++n) {
        SCOPED_TRACE(n);
        survey.addSample(1, 2, 100.0, 10, 1, 10, 10);
        const ElevationFixStep step = chart.follow(fix(n, 100.0), survey);
        ASSERT_EQ(step.outcome, ElevationFixStep::Outcome::Plotted);
        EXPECT_EQ(step.segment.to.x, expectedX[n - 1]);
        EXPECT_TRUE(step.segment.accepted);
        EXPECT_EQ(step.repaint, n == 2);
        // XOR erasing: the mean line first, then exactly the lines on screen.
        const std::vector<int> erased = ysOf(step.erase);
        ASSERT_EQ(erased.size(), 4u);
        EXPECT_EQ((std::vector<int>{erased[1], erased[2], erased[3], erased[0]}), shown);
        shown = ysOf(step.draw);
    }
    EXPECT_EQ(shown[3], 65); // mean of 100, 99, 100, 100 m: 102 - trunc(75 * 0.5)
    // Compressed to the six samples now stored; the next paint fits them.
    EXPECT_DOUBLE_EQ(chart.scale().xStep, 80.0 / 6);
    const std::vector<ElevationSegment> again = paint();
    EXPECT_EQ(again.front().to.x, 0); // a new pass starts at the left
    EXPECT_EQ(again.back().to.x, 66);
}

TEST_F(ElevationChartTest, NewAltitudesWidenTheRangeAndRepaint)
{
    chart.resize(kClient, survey);
    // The sentinels of an empty survey give no y scale; the first fix moves
    // both, and with max = min there is still none.
    EXPECT_EQ(chart.scale().yScale, 0);
    ElevationFixStep step = chart.follow(fix(1, 50.0), survey);
    EXPECT_EQ(step.outcome, ElevationFixStep::Outcome::Repaint);
    EXPECT_TRUE(survey.altitudeMax == 5000 && survey.altitudeMin == 5000);
    EXPECT_EQ(chart.scale().yScale, 0);
    // A rejected fix (VDOP 9.9, 2D) widens the range all the same.
    step = chart.follow(fix(2, 50.5, 9.9, 2), survey);
    EXPECT_EQ(step.outcome, ElevationFixStep::Outcome::Repaint);
    EXPECT_DOUBLE_EQ(chart.scale().yScale, 100.0 / 50);
    // Within the range: plotted, starting a pass when one sample is stored.
    survey.addSample(1, 2, 50.2, 10, 1, 10, 10);
    step = chart.follow(fix(3, 50.2), survey);
    EXPECT_EQ(step.outcome, ElevationFixStep::Outcome::Plotted);
    EXPECT_TRUE(step.segment.from == step.segment.to && step.segment.to.y == 102 - 40);
}

TEST_F(ElevationChartTest, FixesThatAreNotFollowed)
{
    struct Row { bool acquisition; int verify, quality; std::int32_t last; bool followed; };
    const Row rows[] = {
        {true, 1, 1, 6, true},   // a valid new fix
        {false, 1, 1, 6, false}, // acquisition off
        {true, 1, 1, 7, false},  // this GGA already followed
        {true, 1, 0, 6, false},  // an invalid fix while verifying
        {true, 0, 0, 6, true},   // an invalid fix, not verifying
    };
    for (const Row& row : rows) {
        SurveyModel fresh(settings);
        fresh.acquisitionEnabled = row.acquisition;
        fresh.verifyPositionFix = row.verify;
        ElevationChart c;
        c.lastGgaCount = row.last;
        const ElevationFixStep step = c.follow(fix(7, 10.0, 1.0, 3, row.quality), fresh);
        EXPECT_EQ(step.outcome != ElevationFixStep::Outcome::Nothing, row.followed);
        EXPECT_EQ(fresh.altitudeMax == 1000, row.followed);
    }
}
