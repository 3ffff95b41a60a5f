#include "models/gauges/DialGeometry.h"
#include "models/gauges/SmoothingFilter.h"

#include <gtest/gtest.h>

namespace orbilunex {
namespace {

TEST(SmoothingFilter, ConstantInputApproachesByAFixedShare)
{
    SmoothingFilter filter;
    EXPECT_EQ(filter.setTimeConstant(0.1, 0.5), 0.8187307530779818);
    EXPECT_EQ(filter.setTimeConstant(0.1, 0.0), 0.8187307530779818) << "0 leaves it";
    const double x = 100.0;
    const double expected[] = {18.12692469220181, 32.967995396436066, 45.11883639059736};
    for (double want : expected) EXPECT_NEAR(filter.update(x), want, 1e-12);
    EXPECT_EQ(filter.lastOutput, filter.output);
    filter.reset(7.0);
    EXPECT_EQ(filter.output, 7.0);
    EXPECT_EQ(filter.lastOutput, 7.0);
}

TEST(DialGeometry, TheDialIsCentredOnItsLongerSide)
{
    struct Case {
        PixelRect client;
        PixelRect square;
        const char* legend;
    };
    const Case cases[] = {
        {{0, 0, 410, 210}, {105, 5, 305, 205}, "wider than high: centred across"},
        {{0, 0, 210, 410}, {5, 105, 205, 305}, "higher than wide: centred down"},
        {{0, 0, 211, 211}, {5, 5, 206, 206}, "odd square: 100.5 either side, truncated"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        const DialGeometry dial = layoutDial(c.client);
        EXPECT_EQ(dial.square, c.square);
        EXPECT_EQ(dial.diameter, c.square.width());
        EXPECT_DOUBLE_EQ(dial.unit, dial.radius / 90);
    }
    const DialGeometry dial = layoutDial({0, 0, 190, 190}); // radius 90: a unit is a pixel
    EXPECT_EQ(dialPoint(dial, 90, 0), (PixelPoint{95, 5}));
    EXPECT_EQ(dialPoint(dial, 90, 90), (PixelPoint{185, 95}));
    EXPECT_EQ(dialPoint(dial, 45, 225), (PixelPoint{63, 126})) << "truncated toward zero";
    EXPECT_EQ(atLeastSixPoints(59), 60);
    EXPECT_EQ(atLeastSixPoints(61), 61);
}

} // namespace
} // namespace orbilunex
