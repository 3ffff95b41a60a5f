#include "survey/SurveyModel.h"

#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using namespace orbilunex;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A sample at a fixed place with the given DOPs and 3D flag.
SurveyModel::AddResult addWith(SurveyModel& s, std::uint16_t hdop10, std::uint16_t vdop10,
                               std::int32_t fix3d = 1)
{
    return s.addSample(47.25, 11.5, 600.0, 15, fix3d, hdop10, vdop10);
}

} // namespace

TEST(SurveyModel, SettingsReadAtConstruction)
{
    MemorySettingsStore empty;
    const SurveyModel defaults(empty);
    EXPECT_EQ(defaults.plotIndicatorSize, 0);
    EXPECT_EQ(defaults.useLines, 1);
    EXPECT_EQ(defaults.avgDopThreshold, 30);
    EXPECT_EQ(defaults.hdopThreshold, 30);
    EXPECT_EQ(defaults.vdopThreshold, 30);
    EXPECT_EQ(defaults.verifyPositionFix, 1);
    EXPECT_EQ(defaults.enablePositionAvgIndicator, 1);
    EXPECT_EQ(defaults.enablePalsfsd, 1);
    EXPECT_TRUE(defaults.acquisitionEnabled);
    EXPECT_EQ(defaults.altitudeMax, -100000);
    EXPECT_EQ(defaults.altitudeMin, 99999);
    for (unsigned char b : defaults.headerBlock) ASSERT_EQ(b, 0);

    MemorySettingsStore stored;
    stored.setString("Survey Configuration", "PlotIndicatorSize", "1");
    stored.setString("Survey Configuration", "AvgDOPThreshold", "45");
    stored.setInt("Survey Configuration", "UseLines", 0);
    stored.setInt("Survey Configuration", "HDOPThreshold", 20);
    stored.setInt("Survey Configuration", "VDOPThreshold", 70000); // kept as 16 bits
    stored.setInt("Survey Configuration", "VerifyPositionFix", 0);
    stored.setInt("Survey Configuration", "EnablePositionAvgIndicator", 0);
    stored.setInt("Survey Configuration", "EnablePALSFSD", 5);
    const SurveyModel read(stored);
    EXPECT_EQ(read.plotIndicatorSize, 1);
    EXPECT_EQ(read.avgDopThreshold, 45);
    EXPECT_EQ(read.useLines, 0);
    EXPECT_EQ(read.hdopThreshold, 20);
    EXPECT_EQ(read.vdopThreshold, 70000 - 65536);
    EXPECT_EQ(read.verifyPositionFix, 0);
    EXPECT_EQ(read.enablePositionAvgIndicator, 0);
    EXPECT_EQ(read.enablePalsfsd, 5);

    MemorySettingsStore damaged;
    damaged.setString("Survey Configuration", "PlotIndicatorSize", "large");
    damaged.setString("Survey Configuration", "AvgDOPThreshold", "");
    const SurveyModel fallback(damaged);
    EXPECT_EQ(fallback.plotIndicatorSize, 0);
    EXPECT_EQ(fallback.avgDopThreshold, 30);
}

