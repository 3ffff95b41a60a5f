// Unit tests of the generator's building blocks.

#include "simgps/DetMath.h"
#include "simgps/Dop.h"
#include "simgps/Epoch.h"
#include "simgps/NmeaFormat.h"
#include "simgps/Options.h"
#include "simgps/Random.h"
#include "simgps/Sky.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace orbilunex::simgps {
namespace {

TEST(SimGpsRandom, SplitMixMatchesPublishedSequence)
{
    // First outputs of SplitMix64 from state 0, as published with the algorithm.
    std::uint64_t state = 0;
    EXPECT_EQ(splitMix64(state), 0xE220A8397B1DCDAFULL);
    EXPECT_EQ(splitMix64(state), 0x6E789E6AA1B965F4ULL);
    EXPECT_EQ(splitMix64(state), 0x06C45D188009454FULL);
}

TEST(SimGpsRandom, SeedsAndStreamsGiveDistinctRepeatableSequences)
{
    Rng a(42, 1), b(42, 1), otherStream(42, 2), otherSeed(43, 1);
    for (int i = 0; i < 100; ++i) {
        const std::uint64_t value = a.next();
        EXPECT_EQ(value, b.next());
        EXPECT_NE(value, otherStream.next());
        EXPECT_NE(value, otherSeed.next());
    }
}

TEST(SimGpsRandom, UniformAndNormalHaveTheRightShape)
{
    Rng rng(7);
    double sum = 0.0, sumSquares = 0.0;
    const int n = 200000;
    for (int i = 0; i < n; ++i) {
        const double u = rng.uniform();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        const double z = rng.normal();
        sum += z;
        sumSquares += z * z;
    }
    EXPECT_NEAR(sum / n, 0.0, 0.01);
    EXPECT_NEAR(sumSquares / n, 1.0, 0.02);
    for (int i = 0; i < 1000; ++i) {
        const int k = rng.below(5);
        ASSERT_GE(k, 0);
        ASSERT_LT(k, 5);
    }
}

TEST(SimGpsDetMath, AgreesWithTheLibraryToRoundingError)
{
    for (double x = -40.0; x < 40.0; x += 0.0137) {
        ASSERT_NEAR(detSin(x), std::sin(x), 4e-15) << x;
        ASSERT_NEAR(detCos(x), std::cos(x), 4e-15) << x;
    }
    for (double y = -3.0; y <= 3.0; y += 0.07) {
        for (double x = -3.0; x <= 3.0; x += 0.11)
            ASSERT_NEAR(detAtan2(y, x), std::atan2(y, x), 2e-15) << y << "," << x;
    }
    for (double x = -1.0; x <= 1.0; x += 0.001)
        ASSERT_NEAR(detAsin(x), std::asin(x), 2e-15) << x;
    EXPECT_DOUBLE_EQ(detAtan2(0.0, -1.0), kPi);
    EXPECT_DOUBLE_EQ(detAtan2(-1.0, 0.0), -kPi / 2.0);
    EXPECT_DOUBLE_EQ(detAsin(1.0), kPi / 2.0);
}

TEST(SimGpsDetMath, WrapsAngles)
{
    EXPECT_DOUBLE_EQ(wrap360(-10.0), 350.0);
    EXPECT_DOUBLE_EQ(wrap360(720.5), 0.5);
    EXPECT_DOUBLE_EQ(wrap360(360.0), 0.0);
    EXPECT_DOUBLE_EQ(wrap180(190.0), -170.0);
    EXPECT_DOUBLE_EQ(wrap180(-180.0), -180.0);
}

TEST(SimGpsFormat, ChecksumOfAWellKnownSentence)
{
    EXPECT_EQ(checksumOf("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"), 0x47u);
    EXPECT_EQ(hexByte(0x0A), "0A");
    EXPECT_EQ(hexByte(0xF3), "F3");
}

TEST(SimGpsFormat, PositionsCarryMinutesIntoDegrees)
{
    EXPECT_EQ(latitudeField(47.2613), "4715.6780");
    EXPECT_EQ(latitudeField(47.99999999), "4800.0000");
    EXPECT_EQ(latitudeField(-34.5211), "3431.2660");
    EXPECT_EQ(latitudeHemisphere(-34.5211), 'S');
    EXPECT_EQ(latitudeHemisphere(0.0), 'N');
    EXPECT_EQ(longitudeField(7.0), "00700.0000");
    EXPECT_EQ(longitudeField(-58.7043), "05842.2580");
    EXPECT_EQ(longitudeField(179.999999999), "18000.0000");
    EXPECT_EQ(longitudeHemisphere(-58.7043), 'W');
}

TEST(SimGpsFormat, FixedPointNeverPrintsNegativeZero)
{
    EXPECT_EQ(fixedField(-0.04, 1), "0.0");
    EXPECT_EQ(fixedField(-0.06, 1), "-0.1");
    EXPECT_EQ(fixedField(12.345, 2), "12.35");
    EXPECT_EQ(fixedField(0.005, 2), "0.01");
    EXPECT_EQ(fixedField(-3.0, 0), "-3");
    EXPECT_EQ(fixedField(117.0, 0), "117");
    EXPECT_EQ(paddedField(7, 3), "007");
    EXPECT_EQ(angleField(359.96), "0.0");
    EXPECT_EQ(angleField(-0.3), "359.7");
    EXPECT_EQ(angleField(45.25), "45.3");
}

TEST(SimGpsFormat, TimeAndDateFields)
{
    const UtcTime t{2026, 5, 21, 9, 7, 3};
    EXPECT_EQ(timeField(t), "090703.00");
    EXPECT_EQ(dateField(t), "210526");
}

TEST(SimGpsClock, StartsBeforeTheHourAndRollsOverDaysAndMonths)
{
    UtcTime t = utcAt(0);
    EXPECT_EQ(t.hour * 10000 + t.minute * 100 + t.second, 94700);
    t = utcAt(13 * 60);
    EXPECT_EQ(t.hour * 10000 + t.minute * 100 + t.second, 100000);
    t = utcAt(14 * 3600 + 13 * 60); // midnight
    EXPECT_EQ(t.day, 22);
    EXPECT_EQ(t.hour + t.minute + t.second, 0);
    t = utcAt(11 * 86400);
    EXPECT_EQ(t.month, 6);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.year, 2026);
}

