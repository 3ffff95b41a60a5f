#include "models/survey/plot/PlotExtents.h"
#include "models/survey/plot/PlotFrame.h"
#include "models/survey/plot/PlotReadout.h"

#include "settings/DisplaySettings.h"
#include "settings/SettingsStore.h"
#include "survey/SurveyModel.h"

#include <gtest/gtest.h>

#include <array>

using namespace orbilunex;

namespace {

// Extents whose spans divide a 300-pixel square into whole scales:
// 150 pixels per degree of latitude, 75 per degree of longitude.
PlotExtents box10to12by20to24()
{
    PlotExtents e;
    e.add(11.0, 22.0);
    e.latitudeMin = 10;
    e.latitudeMax = 12;
    e.longitudeMin = 20;
    e.longitudeMax = 24;
    return e;
}

// A box that held a survey and was reset: all bounds 0, so no scale.
PlotExtents usedAndReset()
{
    PlotExtents e;
    e.add(47.0, 11.0);
    e.reset();
    return e;
}

// A 420 x 320 client: plot area 400 x 300, square {60, 10, 360, 310}.
const PixelRect kClient{0, 0, 420, 320};

} // namespace

TEST(PlotExtents, GrowsOnlyStrictlyBeyondItsBounds)
{
    PlotExtents e;
    EXPECT_TRUE(e.empty());
    EXPECT_TRUE(e.add(47.0, 11.0)); // first position: +-0.0001 around it
    EXPECT_FALSE(e.empty());
    EXPECT_DOUBLE_EQ(e.latitudeMax, 47.0001);
    EXPECT_DOUBLE_EQ(e.latitudeMin, 46.9999);
    EXPECT_DOUBLE_EQ(e.longitudeMax, 11.0001);
    EXPECT_DOUBLE_EQ(e.longitudeMin, 10.9999);

    struct Row { double lat, lon; bool changed; };
    const Row rows[] = {
        {47.0, 11.0, false},          // inside
        {e.latitudeMax, 11.0, false}, // on a bound is not beyond it
        {47.0, 10.9, true},           // west
        {47.5, 11.0, true},           // north
        {47.5, 10.9, false},          // now on two bounds
        {46.0, 12.0, true},           // south and east at once
    };
    for (const Row& r : rows)
        EXPECT_EQ(e.add(r.lat, r.lon), r.changed) << r.lat << ", " << r.lon;
    EXPECT_DOUBLE_EQ(e.latitudeMax, 47.5);
    EXPECT_DOUBLE_EQ(e.latitudeMin, 46.0);
    EXPECT_DOUBLE_EQ(e.longitudeMax, 12.0);
    EXPECT_DOUBLE_EQ(e.longitudeMin, 10.9);

    // Equal latitudes after the first point keep its 0.0002 degree span.
    PlotExtents flat;
    flat.add(47.0, 11.0);
    EXPECT_TRUE(flat.add(47.0, 11.01));
    EXPECT_NEAR(flat.latitudeMax - flat.latitudeMin, 0.0002, 1e-12);
}

TEST(PlotExtents, ResetOfAFreshAndOfAUsedBox)
{
    PlotExtents fresh; // made reset: +-0.0001 around the origin
    EXPECT_TRUE(fresh.empty());
    EXPECT_DOUBLE_EQ(fresh.latitudeMax, 0.0001);
    EXPECT_DOUBLE_EQ(fresh.longitudeMin, -0.0001);

    PlotExtents used = usedAndReset();
    EXPECT_TRUE(used.empty());
    EXPECT_EQ(used.latitudeMax, 0.0);
    EXPECT_EQ(used.longitudeMin, 0.0);
    const SurveyPlotFrame frame = layoutSurveyPlot(surveyPlotArea(kClient), used);
    EXPECT_EQ(frame.xScale, 0.0);
    EXPECT_EQ(frame.yScale, 0.0);
    // The next position starts the box afresh around itself.
    EXPECT_TRUE(used.add(-33.0, 151.0));
    EXPECT_DOUBLE_EQ(used.latitudeMin, -33.0001);
}

TEST(PlotExtents, FitsTheStoredQuantisedSamples)
{
    MemorySettingsStore settings;
    SurveyModel survey(settings);
    survey.addSample(47.00000009, 11.0, 500, 10, 1, 10, 10);
    survey.addSample(47.001, 10.999, 500, 10, 1, 99, 10); // rejected, still plotted
    PlotExtents e;
    e.add(0.0, 50.0);
    e.fitToSamples(survey.samples());
    EXPECT_DOUBLE_EQ(e.latitudeMax, 47.001);
    EXPECT_DOUBLE_EQ(e.latitudeMin, 46.9999); // 47.0000000 stored, minus the margin
    EXPECT_DOUBLE_EQ(e.longitudeMax, 11.0001);
    EXPECT_DOUBLE_EQ(e.longitudeMin, 10.999);
}

