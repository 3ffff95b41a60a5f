#include "models/survey/plot/PlotMarks.h"

#include "format/GreatCircle.h"
#include "models/survey/plot/PlotAccuracy.h"
#include "nmea/GpsState.h"

#include "settings/SettingsStore.h"
#include "survey/SurveyModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace orbilunex;

namespace {

// Square {60, 10, 360, 310}; 150 pixels per degree of latitude, 75 per
// degree of longitude.
struct Plot {
    PlotExtents extents;
    SurveyPlotFrame frame;
    Plot()
    {
        extents.add(11.0, 22.0);
        extents.latitudeMin = 10;
        extents.latitudeMax = 12;
        extents.longitudeMin = 20;
        extents.longitudeMax = 24;
        frame = layoutSurveyPlot({60, 10, 360, 310}, extents);
    }
};

} // namespace

TEST(SurveyPlotDots, ColourAndSize)
{
    struct Row { std::uint16_t hdop10, limit; DotColour colour; };
    const Row rows[] = {
        {0, 30, DotColour::Blue},  // no HDOP given
        {30, 30, DotColour::Blue}, // at the limit
        {31, 30, DotColour::Red},
        {1, 0, DotColour::Red},
    };
    for (const Row& r : rows)
        EXPECT_EQ(surveyDotColour(r.hdop10, r.limit), r.colour) << r.hdop10 << " " << r.limit;

    const DotPixels small = surveyDotPixels({7, 9}, false);
    ASSERT_EQ(small.count, 1);
    EXPECT_EQ(small.pixels[0], (PixelPoint{7, 9}));
    const DotPixels large = surveyDotPixels({7, 9}, true);
    ASSERT_EQ(large.count, 5);
    EXPECT_EQ(large.pixels[0], (PixelPoint{7, 9}));
    for (const PixelPoint corner : {PixelPoint{6, 8}, PixelPoint{8, 8}, PixelPoint{6, 10}, PixelPoint{8, 10}})
        EXPECT_NE(std::find(large.pixels.begin(), large.pixels.end(), corner), large.pixels.end())
            << corner.x << "," << corner.y;
}

TEST(SurveyPlotTrail, JoinsEachDotToTheOneBefore)
{
    SurveyPlotTrail trail;
    const PixelPoint a{10, 10}, b{20, 15}, c{30, 5}, d{40, 40};
    EXPECT_EQ(trail.next(a, true, true), (PixelLine{a, a})); // first dot: from itself
    EXPECT_EQ(trail.next(b, false, true), (PixelLine{a, b}));
    EXPECT_FALSE(trail.next(c, false, false).has_value()); // lines off
    EXPECT_EQ(trail.next(d, false, true), (PixelLine{c, d}));
    EXPECT_EQ(trail.next(a, true, true), (PixelLine{a, a})); // a new paint starts afresh
}

TEST(SurveyPlotIndicators, ShownOnlyWithFlagAndFigures)
{
    const Plot p;
    struct Row { IndicatorFigures f; int flag; bool shown; };
    const Row rows[] = {
        {{11, 22, 0.25, 0.5}, 1, true},
        {{11, 22, 0.25, 0.5}, 0, false},
        {{11, 22, 0.25, 0.5}, 5, true},  // any non-zero flag
        {{0, 0, 0, 0}, 1, false},        // least squares after one sample
        {{11, 0, 0.25, 0}, 1, false},    // nothing in longitude
        {{0, 22, 0, 0.5}, 1, false},     // nothing in latitude
        {{0, 22, 0.25, 0.5}, 1, true},   // an estimate of 0 with a spread
        {{11, 22, 0, 0}, 1, true},       // estimates without spread
    };
    for (const Row& r : rows) {
        EXPECT_EQ(lsfIndicator(p.frame, p.extents, r.f, r.flag).has_value(), r.shown)
            << r.f.latitude << " " << r.f.longitude << " " << r.flag;
        EXPECT_EQ(meanIndicator(p.frame, p.extents, r.f, r.flag).has_value(), r.shown);
    }

    // After one accepted sample the mean indicator shows, the least-squares
    // one does not; a rejected sample moves neither.
    MemorySettingsStore settings;
    SurveyModel survey(settings);
    survey.addSample(11.0, 22.0, 500, 10, 1, 10, 10);
    const IndicatorFigures lsf = lsfIndicatorFigures(survey);
    const IndicatorFigures mean = meanIndicatorFigures(survey);
    EXPECT_FALSE(lsfIndicator(p.frame, p.extents, lsf, 1).has_value());
    EXPECT_TRUE(meanIndicator(p.frame, p.extents, mean, 1).has_value());
    survey.addSample(11.5, 23.0, 500, 10, 1, 31, 10);
    EXPECT_EQ(meanIndicatorFigures(survey).latitude, mean.latitude);
    EXPECT_EQ(lsfIndicatorFigures(survey).longitude, lsf.longitude);
}

