#include "models/gauges/speedometer/SpeedometerScale.h"

#include <gtest/gtest.h>

namespace orbilunex {
namespace {

TEST(SpeedometerScale, NeedleGoesRoundPastFullScaleAndStaysUpWithoutOne)
{
    EXPECT_DOUBLE_EQ(speedometerNeedleAngle(12.5, 10), 450) << "on round to three o'clock";
    EXPECT_DOUBLE_EQ(speedometerNeedleAngle(75, 150), 180);
    EXPECT_DOUBLE_EQ(speedometerNeedleAngle(-5, 20), -90);
    EXPECT_EQ(speedometerNeedleAngle(5, 0), 0) << "no full scale: twelve o'clock";
    EXPECT_EQ(speedometerNeedleAngle(0, 0), 0);
    EXPECT_EQ(speedometerScaleFromSetting(-1), 4294967295.0) << "stored as unsigned";
    EXPECT_EQ(speedometerReadout(12.5, "KT"), "12.50 KT");
}

TEST(SpeedometerScale, MajorTicksCarryTenthsOfFullScale)
{
    struct Case {
        double maxSpeed;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {20, {"0", "2", "4", "6", "8", "10", "12", "14", "16", "18"}},
        {150, {"0", "15", "30", "45", "60", "75", "90", "105", "120", "135"}},
        // A stored -1 read as unsigned: the labels outgrow an int.
        {4294967295.0,
         {"0", "429496729", "858993459", "1288490188", "1717986918", "2147483647", "2576980377",
          "3006477106", "3435973836", "3865470565"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maxSpeed);
        const std::vector<DialTick> ticks = speedometerScale(c.maxSpeed);
        ASSERT_EQ(ticks.size(), 50u);
        std::vector<std::string> labels;
        for (int k = 0; k < 50; ++k) {
            EXPECT_EQ(ticks[k].major, k % 5 == 0) << k;
            EXPECT_NEAR(ticks[k].degrees, 7.2 * k, 1e-9) << k;
            if (ticks[k].major) labels.push_back(ticks[k].label);
        }
        EXPECT_EQ(labels, c.labels);
    }
}

} // namespace
} // namespace orbilunex
