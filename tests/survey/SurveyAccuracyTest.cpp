#include "survey/AccuracySettings.h"
#include "survey/SurveyAccuracy.h"

#include "settings/SettingsStore.h"
#include "settings/SurveySettings.h"

#include <GeographicLib/LocalCartesian.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

using namespace orbilunex;

namespace {

// Metres of longitude and latitude per degree on the equator of WGS-84:
// a pi / 180 and a (1 - e^2) pi / 180.
constexpr double kEquatorEastPerDegree = 111319.49079327357;
constexpr double kEquatorNorthPerDegree = 110574.38855779878;

// A sample `east` and `north` metres from `origin` (through the local frame,
// so that the expected offsets are exact up to the stored 1e-7 degree).
void addAt(SurveyModel& survey, const GeographicLib::LocalCartesian& origin, double east,
           double north, double up, std::uint16_t hdop10 = 10)
{
    double latitude = 0.0;
    double longitude = 0.0;
    double altitude = 0.0;
    origin.Reverse(east, north, up, latitude, longitude, altitude);
    survey.addSample(latitude, longitude, altitude, 15, 1, hdop10, 10);
}

} // namespace

TEST(SurveyAccuracy, PercentilesInterpolateBetweenOrderStatistics)
{
    struct Case {
        std::vector<double> values;
        double p;
        double expected;
    };
    const Case cases[] = {
        {{4, 1, 3, 2}, 0.5, 2.5},     // position 1.5
        {{4, 1, 3, 2}, 0.95, 3.85},   // position 2.85
        {{4, 1, 3, 2}, 0.0, 1.0},
        {{4, 1, 3, 2}, 1.0, 4.0},
        {{7}, 0.95, 7.0},
        {{5, 5, 1, 9, 5}, 0.5, 5.0},  // ties
        {{10, 0}, 0.95, 9.5},
    };
    for (const Case& c : cases) {
        std::vector<double> values = c.values;
        EXPECT_NEAR(interpolatedPercentile(values, c.p), c.expected, 1e-12) << c.p;
    }
    std::vector<double> none;
    EXPECT_TRUE(std::isnan(interpolatedPercentile(none, 0.5)));
}

TEST(SurveyAccuracy, FourSamplesAroundTheEquatorByHand)
{
    // East, west, north and south of 0 N 0 E by 1e-5 degree, at 0 m: the
    // centre is the origin, two distances are 1e-5 degree of the equator's
    // length and two of the meridian's there.
    MemorySettingsStore settings;
    SurveyModel survey(settings);
    survey.addSample(0.0, 0.00001, 0.0, 15, 1, 10, 10);
    survey.addSample(0.0, -0.00001, 0.0, 15, 1, 10, 10);
    survey.addSample(0.00001, 0.0, 0.0, 15, 1, 10, 10);
    survey.addSample(-0.00001, 0.0, 0.0, 15, 1, 10, 10);
    AccuracyScratch scratch;
    const SurveyAccuracy a = surveyAccuracy(survey, scratch);
    const double east = kEquatorEastPerDegree * 0.00001;
    const double north = kEquatorNorthPerDegree * 0.00001;
    ASSERT_EQ(a.horizontalSamples, 4u);
    ASSERT_TRUE(a.cep50 && a.r95 && a.drms && a.twoDrms);
    EXPECT_NEAR(*a.cep50, (east + north) / 2, 1e-6);
    EXPECT_NEAR(*a.r95, east, 1e-6);
    EXPECT_NEAR(*a.drms, std::sqrt((east * east + north * north) / 2), 1e-6);
    EXPECT_NEAR(*a.twoDrms, 2 * *a.drms, 1e-12);
    EXPECT_EQ(a.verticalSamples, 4u);
    EXPECT_NEAR(*a.sigmaUp, 0.0, 1e-12);
}

TEST(SurveyAccuracy, FiguresAreAbsentBelowTwoSamplesAndFollowTheThresholds)
{
    MemorySettingsStore settings;
    SurveyModel survey(settings);
    AccuracyScratch scratch;
    EXPECT_FALSE(surveyAccuracy(survey, scratch).cep50);
    survey.addSample(47.0, 11.0, 600.0, 15, 1, 10, 10);
    // Two more that no set takes: HDOP and VDOP above the thresholds.
    survey.addSample(47.1, 11.1, 900.0, 15, 1, 99, 99);
    survey.addSample(47.2, 11.2, 900.0, 15, 0, 10, 10); // 2-D: no altitude
    const SurveyAccuracy a = surveyAccuracy(survey, scratch);
    EXPECT_EQ(a.horizontalSamples, 2u);
    EXPECT_EQ(a.verticalSamples, 1u);
    EXPECT_TRUE(a.cep50);
    EXPECT_FALSE(a.sigmaUp) << "one altitude sample: absent, not zero";
}