TEST(SurveyPlotFrame, SquareIsCentredInTheArea)
{
    struct Row { PixelRect client; PixelRect square; };
    const Row rows[] = {
        {kClient, {60, 10, 360, 310}},               // wider: centred across
        {{0, 0, 220, 520}, {10, 160, 210, 360}},     // narrower: centred down
        {{0, 0, 421, 320}, {60, 10, 360, 310}},      // odd leftover: half to the left
        {{5, 7, 25, 27}, {15, 17, 15, 17}},          // nothing left inside the margin
    };
    const PlotExtents e = box10to12by20to24();
    for (const Row& r : rows) {
        const SurveyPlotFrame f = layoutSurveyPlot(surveyPlotArea(r.client), e);
        EXPECT_EQ(f.square, r.square) << r.client.right << "x" << r.client.bottom;
        // Squaring again changes nothing, as the live feed rescales the square.
        EXPECT_EQ(layoutSurveyPlot(f.square, e).square, f.square);
    }
    const SurveyPlotFrame f = layoutSurveyPlot(surveyPlotArea(kClient), e);
    EXPECT_DOUBLE_EQ(f.yScale, 150.0);
    EXPECT_DOUBLE_EQ(f.xScale, 75.0);
}

TEST(SurveyPlotFrame, MapsPositionsAndPixelsBothWays)
{
    const PlotExtents e = box10to12by20to24();
    const SurveyPlotFrame f = layoutSurveyPlot(surveyPlotArea(kClient), e);
    struct Row { double lat, lon; PixelPoint p; };
    const Row rows[] = {
        {11.0, 22.0, {210, 160}},   // centre
        {12.0, 20.0, {60, 10}},     // top-left corner
        {10.0, 24.0, {360, 310}},   // bottom-right corner
        {11.999, 20.01, {60, 10}},  // products 0.15 and 0.75 truncate to 0
        {12.01, 19.99, {60, 9}},    // -1.5 and -0.75 truncate toward zero
    };
    for (const Row& r : rows)
        EXPECT_EQ(surveyPlotPoint(f, e, r.lat, r.lon), r.p) << r.lat << ", " << r.lon;

    EXPECT_DOUBLE_EQ(surveyPlotLatitude(f, e, 160), 11.0);
    EXPECT_DOUBLE_EQ(surveyPlotLongitude(f, e, 210), 22.0);

    // The first position of a survey lands in the middle of the square.
    PlotExtents first;
    first.add(47.123, 11.456);
    const SurveyPlotFrame ff = layoutSurveyPlot(surveyPlotArea(kClient), first);
    const PixelPoint p = surveyPlotPoint(ff, first, 47.123, 11.456);
    EXPECT_NEAR(p.x, 210, 1);
    EXPECT_NEAR(p.y, 160, 1);
}

TEST(SurveyPlotGrid, LinesAndLabels)
{
    MemorySettingsStore settings;
    const PlotExtents e = box10to12by20to24();
    const SurveyPlotFrame f = layoutSurveyPlot(surveyPlotArea(kClient), e);
    const SurveyPlotGrid g = layoutSurveyGrid(f, e, settings, 13);

    // Line 3 sits at 310 - 3 x 0.2 x 300, a hair under 130 in double, so 129;
    // its longitude label counts back a truncated 180 pixels all the same.
    struct Row { int y; const char* lat; int x; const char* lon; };
    const Row rows[] = {
        {310, "N 10\u00b0 00.0000", 360, "E 024\u00b0 00.0000"},
        {250, "N 10\u00b0 24.0000", 300, "E 023\u00b0 12.0000"},
        {190, "N 10\u00b0 48.0000", 240, "E 022\u00b0 24.0000"},
        {129, "N 11\u00b0 12.4000", 179, "E 021\u00b0 36.0000"},
        {70, "N 11\u00b0 36.0000", 120, "E 020\u00b0 48.0000"},
        {10, "N 12\u00b0 00.0000", 60, "E 020\u00b0 00.0000"},
    };
    for (int i = 0; i < 6; ++i) {
        const Row& r = rows[i];
        EXPECT_EQ(g.horizontal[i], (PixelLine{{60, r.y}, {360, r.y}})) << i;
        EXPECT_EQ(g.vertical[i], (PixelLine{{r.x, 10}, {r.x, 310}})) << i;
        EXPECT_EQ(g.latitudeLabels[i].text, r.lat) << i;
        EXPECT_EQ(g.latitudeLabels[i].anchor, (PixelPoint{62, r.y - 13})) << i;
        EXPECT_EQ(g.longitudeLabels[i].text, r.lon) << i;
        EXPECT_EQ(g.longitudeLabels[i].anchor, (PixelPoint{r.x - 13, 260})) << i;
    }

    // Empty extents (no samples, as after Erase) name no position: no
    // text, and nothing kept however much room there is.
    const PlotExtents used = usedAndReset();
    const SurveyPlotFrame usedFrame = layoutSurveyPlot(surveyPlotArea(kClient), used);
    SurveyPlotGrid empty = layoutSurveyGrid(usedFrame, used, settings, 13);
    EXPECT_EQ(empty.horizontal[5], g.horizontal[5]) << "the lines stay";
    GridLabelWidths room;
    room.latitude.fill(1);
    room.longitude.fill(1);
    keepGridLabels(empty, PixelRect{0, 0, 1000, 1000}, room, 13);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(empty.latitudeLabels[i].text, "");
        EXPECT_EQ(empty.longitudeLabels[i].text, "");
        EXPECT_FALSE(empty.latitudeLabels[i].shown);
        EXPECT_FALSE(empty.longitudeLabels[i].shown);
    }
}

