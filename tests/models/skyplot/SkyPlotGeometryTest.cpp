#include "models/skyplot/SkyPlotGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace orbilunex {

// Readable failures for the geometry's value types.
void PrintTo(const PixelPoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

void PrintTo(const PixelRect& r, std::ostream* os)
{
    *os << "[" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "]";
}

namespace {

// The on-screen inset of the chart inside its window.
constexpr int kScreenInset = 3;

PlotSquare screenPlot(int width, int height)
{
    return layoutPlotSquare({0, 0, width, height}, kScreenInset);
}

struct LayoutCase {
    PixelRect area;
    int inset;
    PixelRect square;
    double centreX;
    double centreY;
    double radius;
    const char* legend;
};

const LayoutCase layoutCases[] = {
    {{0, 0, 406, 406}, 3, {3, 3, 403, 403}, 203, 203, 200, "square window"},
    {{0, 0, 606, 406}, 3, {103, 3, 503, 403}, 303, 203, 200, "wide window: centred across"},
    {{0, 0, 406, 606}, 3, {3, 103, 403, 503}, 203, 303, 200, "tall window: centred down"},
    {{0, 0, 408, 409}, 3, {3, 3, 405, 405}, 204, 204.5, 201,
     "odd height: top 3.5 and bottom 405.5 truncate"},
    {{0, 0, 407, 408}, 3, {3, 3, 404, 404}, 203.5, 204, 200.5,
     "odd width: half-pixel radius, top 3.5 and bottom 404.5 truncate"},
    {{10, 20, 110, 70}, 0, {35, 20, 85, 70}, 60, 45, 25, "offset area without inset"},
    {{-10, -20, 1, 0}, 0, {-10, -15, 1, -4}, -4.5, -10, 5.5,
     "negative coordinates truncate toward zero"},
    {{0, 0, 6, 6}, 3, {3, 3, 3, 3}, 3, 3, 0, "nothing left inside the inset"},
    {{0, 0, 5, 5}, 3, {3, 3, 2, 2}, 2.5, 2.5, -0.5, "inset larger than the window"},
};

TEST(SkyPlotGeometry, LayoutInsetsCentresAndTruncatesThePlotSquare)
{
    for (const LayoutCase& row : layoutCases) {
        SCOPED_TRACE(row.legend);
        const PlotSquare plot = layoutPlotSquare(row.area, row.inset);
        EXPECT_EQ(plot.square, row.square);
        EXPECT_DOUBLE_EQ(plot.centreX, row.centreX);
        EXPECT_DOUBLE_EQ(plot.centreY, row.centreY);
        EXPECT_DOUBLE_EQ(plot.radius, row.radius);
        // Pixels per degree of elevation use the stored value of 1/90.
        EXPECT_DOUBLE_EQ(plot.scale, row.radius * 0.011111111111111112);
    }
}

// The projection written out from its definition for the 406 x 406 window
// (square 3..403, radius 200), with the chart's constants: degrees to
// radians with pi as 3.14159265359, and the stored 1/90.
PixelPoint projectByDefinition(int azimuth, int elevation)
{
    const double k = 0.017453292519944444;
    const double s = 200 * 0.011111111111111112;
    const double d = s * (90 - elevation);
    const int left = 3, top = 3, right = 403, bottom = 403;
    return {static_cast<int>(d * std::sin(azimuth * k)) +
                static_cast<int>(left + (right - left) * 0.5),
            static_cast<int>(-d * std::cos(azimuth * k)) +
                static_cast<int>(top + (bottom - top) * 0.5)};
}

struct CardinalCase {
    int azimuth;
    int elevation;
    PixelPoint expected;
    const char* legend;
};

const CardinalCase cardinalCases[] = {
    {0, 0, {203, 3}, "north horizon: top of the circle"},
    {0, 45, {203, 103}, "north, half way up"},
    {0, 90, {203, 203}, "zenith from north"},
    {90, 0, {403, 203}, "east horizon: right"},
    {90, 45, {303, 203}, "east, half way up"},
    {90, 90, {203, 203}, "zenith from east"},
    {180, 0, {203, 403}, "south horizon: bottom"},
    {180, 45, {203, 303}, "south, half way up"},
    {180, 90, {203, 203}, "zenith from south"},
    {270, 0, {3, 203}, "west horizon: left"},
    {270, 45, {103, 203}, "west, half way up"},
    {270, 90, {203, 203}, "zenith from west"},
};

TEST(SkyPlotGeometry, ProjectsCardinalDirectionsOntoTheCircle)
{
    const PlotSquare plot = screenPlot(406, 406);
    for (const CardinalCase& row : cardinalCases) {
        SCOPED_TRACE(row.legend);
        const PixelPoint got = project(plot, row.azimuth, row.elevation);
        EXPECT_EQ(got, projectByDefinition(row.azimuth, row.elevation));
        EXPECT_EQ(got, row.expected);
    }
}

struct ProjectCase {
    int width;
    int height;
    int azimuth;
    int elevation;
    PixelPoint expected;
    const char* legend;
};

// Worked by hand on the 406 x 406 window (centre 203, 200/90 px per degree)
// unless the legend says otherwise.
const ProjectCase projectCases[] = {
    {406, 406, 45, 0, {344, 62}, "NE horizon: 141.42 each way, truncated"},
    {406, 406, 135, 30, {297, 297}, "SE at 30: 94.28 each way"},
    {406, 406, 250, 20, {57, 256}, "WSW at 20: x -146.17 truncates toward zero to -146"},
    {406, 406, 300, 60, {146, 170}, "WNW at 60: -57.74 and -33.33"},
    {406, 406, 10, 80, {206, 182}, "near the zenith: 3.86 and -21.88"},
    // A hostile receiver's elevations stay on the sky: held to 0..90.
    {406, 406, 0, 100, {203, 203}, "above 90 stops at the zenith"},
    {406, 406, 135, 65535, {203, 203}, "65535 stops at the zenith"},
    {406, 406, 90, -5, {403, 203}, "below the horizon stays on the circle, east"},
    {406, 406, 180, -65535, {203, 403}, "far below stays on the circle, south"},
    // With pi as 3.14159265359, 30 degrees is a hair past 30: 100.000000000006.
    {406, 406, 30, 0, {303, 30}, "30 degrees: the stored pi keeps 100, not 99"},
    {406, 406, 60, 0, {376, 104}, "60 degrees: y -99.99999999999 truncates to -99"},
    {406, 406, 330, 0, {104, 30}, "330 degrees: x -99.99999999993 truncates to -99"},
    {606, 406, 45, 0, {444, 62}, "wide window: centre x 303"},
    {606, 406, 250, 20, {157, 256}, "wide window, WSW at 20"},
    {606, 406, 123, 90, {303, 203}, "wide window zenith"},
    {407, 408, 77, 90, {203, 203},
     "odd width: centre y from the truncated square (203), not the area's 204"},
    {408, 407, 77, 90, {203, 203},
     "odd height: centre x from the truncated square (203), not the area's 204"},
};

TEST(SkyPlotGeometry, ProjectsWorkedExamples)
{
    for (const ProjectCase& row : projectCases) {
        SCOPED_TRACE(row.legend);
        const PlotSquare plot = screenPlot(row.width, row.height);
        EXPECT_EQ(project(plot, row.azimuth, row.elevation), row.expected);
    }
}

TEST(SkyPlotGeometry, ZenithIsTheCentreForEveryAzimuth)
{
    const PlotSquare plot = screenPlot(406, 406);
    for (int azimuth = 0; azimuth < 360; ++azimuth)
        EXPECT_EQ(project(plot, azimuth, 90), (PixelPoint{203, 203})) << "azimuth " << azimuth;
}

struct RingCase {
    int width;
    int height;
    int elevation;
    PixelRect expected;
    const char* legend;
};

const RingCase ringCases[] = {
    {406, 406, 0, {3, 3, 403, 403}, "horizon ring fills the square"},
    {406, 406, 15, {37, 37, 369, 369}, "15: radius 166.67 truncates to 166"},
    {406, 406, 30, {70, 70, 336, 336}, "30: radius 133"},
    {406, 406, 45, {103, 103, 303, 303}, "45: radius 100"},
    {406, 406, 60, {137, 137, 269, 269}, "60: radius 66"},
    {406, 406, 75, {170, 170, 236, 236}, "75: radius 33"},
    {407, 408, 0, {3, 4, 403, 404}, "odd width: 203.5 - 200 truncates to 3, radius 200"},
    {407, 408, 15, {36, 37, 370, 371}, "odd width, 15: radius 167.08, x 36.5 and 370.5"},
    {606, 406, 45, {203, 103, 403, 303}, "wide window, 45"},
};

TEST(SkyPlotGeometry, RingBoxesShrinkWithElevation)
{
    for (const RingCase& row : ringCases) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(ringBox(screenPlot(row.width, row.height), row.elevation), row.expected);
    }
}

struct DiscCase {
    int width;
    int height;
    PixelRect expected;
    const char* legend;
};

const DiscCase discCases[] = {
    {406, 406, {3, 3, 403, 403}, "whole radius"},
    {407, 407, {3, 3, 403, 403}, "radius 200.5 truncated to 200 before boxing"},
    {407, 408, {3, 4, 403, 404}, "centre 203.5, 204"},
    {606, 406, {103, 3, 503, 403}, "wide window"},
};

TEST(SkyPlotGeometry, ClipDiscUsesTheTruncatedRadius)
{
    for (const DiscCase& row : discCases) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(clipDiscBox(screenPlot(row.width, row.height)), row.expected);
    }
}