TEST(SimGpsDop, KnownGeometry)
{
    // One satellite overhead and three on the horizon 120 degrees apart:
    // (G^T G)^-1 has 2/3 for east and north and 4/3 for up.
    Dops d;
    ASSERT_TRUE(computeDops({{90, 0}, {0, 0}, {0, 120}, {0, 240}}, d));
    EXPECT_NEAR(d.hdop, std::sqrt(4.0 / 3.0), 1e-9);
    EXPECT_NEAR(d.vdop, std::sqrt(4.0 / 3.0), 1e-9);
    EXPECT_NEAR(d.pdop, std::sqrt(8.0 / 3.0), 1e-9);
}

TEST(SimGpsDop, ClusteredSatellitesDiluteMore)
{
    Dops spread, clustered;
    ASSERT_TRUE(computeDops({{70, 10}, {30, 100}, {25, 200}, {20, 290}, {45, 330}}, spread));
    ASSERT_TRUE(computeDops({{40, 80}, {50, 95}, {35, 110}, {60, 100}}, clustered));
    EXPECT_LT(spread.hdop, 1.5);
    EXPECT_GT(clustered.hdop, 3.0 * spread.hdop);
    Dops none;
    EXPECT_FALSE(computeDops({{40, 80}, {50, 95}, {35, 110}}, none));
    EXPECT_FALSE(computeDops({{40, 80}, {40, 80}, {40, 80}, {40, 80}}, none));
}