TEST(SurveyModel, AcceptanceAndHdopClasses)
{
    struct Row {
        const char* legend;
        std::uint16_t hdopThreshold, vdopThreshold;
        std::uint16_t hdop10, vdop10;
        std::int32_t fix3d;
        bool horizontal, altitude;
        int hdopClass;
    };
    const Row rows[] = {
        {"HDOP 0: stored, not used, first class", 30, 30, 0, 12, 1, false, true, 0},
        {"HDOP 1.0 is the top of the first class", 30, 30, 10, 10, 1, true, true, 0},
        {"HDOP 2.0 at threshold 20: second class, accepted", 20, 30, 20, 10, 1, true, true, 1},
        {"HDOP 2.1 over threshold 20: third class", 20, 30, 21, 10, 1, false, true, 2},
        {"threshold 0 rejects every horizontal sample", 0, 30, 5, 10, 1, false, true, 0},
        {"VDOP 0 never feeds the altitude", 30, 30, 10, 0, 1, true, false, 0},
        {"VDOP over its threshold", 30, 25, 10, 26, 1, true, false, 0},
        {"2D fix never feeds the altitude", 30, 30, 10, 10, 0, true, false, 0},
        {"3D flag must be exactly 1", 30, 30, 10, 10, 2, true, false, 0},
        {"HDOP 65535 is compared unsigned", 30, 30, 65535, 10, 1, false, true, 2},
    };
    for (const Row& r : rows) {
        MemorySettingsStore settings;
        SurveyModel s(settings);
        s.hdopThreshold = r.hdopThreshold;
        s.vdopThreshold = r.vdopThreshold;
        ASSERT_EQ(addWith(s, r.hdop10, r.vdop10, r.fix3d), SurveyModel::AddResult::Stored) << r.legend;
        EXPECT_EQ(s.sampleCount(), 1u) << r.legend;
        EXPECT_TRUE(s.modified) << r.legend;
        EXPECT_EQ(s.mean[SurveyModel::kLatitude].count, r.horizontal ? 1u : 0u) << r.legend;
        EXPECT_EQ(s.mean[SurveyModel::kLongitude].count, r.horizontal ? 1u : 0u) << r.legend;
        EXPECT_EQ(s.leastSquares[SurveyModel::kLatitude].nextIndex, r.horizontal ? 2u : 1u) << r.legend;
        EXPECT_EQ(s.mean[SurveyModel::kAltitude].count, r.altitude ? 1u : 0u) << r.legend;
        EXPECT_EQ(s.leastSquares[SurveyModel::kAltitude].nextIndex, r.altitude ? 2u : 1u) << r.legend;
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(s.hdopClassCounts[c], c == r.hdopClass ? 1u : 0u) << r.legend << " class " << c;
    }
}

TEST(SurveyModel, StoredFieldsTruncateTowardZeroAndSaturate)
{
    struct Row {
        const char* legend;
        double latitude, longitude, altitude;
        std::int32_t lat, lon, alt;
    };
    const Row rows[] = {
        {"ordinary position", 47.26129836, 11.34666839, 615.909, 472612983, 113466683, 61590},
        {"south and west truncate toward zero", -33.86881979, -151.20929991, -12.349, -338688197,
         -1512092999, -1234},
        {"out of range saturates", 300.0, -400.0, 3.0e7, INT32_MAX, INT32_MIN, INT32_MAX},
        {"infinities saturate", kInf, -kInf, -kInf, INT32_MAX, INT32_MIN, INT32_MIN},
        {"NaN gives 0", kNaN, kNaN, kNaN, 0, 0, 0},
    };
    for (const Row& r : rows) {
        MemorySettingsStore settings;
        SurveyModel s(settings);
        s.addSample(r.latitude, r.longitude, r.altitude, -3, 1, 12, 13);
        const SurveySample& stored = s.samples().at(0);
        EXPECT_EQ(stored.latitude, r.lat) << r.legend;
        EXPECT_EQ(stored.longitude, r.lon) << r.legend;
        EXPECT_EQ(stored.altitude, r.alt) << r.legend;
        EXPECT_EQ(stored.pdop10, -3) << r.legend;
        EXPECT_EQ(stored.hdop10, 12) << r.legend;
        EXPECT_EQ(stored.vdop10, 13) << r.legend;
    }
    EXPECT_EQ(truncateToUint16(65536.0 + 5.0), 5);
    EXPECT_EQ(truncateToUint16(-1.0), 65535);
    EXPECT_EQ(truncateToUint16(10.5), 10);
    EXPECT_EQ(truncateToInt16(40000.0), static_cast<std::int16_t>(40000 - 65536));
    EXPECT_EQ(truncateToUint16(kNaN), 0);
}