TEST(SurveyAccuracy, KnownDistributionGivesItsSpread)
{
    // 10 000 samples with sigma east 1 m, north 2 m, up 3 m: 2DRMS is near
    // 2 sqrt(1 + 4), sigma up near 3, and CEP50 of that ellipse near the
    // usual 0.615 sigma min + 0.562 sigma max = 1.739 m.
    MemorySettingsStore settings;
    SurveyModel survey(settings);
    const GeographicLib::LocalCartesian origin(47.2, 11.4, 600.0);
    std::mt19937 random(7);
    std::normal_distribution<double> unit(0.0, 1.0);
    RunningHorizontalSpread running;
    for (int i = 0; i < 10000; ++i) {
        const double east = unit(random);
        const double north = 2.0 * unit(random);
        const double up = 3.0 * unit(random);
        addAt(survey, origin, east, north, up);
        const SurveySample& stored = survey.samples().at(survey.sampleCount() - 1);
        running.add(stored.latitude * kDegreesPerUnit, stored.longitude * kDegreesPerUnit,
                    stored.altitude * kMetresPerUnit);
    }
    AccuracyScratch scratch;
    const SurveyAccuracy a = surveyAccuracy(survey, scratch);
    EXPECT_NEAR(*a.twoDrms, 2.0 * std::sqrt(5.0), 0.1);
    EXPECT_NEAR(*a.sigmaUp, 3.0, 0.1);
    EXPECT_NEAR(*a.cep50, 1.739, 0.05);
    EXPECT_GT(*a.r95, *a.cep50);
    // The running figure, in a frame at the first sample, agrees with the
    // figure at the centre to a few hundredths of a millimetre.
    EXPECT_NEAR(*running.twoDrms(), *a.twoDrms, 5e-5);
}

TEST(SurveyAccuracy, ErrorFromAReferenceHasItsDistanceAndBearing)
{
    const ReferencePoint reference{47.2, 11.4, 600.0};
    const GeographicLib::LocalCartesian frame(reference.latitude, reference.longitude,
                                              reference.altitude);
    struct Case {
        double east, north;
        double bearing;
    };
    const Case cases[] = {
        {3, 4, 36.869897645844},  {0, 5, 0},     {5, 0, 90},
        {0, -5, 180},            {-5, 0, 270}, {-3, -4, 216.869897645844},
    };
    for (const Case& c : cases) {
        double latitude = 0.0;
        double longitude = 0.0;
        double altitude = 0.0;
        frame.Reverse(c.east, c.north, 2.0, latitude, longitude, altitude);
        const PositionError e = positionError(reference, latitude, longitude, altitude);
        EXPECT_NEAR(e.east, c.east, 1e-6);
        EXPECT_NEAR(e.north, c.north, 1e-6);
        EXPECT_NEAR(e.up, 2.0, 1e-6);
        EXPECT_NEAR(e.horizontal, 5.0, 1e-6);
        EXPECT_NEAR(e.bearing, c.bearing, 1e-6) << c.east << "," << c.north;
    }
}

TEST(SurveyAccuracy, StopRuleIsMetOnTheRightSample)
{
    // Offsets east of one point, in metres: with the mean at 0 all along,
    // the mean squared distance after k samples is 8 / k, so 2DRMS reaches
    // 2 m at the eighth sample.
    const GeographicLib::LocalCartesian origin(47.2, 11.4, 0.0);
    const double offsets[] = {2, -2, 0, 0, 0, 0, 0, 0, 0};
    const StopRule rule{3, 2.0 + 1e-6};
    RunningHorizontalSpread running;
    int metAt = 0;
    for (int i = 0; i < 9 && metAt == 0; ++i) {
        double latitude = 0.0;
        double longitude = 0.0;
        double altitude = 0.0;
        origin.Reverse(offsets[i], 0.0, 0.0, latitude, longitude, altitude);
        running.add(latitude, longitude);
        if (running.met(rule)) metAt = i + 1;
    }
    EXPECT_EQ(metAt, 8);

    // Too few samples keep it going however tight they are.
    RunningHorizontalSpread tight;
    tight.add(47.2, 11.4);
    tight.add(47.2, 11.4);
    EXPECT_FALSE(tight.met(StopRule{3, 1.0}));
    tight.add(47.2, 11.4);
    EXPECT_TRUE(tight.met(StopRule{3, 0.0}));
}

TEST(SurveyAccuracy, ReferenceAndStopRuleSettingsRoundTripAndRefuseNonsense)
{
    namespace keys = settings::survey;
    MemorySettingsStore settings;
    EXPECT_FALSE(storedReference(settings));
    const ReferencePoint point{47.123456789012345, -11.000000012345678, 612.345};
    storeReference(settings, point);
    const auto back = storedReference(settings);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->latitude, point.latitude) << "exactly";
    EXPECT_EQ(back->longitude, point.longitude);
    EXPECT_EQ(back->altitude, point.altitude);
    writeSetting(settings, keys::kReferenceLatitude, std::string("91"));
    EXPECT_FALSE(storedReference(settings)) << "out of range";
    storeReference(settings, std::nullopt);
    EXPECT_FALSE(storedReference(settings));

    EXPECT_FALSE(storedStopRule(settings)) << "off by default";
    writeSetting(settings, keys::kStopRule, 1);
    ASSERT_TRUE(storedStopRule(settings));
    for (const char* bad : {"-1", "abc", "2m", "", "nan", "1e999"}) {
        writeSetting(settings, keys::kStopTwoDrms, std::string(bad));
        EXPECT_FALSE(storedStopRule(settings)) << bad;
    }
    writeSetting(settings, keys::kStopTwoDrms, std::string(" 0.5 "));
    EXPECT_EQ(storedStopRule(settings)->maximumTwoDrms, 0.5);
}