TEST(SimGpsSky, KeepsEightToFourteenInViewWithPassesOfEightToTwentyMinutes)
{
    Sky sky(11);
    std::map<int, int> risen;       // PRN -> second it came into view
    std::vector<int> passLengths;
    std::set<int> previous;
    const int seconds = 3 * 3600;
    for (int t = 0; t < seconds; ++t) {
        sky.advanceTo(t);
        std::set<int> now;
        for (const SkyPosition& p : sky.inView(t)) {
            ASSERT_GE(p.prn, 1);
            ASSERT_LE(p.prn, 32);
            ASSERT_GE(p.elevation, 0.0);
            ASSERT_LE(p.elevation, 90.0);
            ASSERT_GE(p.azimuth, 0.0);
            ASSERT_LT(p.azimuth, 360.0);
            ASSERT_TRUE(now.insert(p.prn).second) << "PRN twice in view";
            if (!previous.count(p.prn))
                risen[p.prn] = t;
        }
        ASSERT_GE(now.size(), 8u) << t;
        ASSERT_LE(now.size(), 14u) << t;
        for (int prn : previous) {
            if (!now.count(prn) && risen[prn] > 0)
                passLengths.push_back(t - risen[prn]);
        }
        previous = now;
    }
    ASSERT_GT(passLengths.size(), 30u);
    for (int length : passLengths) {
        EXPECT_GE(length, 8 * 60 - 1);
        EXPECT_LE(length, 20 * 60 + 1);
    }
}

TEST(SimGpsSky, SatellitesMoveSteadily)
{
    Sky sky(5);
    std::map<int, SkyPosition> previous; // the last second only
    int compared = 0;
    for (int t = 0; t < 1800; ++t) {
        sky.advanceTo(t);
        std::map<int, SkyPosition> now;
        for (const SkyPosition& p : sky.inView(t)) {
            now[p.prn] = p;
            auto found = previous.find(p.prn);
            if (found == previous.end())
                continue;
            // About 180 degrees of sky in 8 to 20 minutes: well under a
            // degree per second, except azimuth right under the zenith.
            EXPECT_LT(std::fabs(p.elevation - found->second.elevation), 0.5);
            if (p.elevation < 80.0) {
                EXPECT_LT(std::fabs(wrap180(p.azimuth - found->second.azimuth)), 3.0);
            }
            ++compared;
        }
        previous = now;
    }
    EXPECT_GT(compared, 15000);
}

Options parsed(const std::vector<std::string>& args, bool expectOk = true)
{
    Options o;
    std::string error;
    EXPECT_EQ(parseOptions(args, o, error), expectOk) << error;
    if (!expectOk) {
        EXPECT_FALSE(error.empty());
    }
    return o;
}

TEST(SimGpsOptions, ParsesEveryOption)
{
    const Options o = parsed({"--seed", "18446744073709551615", "--minutes", "3", "--skip", "120", "--lf",
                              "--bad-checksum-every", "7", "-o", "x.nmea", "--stats", "--site", "south-west",
                              "--systems", "all"});
    EXPECT_EQ(o.seed, 18446744073709551615ULL);
    EXPECT_EQ(o.epochs(), 180);
    EXPECT_EQ(o.skipSeconds, 120);
    EXPECT_TRUE(o.lfOnly);
    EXPECT_EQ(o.badChecksumEvery, 7);
    EXPECT_EQ(o.outputPath, "x.nmea");
    EXPECT_TRUE(o.stats);
    EXPECT_STREQ(o.site->name, "south-west");
    EXPECT_EQ(o.systems, everySystem());
    const Options defaults = parsed({});
    EXPECT_EQ(defaults.epochs(), 1800);
    EXPECT_FALSE(defaults.lfOnly);
    EXPECT_EQ(defaults.badChecksumEvery, 0);
    EXPECT_EQ(defaults.systems, gpsOnly());
}

TEST(SimGpsOptions, RejectsBadArguments)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--seed"}, {"--seed", "-1"}, {"--seed", "+1"}, {"--seed", "1e3"}, {"--seed", " 1"},
             {"--minutes", "0"}, {"--minutes", "1441"}, {"--skip", "86401"},
             {"--bad-checksum-every", "0"}, {"--site", "nowhere"}, {"--systems", "glonass"}, {"--systems", ""}, {"-o", ""}, {"--verbose"}, {"-"}}) {
        parsed(args, false);
    }
}

} // namespace
} // namespace orbilunex::simgps
