#include "format/FixedText.h"
#include "models/gauges/DialGeometry.h"
#include "models/gauges/SmoothingFilter.h"
#include "models/gauges/VisibleChange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

// The read-outs skip a redraw when their text would read the same: that
// must agree with the text itself at every edge of rounding.
TEST(VisibleChange, SameFixedTextAgreesWithTheTextDrawn)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double a;
        double b;
        int precision;
    } cases[] = {
        {12.344, 12.3449, 2}, {12.344, 12.345, 2}, {0.125, 0.12, 2},  {0.125, 0.13, 2},
        {-0.001, 0.001, 2},   {-0.0, 0.0, 1},      {0.04, 0.05, 1},   {99.995, 100.0, 2},
        {1e300, 1e300, 2},    {inf, inf, 2},       {inf, -inf, 2},    {nan, nan, 2},
        {nan, inf, 2},        {5.0, nan, 2},       {7.25, 7.35, 0},   {3.5, 4.4, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(fixedText(c.a, c.precision, 0) + " / " + fixedText(c.b, c.precision, 0));
        EXPECT_EQ(sameFixedText(c.a, c.b, c.precision),
                  fixedText(c.a, c.precision, 8) == fixedText(c.b, c.precision, 8));
    }
}

TEST(VisibleChange, AShiftIsTheShortArcAndATenthOfAPixelShows)
{
    const double pi = 3.14159265358979323846;
    EXPECT_NEAR(turnShift(100, 10, 11), 100 * pi / 180, 1e-12);
    EXPECT_NEAR(turnShift(100, 359.5, 0.5), 100 * pi / 180, 1e-12) << "across north";
    EXPECT_NEAR(turnShift(100, 0, 721), 100 * pi / 180, 1e-12) << "whole turns draw alike";
    EXPECT_TRUE(shiftShows(0.1));
    EXPECT_FALSE(shiftShows(0.0999));
    EXPECT_TRUE(shiftShows(std::nan(""))) << "what cannot be told is drawn";
}

} // namespace
} // namespace orbilunex
