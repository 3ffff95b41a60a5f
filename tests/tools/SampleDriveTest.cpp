// Checks of the drive in the committed sample log: motion, the parked stretch
// a survey would average, and the waypoint route as RMB reports it.

#include "SampleLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orbilunex::simgps::test {
namespace {

TEST(SampleLog, DriveHasStopsClimbsAndEveryDirection)
{
    const Log& log = sample();
    double maxSpeed = 0, maxClimb = 0, minAlt = 1e9, maxAlt = -1e9;
    std::set<int> quadrants;
    int stops = 0;
    bool moving = false;
    std::vector<double> misfit; // metres moved vs. speed over one second
    for (std::size_t i = 1; i < log.views.size(); ++i) {
        const View& a = log.views[i - 1];
        const View& b = log.views[i];
        if (a.quality == 0 || b.quality == 0)
            continue;
        maxSpeed = std::max(maxSpeed, b.speed);
        minAlt = std::min(minAlt, b.alt);
        maxAlt = std::max(maxAlt, b.alt);
        if (b.speed > 5.0) {
            quadrants.insert(int(b.course) / 90);
            maxClimb = std::max(maxClimb, std::fabs(b.alt - a.alt));
        }
        stops += (moving && b.speed < 0.5) ? 1 : 0;
        moving = b.speed > 5.0 ? true : (b.speed < 0.5 ? false : moving);
        double east = 0, north = 0;
        toMetres(a.lat, a.lon, b.lat, b.lon, east, north);
        if (a.hdop < 3.0 && b.hdop < 3.0)
            misfit.push_back(std::fabs(std::hypot(east, north) - (a.speed + b.speed) / 2.0 * 1852.0 / 3600.0));
    }
    EXPECT_GT(maxSpeed, 50.0); // knots: about 100 km/h at the top
    EXPECT_LT(maxSpeed, 57.0);
    EXPECT_EQ(quadrants.size(), 4u);
    EXPECT_GE(stops, 4);
    EXPECT_GT(maxAlt - minAlt, 40.0);
    EXPECT_GT(maxClimb, 1.0);
    std::sort(misfit.begin(), misfit.end());
    EXPECT_LT(misfit[misfit.size() / 2], 0.6) << "positions and speeds disagree";
    EXPECT_LT(misfit[misfit.size() * 99 / 100], 3.0);
}

// First epoch and length of the longest run of differential fixes at rest.
std::pair<std::size_t, std::size_t> longestParkedStretch(const std::vector<View>& views)
{
    std::size_t bestStart = 0, bestLength = 0, start = 0;
    for (std::size_t i = 0; i <= views.size(); ++i) {
        const bool still = i < views.size() && views[i].quality == 2 && views[i].speed < 0.5;
        if (still)
            continue;
        if (i - start > bestLength) {
            bestLength = i - start;
            bestStart = start;
        }
        start = i + 1;
    }
    return {bestStart, bestLength};
}

// Metres of scatter, and wandering (strong correlation from one second to
// the next) rather than white jitter.
void expectWanderingNoise(const std::vector<double>& x, const char* what)
{
    double mean = 0;
    for (double value : x)
        mean += value / x.size();
    double variance = 0, lagged = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        variance += (x[i] - mean) * (x[i] - mean);
        if (i > 0)
            lagged += (x[i] - mean) * (x[i - 1] - mean);
    }
    const double sd = std::sqrt(variance / x.size());
    EXPECT_GT(sd, 0.3) << what << ": too still for a receiver";
    EXPECT_LT(sd, 5.0) << what;
    EXPECT_GT(lagged / variance, 0.5) << what << ": white jitter instead of a wandering error";
}

TEST(SampleLog, ParkedStretchHasRealisticNoiseAndSomePoorFixes)
{
    const Log& log = sample();
    const auto [first, length] = longestParkedStretch(log.views);
    ASSERT_GE(length, 300u) << "no parked stretch of five minutes";
    std::vector<double> east, north, alt;
    int poor = 0;
    for (std::size_t i = first; i < first + length; ++i) {
        const View& v = log.views[i];
        if (v.hdop > 3.0) {
            ++poor;
            EXPECT_GT(v.pdop, v.hdop);
            EXPECT_GT(v.vdop, 1.5);
            continue;
        }
        double e = 0, n = 0;
        toMetres(log.views[first].lat, log.views[first].lon, v.lat, v.lon, e, n);
        east.push_back(e);
        north.push_back(n);
        alt.push_back(v.alt);
    }
    EXPECT_GE(poor, 3);
    EXPECT_LE(poor, 40);
    expectWanderingNoise(east, "east");
    expectWanderingNoise(north, "north");
    expectWanderingNoise(alt, "altitude");
}

// One RMB against the fix of its epoch: arrival inside the circle, closing
// speed as the component of the speed, range and bearing as the positions say.
void checkRmbAgainstFix(const View& v, const Sentence& r)
{
    const double range = *number(r.field(9));
    if (r.field(12) == "A") {
        EXPECT_LE(range, 0.1) << r.line;
    }
    const double bearing = *number(r.field(10));
    EXPECT_NEAR(*number(r.field(11)), v.speed * std::cos((v.course - bearing) * kPi / 180.0), 0.25)
        << r.line;
    if (range > 0.3) {
        double east = 0, north = 0;
        toMetres(v.lat, v.lon, degrees(r.field(5), r.field(6), 2), degrees(r.field(7), r.field(8), 3),
                 east, north);
        EXPECT_NEAR(std::hypot(east, north) / 1852.0, range, 0.02 * range + 0.06) << r.line;
        const double computed = std::atan2(east, north) * 180.0 / kPi;
        EXPECT_NEAR(std::remainder(computed - bearing, 360.0), 0.0, 1.0) << r.line;
    }
}

TEST(SampleLog, RouteLegsArriveAdvanceAndAgreeWithTheFixes)
{
    std::vector<std::string> destinations;
    std::map<std::string, std::string> waypointPosition;
    std::set<std::string> steer;
    int withRoute = 0;
    const Sentence* last = nullptr;
    for (const View& v : sample().views) {
        if (!v.rmb) {
            last = nullptr;
            continue;
        }
        const Sentence& r = *v.rmb;
        ++withRoute;
        steer.insert(r.field(2));
        const std::string position = r.field(5) + r.field(6) + r.field(7) + r.field(8);
        auto known = waypointPosition.emplace(r.field(4), position).first;
        EXPECT_EQ(known->second, position) << "waypoint moved: " << r.line;
        if (destinations.empty() || destinations.back() != r.field(4)) {
            if (!destinations.empty()) {
                EXPECT_EQ(r.field(3), destinations.back()) << "leg does not start where the last ended";
                ASSERT_NE(last, nullptr);
                EXPECT_EQ(last->field(12), "A") << "left a leg without arriving: " << last->line;
            }
            destinations.push_back(r.field(4));
        }
        checkRmbAgainstFix(v, r);
        last = &r;
    }
    EXPECT_GE(destinations.size(), 6u);
    EXPECT_GT(withRoute, 900);
    EXPECT_EQ(steer, (std::set<std::string>{"L", "R"}));
}

} // namespace
} // namespace orbilunex::simgps::test