struct CentreCase {
    int width;
    int height;
    PixelPoint expected;
    const char* legend;
};

const CentreCase centreCases[] = {
    {406, 406, {203, 203}, "even sizes"},
    {408, 409, {204, 204}, "centre y 204.5 truncates"},
    {407, 408, {203, 204}, "centre 203.5, 204: one below project's centre"},
    {606, 406, {303, 203}, "wide window"},
};

TEST(SkyPlotGeometry, SpokeCentreTruncatesTheAreaCentre)
{
    for (const CentreCase& row : centreCases) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(spokeCentre(screenPlot(row.width, row.height)), row.expected);
    }
}

struct SpokeCase {
    int azimuth;
    double degreesOut;
    PixelPoint expected;
    const char* legend;
};

// On the 406 x 406 window: 90 degrees out is 200 px, 82.5 is 183.33 px.
const SpokeCase spokeCases[] = {
    {360, 90, {203, 3}, "360 points straight up"},
    {360, 82.5, {203, 20}, "label of 360 above the centre"},
    {90, 90, {403, 203}, "east spoke end"},
    {180, 82.5, {203, 386}, "south label point"},
    {270, 82.5, {20, 203}, "west label: -183.33 truncates toward zero"},
    {30, 82.5, {294, 45}, "30 label: 91.67 and -158.77"},
    {150, 90, {302, 376}, "150 end: x 99.99999999997 truncates to 99"},
    {210, 90, {103, 376}, "210 end: x -100.00000000004 truncates to -100"},
    {330, 90, {104, 30}, "330 end: x -99.99999999993 truncates to -99"},
};