TEST(SurveyPlotIndicators, EllipseBoxAndCrosses)
{
    const Plot p;
    // Corners: (10.75, 21.5) -> (172, 197) and (11.25, 22.5) -> (247, 122).
    // The centre halves the signed differences from the first corner, so its
    // y is 197 - 37 = 160, not 122 + 37.
    const IndicatorFigures f{11, 22, 0.25, 0.5};
    const auto lsf = lsfIndicator(p.frame, p.extents, f, 1);
    ASSERT_TRUE(lsf.has_value());
    EXPECT_EQ(lsf->ellipseBox, (PixelRect{172, 122, 247, 197}));
    EXPECT_EQ(lsf->centre, (PixelPoint{209, 160}));
    // An x of half-length 300 / 40 = 7.
    EXPECT_EQ(lsf->cross[0], (PixelLine{{202, 153}, {217, 168}}));
    EXPECT_EQ(lsf->cross[1], (PixelLine{{216, 153}, {201, 168}}));

    const auto mean = meanIndicator(p.frame, p.extents, f, 1);
    ASSERT_TRUE(mean.has_value());
    EXPECT_EQ(mean->ellipseBox, lsf->ellipseBox);
    // A + of half-length 300 / 20 = 15.
    EXPECT_EQ(mean->cross[0], (PixelLine{{209, 145}, {209, 176}}));
    EXPECT_EQ(mean->cross[1], (PixelLine{{194, 160}, {225, 160}}));
}

TEST(SurveyPlotMarker, CrossHairAroundTheMarkedPixel)
{
    EXPECT_EQ(surveyMarkerBox(kInitialSurveyMarker), (PixelRect{46, 46, 55, 55}));
    EXPECT_FALSE(surveyMarkerArm(4, 4)); // the centre is open
    for (const auto& end : {PixelPoint{4, 0}, PixelPoint{4, 8}, PixelPoint{0, 4}, PixelPoint{8, 4}})
        EXPECT_TRUE(surveyMarkerArm(end.x, end.y)) << end.x << "," << end.y;
    EXPECT_FALSE(surveyMarkerArm(4, 9));
}

// The receiver's ellipse: each semi-axis, turned back from pixels into
// degrees, is its length in metres along the ground at its bearing.
TEST(SurveyPlotReceiverEllipse, AxesTrueToScaleAndBearing)
{
    PlotExtents extents;
    extents.latitudeMin = 47.0;
    extents.latitudeMax = 47.0001;
    extents.longitudeMin = 11.0;
    extents.longitudeMax = 11.0002;
    const SurveyPlotFrame frame = layoutSurveyPlot({0, 0, 400, 400}, extents);
    const double lat = 47.00005;
    const double lon = 11.0001;
    struct Axis { double dx, dy, metres, bearing; };
    for (const double orientation : {0.0, 35.0, 90.0, 200.0}) {
        SCOPED_TRACE(orientation);
        const auto e = receiverEllipse(frame, extents, {lat, lon, 3.0, 1.5, orientation});
        ASSERT_TRUE(e);
        const Axis axes[] = {{e->majorX, e->majorY, 3.0, orientation},
                             {e->minorX, e->minorY, 1.5, orientation + 90}};
        for (const Axis& a : axes) {
            const double east = a.dx / frame.xScale;
            const double north = -a.dy / frame.yScale;
            EXPECT_NEAR(distanceNm(lat, lon, lat + north, lon + east) * 1852, a.metres, 0.01 * a.metres);
            const double metresEast = distanceNm(lat, lon, lat, lon + east) * 1852 * (east < 0 ? -1 : 1);
            const double metresNorth = distanceNm(lat, lon, lat + north, lon) * 1852 * (north < 0 ? -1 : 1);
            const double bearing = std::atan2(metresEast, metresNorth) * 180 / 3.14159265358979323846;
            EXPECT_NEAR(std::remainder(bearing - a.bearing, 360.0), 0.0, 0.5);
        }
    }
    EXPECT_FALSE(receiverEllipse(frame, extents, {lat, lon, 0.0, 1.5, 0.0})) << "no axis";
    EXPECT_FALSE(receiverEllipse(frame, extents, {lat, lon, 1e-6, 1e-6, 0.0})) << "under a pixel";

    // Without an ellipse the latitude and longitude sigmas are its axes.
    GpsState state{};
    state.gstCount = 1;
    state.gstSemiMajor = state.gstSemiMinor = state.gstOrientation = std::nan("");
    state.gstSigmaLatitude = 2.0;
    state.gstSigmaLongitude = 1.0;
    const auto estimate = receiverEstimate(state);
    ASSERT_TRUE(estimate);
    EXPECT_EQ(estimate->semiMajor, 2.0);
    EXPECT_EQ(estimate->semiMinor, 1.0);
    EXPECT_EQ(estimate->orientation, 0.0);
    state.gstSigmaLongitude = std::nan("");
    EXPECT_FALSE(receiverEstimate(state));
}