TEST(SurveyPlotGrid, LabelsThatWouldLeaveTheSquareOrCrossAnotherAreLeftOut)
{
    MemorySettingsStore settings;
    const PlotExtents e = box10to12by20to24();
    // The square is (60, 10)-(360, 310); lines every 60 pixels, labels 13
    // high: latitude labels sit on their lines at y - 13, longitude labels
    // fill x - 13..x and rise from y = 260.
    const SurveyPlotFrame f = layoutSurveyPlot(surveyPlotArea(kClient), e);
    auto widths = [](int latitude, int longitude) {
        GridLabelWidths w;
        w.latitude.fill(latitude);
        w.longitude.fill(longitude);
        return w;
    };
    struct Row {
        const char* name;
        GridLabelWidths widths;
        // Shown, index 0 (bottom / right) first.
        std::array<bool, 6> latitude;
        std::array<bool, 6> longitude;
    };
    const Row rows[] = {
        // The top label stands above the square, the left one left of it.
        {"narrow", widths(45, 50), {1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 0}},
        // Latitude labels from x = 62 to 108 reach the longitude label of the
        // line at 120 (x 107..120, y 210..260) where the label of the line
        // at 250 stands (y 237..250).
        {"one pixel wider", widths(46, 50), {1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 0, 0}},
        // Up to x = 166 they do not yet reach the label at 179 (166..179).
        {"wide latitude", widths(104, 50), {1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 0, 0}},
        {"wider latitude", widths(105, 50), {1, 1, 1, 1, 1, 0}, {1, 1, 1, 0, 0, 0}},
        // Longitude labels rising from 260 past the square's top at 10.
        {"tall longitude", widths(45, 250), {1, 1, 1, 1, 1, 0}, {1, 1, 1, 1, 1, 0}},
        {"too tall longitude", widths(45, 251), {1, 1, 1, 1, 1, 0}, {0, 0, 0, 0, 0, 0}},
        // Latitude labels wider than the square: only longitude labels left,
        // none hidden by the labels left out.
        {"too wide", widths(301, 50), {0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SurveyPlotGrid g = layoutSurveyGrid(f, e, settings, 13);
        keepGridLabels(g, f.square, r.widths, 13);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(g.latitudeLabels[i].shown, r.latitude[i]) << "latitude " << i;
            EXPECT_EQ(g.longitudeLabels[i].shown, r.longitude[i]) << "longitude " << i;
        }
    }
}

TEST(SurveyPlotReadout, PositionAndDistanceInTheUsersUnits)
{
    const PlotExtents e = box10to12by20to24();
    const SurveyPlotFrame f = layoutSurveyPlot(surveyPlotArea(kClient), e);
    // One degree of latitude (60 nmi) between cursor and marker, then a
    // pixel's 1/150 degree (0.4 nmi, under half a statute mile).
    struct Row { int units; PixelPoint marker; const char* distance; };
    const Row rows[] = {
        {unitsStatute, {210, 10}, "69.05 mi"},
        {unitsNautical, {210, 10}, "60.00 nmi"},
        {unitsMetric, {210, 10}, "111.12 km"},
        {unitsStatute, {210, 161}, "2430.45 ft"},
        {unitsMetric, {210, 161}, "740.80 m"},
        {7, {210, 10}, "0.00 "}, // an unknown unit choice
    };
    for (const Row& r : rows) {
        MemorySettingsStore settings;
        writeSetting(settings, settings::display::kUnits, r.units);
        const SurveyPlotReadout out = surveyPlotReadout(settings, f, e, {210, 160}, r.marker);
        EXPECT_EQ(out.text, std::string("Lat:N 11\u00b0 00.0000    Lon:E 022\u00b0 00.0000   "
                                        "Distance = ") + r.distance)
            << r.units << " " << r.marker.y;
    }

    // Nothing plotted (empty extents): no position and no distance to read.
    MemorySettingsStore settings;
    writeSetting(settings, settings::display::kPositionFormat, positionDecimalDegrees);
    const PlotExtents used = usedAndReset();
    const SurveyPlotReadout zero = surveyPlotReadout(
        settings, layoutSurveyPlot(surveyPlotArea(kClient), used), used, {100, 100}, {50, 50});
    EXPECT_EQ(zero.text, "");
    EXPECT_EQ(zero.distance, 0.0);
}