TEST(SkyPlotGeometry, SpokePointsRunOutFromTheCentre)
{
    const PlotSquare plot = screenPlot(406, 406);
    for (const SpokeCase& row : spokeCases) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(spokePoint(plot, row.azimuth, row.degreesOut), row.expected);
    }
}

struct FontCase {
    PixelRect area;
    int inset;
    int tenths;
    const char* legend;
};

const FontCase fontCases[] = {
    {{0, 0, 406, 406}, 3, 100, "400 px square: 10 points"},
    {{0, 0, 606, 406}, 3, 100, "wide window: the square, not the window, counts"},
    {{0, 0, 1006, 1006}, 3, 250, "1000 px square"},
    {{0, 0, 250, 250}, 3, 61, "244 px square: just above the minimum"},
    {{0, 0, 247, 247}, 3, 60, "241 px square: 60.25 truncates to the minimum"},
    {{0, 0, 246, 246}, 3, 60, "240 px square: the minimum"},
    {{0, 0, 106, 106}, 3, 60, "100 px square: held at the minimum"},
    {{-1, 0, 244, 244}, 0, 60,
     "diameter 244 but the truncated square is 0..243: its width counts"},
    {{0, 0, 6, 6}, 3, 60, "empty square"},
    {{0, 0, 5, 5}, 3, 60, "negative square width"},
};

TEST(SkyPlotGeometry, LabelFontIsAQuarterOfTheSquareAtLeastSixPoints)
{
    for (const FontCase& row : fontCases) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(labelFontTenths(layoutPlotSquare(row.area, row.inset)), row.tenths);
    }
}

struct TinyCase {
    int width;
    int height;
    double radius;
    PixelPoint centre; // where project puts the zenith
    const char* legend;
};

const TinyCase tinyCases[] = {
    {6, 6, 0, {3, 3}, "radius 0"},
    {5, 5, -0.5, {2, 2}, "radius -0.5"},
    {0, 0, -3, {0, 0}, "empty window: radius -3"},
    {1, 400, -2.5, {0, 199}, "one pixel wide: radius -2.5, square 202..197 down"},
};

TEST(SkyPlotGeometry, TinyWindowsDegenerateWithoutError)
{
    for (const TinyCase& row : tinyCases) {
        SCOPED_TRACE(row.legend);
        const PlotSquare plot = screenPlot(row.width, row.height);
        EXPECT_DOUBLE_EQ(plot.radius, row.radius);
        EXPECT_EQ(project(plot, 45, 90), row.centre);
        EXPECT_EQ(labelFontTenths(plot), 60);
        // The horizon ring and the clip disc are the same circle.
        EXPECT_EQ(ringBox(plot, 0), clipDiscBox(plot));
        for (int elevation = 0; elevation <= 75; elevation += 15) ringBox(plot, elevation);
        for (int azimuth = 30; azimuth <= 360; azimuth += 30) spokePoint(plot, azimuth, 82.5);
    }
}

TEST(SkyPlotGeometry, ZeroRadiusPutsEverythingOnTheCentre)
{
    const PlotSquare plot = screenPlot(6, 6);
    for (int azimuth = 0; azimuth < 360; azimuth += 15)
        for (int elevation = 0; elevation <= 90; elevation += 15)
            EXPECT_EQ(project(plot, azimuth, elevation), (PixelPoint{3, 3}))
                << azimuth << "/" << elevation;
    EXPECT_EQ(spokePoint(plot, 90, 90), (PixelPoint{3, 3}));
    EXPECT_EQ(ringBox(plot, 15), (PixelRect{3, 3, 3, 3}));
}

TEST(SkyPlotGeometry, NegativeRadiusMirrorsTheChartThroughItsCentre)
{
    // Empty window: square 3..-3, centre 0, -3 px for 90 degrees.
    const PlotSquare plot = screenPlot(0, 0);
    EXPECT_EQ(project(plot, 0, 0), (PixelPoint{0, 3})) << "north horizon below the centre";
    EXPECT_EQ(project(plot, 0, 90), (PixelPoint{0, 0}));
}

} // namespace
} // namespace orbilunex
