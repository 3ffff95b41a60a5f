#include "format/GreatCircle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orbilunex {
namespace {

constexpr double pi = 3.14159265358979323846;

// An independent formula for the reference distances: haversine with the
// exact pi / 180 and 60 nautical miles per degree of arc.
double haversineNm(double lat1, double lon1, double lat2, double lon2)
{
    const double r = pi / 180;
    const double a = std::pow(std::sin((lat2 - lat1) * r / 2), 2) +
                     std::cos(lat1 * r) * std::cos(lat2 * r) *
                         std::pow(std::sin((lon2 - lon1) * r / 2), 2);
    return 2 * std::asin(std::sqrt(a)) / r * 60;
}

struct DistanceCase {
    double lat1, lon1, lat2, lon2;
    double expected;
    double tolerance;
    const char* legend;
};

const DistanceCase distanceCases[] = {
    {0, 0, 0, 1, 60.0, 1e-9, "one degree of longitude on the equator"},
    {0, 0, 1, 0, 60.0, 1e-9, "one degree of latitude"},
    {0, 0, 0, 90, 5400.0, 1e-6, "quarter of the equator"},
    {90, 0, -90, 0, 10800.0, 1e-5, "pole to pole"},
    {0, -90, 0, 90, 10800.0, 1e-5, "antipodes on the equator"},
    {45, 10, 45, 10, 0.0, 0.0, "identical points"},
    // 180 degrees of longitude scale by k but wrap at the true pi: 2e-8 off.
    {89.5, 0, 89.5, 180, 60.0, 2e-6, "across the north pole"},
    // Near zero the law of cosines resolves only about 1e-4 nm.
    {-33.8568, 151.2153, -33.8568, 151.2153 - 360, 0.0, 1e-3, "same point, longitude 360 apart"},
};

TEST(DistanceNm, TabulatedDistances)
{
    for (const DistanceCase& row : distanceCases) {
        SCOPED_TRACE(row.legend);
        EXPECT_NEAR(distanceNm(row.lat1, row.lon1, row.lat2, row.lon2), row.expected,
                    row.tolerance);
    }
}

// Agreement to 1e-9 relative: k differs from pi / 180 by about 1e-10.
TEST(DistanceNm, AgreesWithHaversine)
{
    const double points[][2] = {{48.1173, 11.5166666667}, {52.52, 13.405}, {-33.8568, 151.2153},
                                {40.6892, -74.0445},      {-0.5, 179.9},   {64.1466, -21.9426}};
    for (const auto& a : points) {
        for (const auto& b : points) {
            if (&a == &b) continue;
            const double expected = haversineNm(a[0], a[1], b[0], b[1]);
            EXPECT_NEAR(distanceNm(a[0], a[1], b[0], b[1]), expected, expected * 1e-9)
                << a[0] << "," << a[1] << " to " << b[0] << "," << b[1];
        }
    }
}

// The cosine as the formula computes it, before any clamping.
double rawCosine(double lat1, double lon1, double lat2, double lon2)
{
    const double k = 0.017453292522222223;
    return std::cos(lon1 * k - lon2 * k) * std::cos(lat1 * k) * std::cos(lat2 * k) +
           std::sin(lat1 * k) * std::sin(lat2 * k);
}

struct RoundingCase {
    double lat1, lon1, lat2, lon2;
    const char* legend;
};

TEST(DistanceNm, IdenticalPointsGiveZeroWhenCosineRoundsAboveOne)
{
    const RoundingCase rows[] = {
        {0.015, 0.0105, 0.015, 0.0105, "near the null island"},
        {30.0009, 7.0, 30.0009, 7.0, "mid latitude"},
    };
    for (const RoundingCase& row : rows) {
        SCOPED_TRACE(row.legend);
        // The row only proves the clamp if rounding really overshoots here.
        ASSERT_GT(rawCosine(row.lat1, row.lon1, row.lat2, row.lon2), 1.0);
        EXPECT_EQ(distanceNm(row.lat1, row.lon1, row.lat2, row.lon2), 0.0);
    }
}

TEST(DistanceNm, AntipodesGiveHalfCircleWhenCosineRoundsBelowMinusOne)
{
    ASSERT_LT(rawCosine(0.0074, 10, -0.0074, -170), -1.0);
    EXPECT_NEAR(distanceNm(0.0074, 10, -0.0074, -170), 10800.0, 1e-5);
}

TEST(DistanceNm, NonFiniteInputGivesNaN)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(distanceNm(nan, 0, 0, 0)));
    EXPECT_TRUE(std::isnan(distanceNm(0, 0, 0, inf)));
}

} // namespace
} // namespace orbilunex
