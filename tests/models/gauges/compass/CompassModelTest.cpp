#include "models/gauges/compass/CompassLayout.h"
#include "models/gauges/compass/HeadingSmoother.h"

#include <gtest/gtest.h>

#include <vector>

namespace orbilunex {
namespace {

TEST(HeadingSmoother, TurnsTheShortWayAndSettlesOnTheWholeDegree)
{
    struct Case {
        double start;
        double course;
        std::vector<double> headings; // after each update
        const char* legend;
    };
    const Case cases[] = {
        // 10 - 350 = -340 is the long way: +20, a fifth of it 4.
        {350, 10, {354, 357.2, 359.76, 0, 2, 3.6}, "clockwise across north; 361.8 becomes 0"},
        {2, 350, {359, 357.2}, "anticlockwise across north; -0.4 becomes 359"},
        {9.8, 10, {10, 10}, "a step under 0.05 lands on the course"},
        {10.6, 10.7, {10, 10.14}, "it lands on the course truncated, then moves on"},
        {9.7, 10, {9.76}, "a step of 0.06 is still taken"},
        {359.9, 0.1, {0}, "0.04 short way: lands on 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        HeadingSmoother smoother;
        smoother.heading = c.start;
        for (double want : c.headings) EXPECT_NEAR(smoother.update(c.course), want, 1e-9);
    }
}

TEST(HeadingTape, TheHeadingLineStandsOnTheHeadingDegree)
{
    // 400 wide: a 460 strip from -30, 5 pixels a degree, 46 degrees to the
    // middle.
    const HeadingTapeLayout tape = layoutHeadingTape({0, 0, 400, 100}, 0);
    EXPECT_EQ(tape.strip, (PixelRect{-30, 0, 430, 100}));
    EXPECT_EQ(tape.pixelsPerDegree, 5);
    EXPECT_EQ(tape.firstDegree, 314) << "-46 wraps to 314";
    EXPECT_EQ(tape.headingColumn, 200);
    EXPECT_EQ(tape.fontTenths, 153);
    ASSERT_EQ(tape.ticks.size(), 92u);
    const TapeTick& under = tape.ticks[46];
    EXPECT_EQ(under.column, tape.headingColumn);
    EXPECT_EQ(under.degree, 0);
    EXPECT_EQ(under.label, "N");
    EXPECT_EQ(under.length, 50);
    EXPECT_EQ(tape.ticks[45].degree, 359);
    EXPECT_EQ(tape.ticks.back().degree, 45);
    EXPECT_EQ(tape.ticks.back().label, "NE");

    // Narrow: 160 / 90 is 1, raised to 2 pixels a degree.
    const HeadingTapeLayout narrow = layoutHeadingTape({0, 0, 100, 30}, 20);
    EXPECT_EQ(narrow.pixelsPerDegree, 2);
    EXPECT_EQ(narrow.firstDegree, 340);
    EXPECT_EQ(narrow.headingColumn, 50);
    EXPECT_EQ(narrow.ticks[40].degree, 20);

    EXPECT_EQ(layoutHeadingTape({0, 0, 900, 60}, 359).pixelsPerDegree, 10);
}

TEST(HeadingTape, LabelsAndTickLengths)
{
    const struct {
        int degree;
        const char* label;
        int length; // on a strip 60 high
    } cases[] = {
        {0, "N", 30},    {45, "NE", 20},   {90, "E", 30},   {135, "SE", 20},
        {180, "S", 30},  {225, "SW", 20},  {270, "W", 30},  {315, "NW", 20},
        {15, "15", 20},  {30, "30", 30},   {105, "105", 20}, {345, "345", 20},
        {10, "", 30},    {5, "", 20},      {7, "", 12},     {359, "", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.degree);
        EXPECT_EQ(tapeLabel(c.degree), c.label);
        EXPECT_EQ(tapeTickLength(c.degree, 60), c.length);
    }
}

TEST(CompassCards, MarksStandRelativeToTheHeading)
{
    EXPECT_EQ(relativeAngle(45, 90), 315) << "bearing 45 seen from heading 90";
    EXPECT_EQ(relativeAngle(120, 90), 30);
    EXPECT_EQ(relativeAngle(0, 359), 1);

    const struct {
        int degrees;
        const char* bearingLabel;
        const char* simpleLabel;
    } labels[] = {
        {0, "N", "N"},     {30, "30", ""},   {40, "", ""},     {45, "", ""},
        {90, "E", "E"},    {180, "S", "S"},  {270, "W", "W"},  {330, "330", ""},
    };
    for (const auto& c : labels) {
        SCOPED_TRACE(c.degrees);
        EXPECT_EQ(bearingCardLabel(c.degrees), c.bearingLabel);
        EXPECT_EQ(simpleCardLabel(c.degrees), c.simpleLabel);
    }
}

TEST(CompassCards, TextsAndTheCaret)
{
    EXPECT_EQ(headingDigits(7), "007");
    EXPECT_EQ(rangeText(0, "km"), "0.0 km");

    // Dial square (5, 5)-(205, 205): D 200, centre 105.
    const HeadingCaret caret = headingCaret(layoutDial({0, 0, 210, 210}));
    EXPECT_EQ(caret.tip, (PixelPoint{105, 5}));
    EXPECT_EQ(caret.left, (PixelPoint{95, 25}));
    EXPECT_EQ(caret.right, (PixelPoint{115, 25}));
}

} // namespace
} // namespace orbilunex