TEST(SurveyModel, StatisticsUseFullPrecisionLiveAndStoredValuesOnRecompute)
{
    MemorySettingsStore settings;
    SurveyModel s(settings);
    const double latitudes[] = {47.261298391, 47.261303388, 47.261301377};
    for (double lat : latitudes) s.addSample(lat, 11.3466683, 615.905, 16, 1, 9, 14);
    EXPECT_EQ(s.mean[SurveyModel::kLatitude].sum, latitudes[0] + latitudes[1] + latitudes[2]);
    EXPECT_DOUBLE_EQ(s.mean[SurveyModel::kAltitude].mean, 615.905);

    s.recomputeStatistics();
    double quantised = 0;
    for (double lat : latitudes) quantised += std::trunc(lat * 1e7) * 0.0000001;
    EXPECT_EQ(s.mean[SurveyModel::kLatitude].sum, quantised);
    EXPECT_DOUBLE_EQ(s.mean[SurveyModel::kAltitude].mean, 61590 * 0.01);
    EXPECT_EQ(s.hdopClassCounts[0], 3u) << "counters are rebuilt, not added to";
    EXPECT_EQ(s.mean[SurveyModel::kLatitude].count, 3u);
}

TEST(SurveyModel, RecomputeAppliesTheThresholdsNowInForce)
{
    MemorySettingsStore settings;
    SurveyModel s(settings);
    for (std::uint16_t h : {5, 15, 25, 35}) addWith(s, h, h);
    EXPECT_EQ(s.mean[SurveyModel::kLatitude].count, 3u);
    s.hdopThreshold = 15;
    s.vdopThreshold = 40;
    s.recomputeStatistics();
    EXPECT_EQ(s.mean[SurveyModel::kLatitude].count, 2u);
    EXPECT_EQ(s.mean[SurveyModel::kAltitude].count, 4u);
    EXPECT_EQ(s.hdopClassCounts[0] + s.hdopClassCounts[1] + s.hdopClassCounts[2], 4u);
}

TEST(SurveyModel, HorizontalAccumulatorsMatchLoneOnes)
{
    // The horizontal fits and means are updated side by side; every field
    // must be what a lone accumulator computes, bit for bit.
    MemorySettingsStore settings;
    SurveyModel s(settings);
    LeastSquaresAccumulator lat, lon;
    MeanAccumulator latMean, lonMean;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> wobble(-0.0005, 0.0005);
    for (int i = 0; i < 20000; ++i) {
        const double y1 = 47.26 + wobble(random), y2 = -122.3 + wobble(random);
        s.addSample(y1, y2, 10.0, 10, 1, static_cast<std::uint16_t>(i % 40), 10);
        if (s.acceptsHorizontal(static_cast<std::uint16_t>(i % 40))) {
            lat.add(y1);
            lon.add(y2);
            latMean.add(y1);
            lonMean.add(y2);
        }
    }
    const LeastSquaresAccumulator* fits[] = {&lat, &lon};
    for (int axis = 0; axis < 2; ++axis) {
        const LeastSquaresAccumulator& a = s.leastSquares[axis];
        const LeastSquaresAccumulator& b = *fits[axis];
        EXPECT_EQ(a.sumY, b.sumY);
        EXPECT_EQ(a.sumTY, b.sumTY);
        EXPECT_EQ(a.sumT2, b.sumT2);
        EXPECT_EQ(a.intercept, b.intercept);
        EXPECT_EQ(a.slope, b.slope);
        EXPECT_EQ(a.sumSquaredResiduals, b.sumSquaredResiduals);
        EXPECT_EQ(a.nextIndex, b.nextIndex);
    }
    const MeanAccumulator* means[] = {&latMean, &lonMean};
    for (int axis = 0; axis < 2; ++axis) {
        EXPECT_EQ(s.mean[axis].sum, means[axis]->sum);
        EXPECT_EQ(s.mean[axis].mean, means[axis]->mean);
        EXPECT_EQ(s.mean[axis].sumSquaredDeviations, means[axis]->sumSquaredDeviations);
        EXPECT_EQ(s.mean[axis].count, means[axis]->count);
    }
}

