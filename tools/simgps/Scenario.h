#pragma once

#include "Epoch.h"
#include "Geo.h"
#include "Random.h"
#include "Receiver.h"
#include "Route.h"
#include "Sky.h"
#include "Vehicle.h"

#include <cstdint>
#include <vector>

namespace orbilunex::simgps {

// The story every log tells, in seconds from the start (09:47:00 UTC):
// a cold start without a fix, a GPS fix, then differential fixes; a drive along
// the waypoint route with stops at lights; a parked stretch of several minutes
// with a few poor-geometry fixes; the rest of the route; parked at its end.
struct Timeline {
    static constexpr int kFirstFix = 62;
    static constexpr int kDifferentialFrom = 97;
    static constexpr int kDriveFrom = 110;
    static constexpr int kParkFrom = 1000;
    static constexpr int kParkUntil = 1420;

    // Traffic-light stops: the driver brakes when one begins.
    static bool stoppedAtLights(int second);
    // Index of the nearby-obstacle event in progress, or -1. All fall in the
    // parked stretch, where a survey would be averaging fixes.
    static int shadowEventAt(int second);
    static bool parked(int second) { return second >= kParkFrom && second < kParkUntil; }
};

// The simulated receiver on its drive, one epoch per second. It tracks the
// given systems; with more than GPS it also reports GPS L5.
class Scenario {
public:
    Scenario(std::uint64_t seed, const Site& site,
             const std::vector<GnssSystem>& systems = gpsOnly());

    // The next epoch; the first call gives second 0.
    EpochReport next();
    int second() const { return second_; }

private:
    void driveOneSecond();
    double plannedSpeed(int second) const;
    void solve(EpochReport& r) const;
    void reportFix(EpochReport& r, bool shadowed);
    void reportMotion(EpochReport& r);
    void reportRoute(EpochReport& r);
    std::vector<SkyPosition> skyAt(int second);

    const Site& site_;
    LocalFrame frame_;
    std::vector<GnssSystem> systems_;
    std::vector<Sky> skies_; // one a system, in the order of systems_
    Tracker tracker_;
    ErrorModel errors_;
    Route route_;
    Vehicle vehicle_;
    Rng motionNoise_;
    Rng extras_;
    int second_ = -1;
    double heldCourse_ = 0.0;
    double fixEast_ = 0.0;
    double fixNorth_ = 0.0;
};

} // namespace orbilunex::simgps
