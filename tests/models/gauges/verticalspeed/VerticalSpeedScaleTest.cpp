#include "format/Units.h"
#include "models/gauges/verticalspeed/VerticalSpeedScale.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbilunex {
namespace {

std::vector<std::string> labelsOf(const VerticalSpeedScale& scale)
{
    std::vector<std::string> labels;
    for (const VerticalSpeedTick& tick : scale.ticks)
        if (tick.major) labels.push_back(tick.label);
    return labels;
}

TEST(VerticalSpeedScale, LabelsCountHundredsUnlessTheStepWouldBeBelowOne)
{
    struct Case {
        double fullScale;
        double step;
        const char* prefix;
        std::vector<std::string> labels;
        const char* legend;
    };
    const Case cases[] = {
        {2000, 5, "X100 ", {"0", "5", "10", "15", "20"}, "the default"},
        {400, 1, "X100 ", {"0", "1", "2", "3", "4"}, "a step of exactly 1 keeps hundreds"},
        // 1.25 and 3.75 read as printf's "%.f" writes them: 2.5 ties to even.
        {5, 1.25, "", {"0", "1", "2", "4", "5"}, "plain units"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        const VerticalSpeedScale scale = verticalSpeedScale(c.fullScale);
        EXPECT_EQ(scale.labelStep, c.step);
        EXPECT_EQ(scale.prefix, c.prefix);
        EXPECT_EQ(labelsOf(scale), c.labels);
    }

    MemorySettingsStore feet; // the default altitude unit
    EXPECT_EQ(verticalSpeedScale(2000).prefix + verticalSpeedUnitLabel(feet), "X100 ft/min");
}

TEST(VerticalSpeedScale, MetresPerSecondTakeAHundredthOfTheChoiceWithoutHundreds)
{
    struct Case {
        int choice;
        bool metres;
        double fullScale;
        const char* prefix;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {2000, false, 2000, "X100 ", {"0", "5", "10", "15", "20"}},
        {2000, true, 20, "", {"0", "5", "10", "15", "20"}},
        {400, true, 4, "", {"0", "1", "2", "3", "4"}},
        {5, true, 0.05, "", {"0", "0.0125", "0.025", "0.0375", "0.05"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.choice) + (c.metres ? " m/sec" : " ft/min"));
        const double fullScale = verticalSpeedFullScale(c.choice, c.metres);
        EXPECT_DOUBLE_EQ(fullScale, c.fullScale);
        const VerticalSpeedScale scale = verticalSpeedScale(fullScale);
        EXPECT_EQ(scale.prefix, c.prefix);
        EXPECT_EQ(labelsOf(scale), c.labels);
    }
}

TEST(VerticalSpeedScale, TicksMirrorAboutNineOClock)
{
    const VerticalSpeedScale scale = verticalSpeedScale(2000);
    ASSERT_EQ(scale.ticks.size(), 21u);
    EXPECT_EQ(scale.ticks.front().climbDegrees, 270);
    EXPECT_EQ(scale.ticks.front().descentDegrees, 270);
    EXPECT_EQ(scale.ticks[1].climbDegrees, 277.5);
    EXPECT_EQ(scale.ticks[1].descentDegrees, 262.5);
    EXPECT_FALSE(scale.ticks[1].major);
    EXPECT_TRUE(scale.ticks[5].major);
    EXPECT_EQ(scale.ticks.back().climbDegrees, 420) << "two o'clock";
    EXPECT_EQ(scale.ticks.back().descentDegrees, 120) << "four o'clock";
}

TEST(VerticalSpeedNeedle, SweepsEachSideAndStopsAtItsEnd)
{
    struct Case {
        double value;
        double fullScale;
        double held;
        double degrees;
        const char* legend;
    };
    const Case cases[] = {
        {0, 2000, 0, 270, "level at nine o'clock"},
        {1000, 2000, 1000, 345, "half a climb"},
        {-2000, 2000, -2000, 120, "a full-scale descent"},
        {-5000, 2000, -2000, 120, "beyond full scale: pinned and held"},
        {9000, 2000, 2000, 420, "beyond full scale climbing"},
        {3, 5, 3, 360, "small scales in plain units"},
        {500, 0, 500, 0, "no full scale: twelve o'clock, nothing divided"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(limitVerticalSpeed(c.value, c.fullScale), c.held);
        EXPECT_DOUBLE_EQ(verticalSpeedNeedleAngle(c.value, c.fullScale), c.degrees);
    }
}

} // namespace
} // namespace orbilunex