TEST(SurveyModel, AltitudeRange)
{
    MemorySettingsStore settings;
    SurveyModel s(settings);
    s.recomputeAltitudeRange();
    EXPECT_EQ(s.altitudeMax, -1000000);
    EXPECT_EQ(s.altitudeMin, 999999);
    // Every sample counts, accepted or not.
    s.addSample(1, 1, 12.34, 0, 0, 0, 0);
    s.addSample(1, 1, -5.5, 0, 1, 99, 99);
    s.addSample(1, 1, 7.0, 0, 1, 10, 10);
    s.recomputeAltitudeRange();
    EXPECT_EQ(s.altitudeMax, 1234);
    EXPECT_EQ(s.altitudeMin, -550);
}

TEST(SurveyModel, ClearKeepsHeaderThresholdsAndFlags)
{
    MemorySettingsStore settings;
    SurveyModel s(settings);
    s.headerBlock[40] = 'x';
    s.hdopThreshold = 17;
    s.enablePalsfsd = 0;
    for (int i = 0; i < 6000; ++i) addWith(s, 10, 10);
    s.clearSurvey();
    EXPECT_EQ(s.sampleCount(), 0u);
    EXPECT_EQ(s.samples().blockCount(), 0u);
    EXPECT_EQ(s.mean[SurveyModel::kLatitude].count, 0u);
    EXPECT_EQ(s.leastSquares[SurveyModel::kAltitude].nextIndex, 1u);
    EXPECT_EQ(s.hdopClassCounts[0], 0u);
    EXPECT_EQ(s.altitudeMax, -1000000);
    EXPECT_EQ(s.altitudeMin, 999999);
    EXPECT_EQ(s.headerBlock[40], 'x');
    EXPECT_EQ(s.hdopThreshold, 17);
    EXPECT_EQ(s.enablePalsfsd, 0);
    addWith(s, 10, 10);
    EXPECT_EQ(s.sampleCount(), 1u);
}

TEST(SurveyModel, IndicatorTogglesWriteTheirKeys)
{
    MemorySettingsStore settings;
    settings.setInt("Survey Configuration", "EnablePALSFSD", 5);
    SurveyModel s(settings);
    s.toggleLsfIndicator(settings);
    EXPECT_EQ(s.enablePalsfsd, 1) << "any value but 1 counts as off";
    EXPECT_EQ(settings.getInt("Survey Configuration", "EnablePALSFSD", -1), 1);
    s.toggleLsfIndicator(settings);
    EXPECT_EQ(settings.getInt("Survey Configuration", "EnablePALSFSD", -1), 0);
    s.toggleMeanIndicator(settings);
    EXPECT_EQ(s.enablePositionAvgIndicator, 0);
    EXPECT_EQ(settings.getInt("Survey Configuration", "EnablePositionAvgIndicator", -1), 0);
}

TEST(SurveyModel, RefusedSampleChangesNothing)
{
    MemorySettingsStore settings;
    SurveyModel s(settings, 1);
    for (int i = 0; i < 5000; ++i) ASSERT_EQ(addWith(s, 10, 10), SurveyModel::AddResult::Stored);
    s.modified = false;
    EXPECT_EQ(addWith(s, 10, 10), SurveyModel::AddResult::TableFull);
    EXPECT_EQ(s.sampleCount(), 5000u);
    EXPECT_EQ(s.mean[SurveyModel::kLatitude].count, 5000u);
    EXPECT_EQ(s.hdopClassCounts[0], 5000u);
    EXPECT_FALSE(s.modified);

    SurveyModel noMemory(settings, kBlockTableEntries, [] { return SampleBlock(); });
    EXPECT_EQ(addWith(noMemory, 10, 10), SurveyModel::AddResult::OutOfMemory);
    EXPECT_EQ(noMemory.sampleCount(), 0u);
    EXPECT_EQ(noMemory.hdopClassCounts[0], 0u);
}
