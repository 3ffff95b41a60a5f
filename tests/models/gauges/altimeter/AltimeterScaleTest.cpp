#include "models/gauges/altimeter/AltimeterScale.h"

#include <gtest/gtest.h>

namespace orbilunex {
namespace {

TEST(AltimeterScale, PointersAndReadout)
{
    struct Case {
        double altitude;
        double pointers[3]; // long, short, dot
        const char* readout;
    };
    const Case cases[] = {
        {1250, {90, 45, 4.5}, "01250.00 ft"},
        {-250, {-90, -9, -0.9}, "-0250.00 ft"}, // anticlockwise below sea level
        {999.6, {359.856, 35.964, 3.5964}, "00999.60 ft"},
        {-999.6, {-359.856, -35.964, -3.5964}, "-0999.60 ft"}, // truncated toward zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.altitude);
        const AltimeterPointers p = altimeterPointers(c.altitude);
        EXPECT_NEAR(p.longPointer, c.pointers[0], 1e-9);
        EXPECT_NEAR(p.shortPointer, c.pointers[1], 1e-9);
        EXPECT_NEAR(p.dot, c.pointers[2], 1e-9);
        EXPECT_EQ(altimeterReadout(c.altitude, "ft"), c.readout);
    }
}

TEST(AltimeterScale, MajorTicksAreNumberedZeroToNine)
{
    const std::vector<DialTick> ticks = altimeterScale();
    ASSERT_EQ(ticks.size(), 50u);
    std::string numerals;
    for (int k = 0; k < 50; ++k) {
        EXPECT_EQ(ticks[k].major, k % 5 == 0) << k;
        EXPECT_NEAR(ticks[k].degrees, 7.2 * k, 1e-9) << k;
        numerals += ticks[k].label;
    }
    EXPECT_EQ(numerals, "0123456789");
}

} // namespace
} // namespace orbilunex
