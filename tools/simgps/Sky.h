#pragma once

#include "Epoch.h"
#include "Random.h"

#include <cstdint>
#include <vector>

namespace orbilunex::simgps {

struct SkyPosition {
    GnssSystem system;
    int prn;
    double elevation; // degrees, 0 at the horizon
    double azimuth;   // degrees, [0, 360)
};

enum class PassHeight { Low, Middle, High };

// How the sky model flies one system's satellites: the PRNs it numbers them
// with, its slots (one height class each; their number is the most in view at
// once), how many are up at the start and the fewest ever in view.
struct Constellation {
    GnssSystem system;
    int firstPrn;
    int prnCount;
    std::vector<PassHeight> slots;
    int busyAtStart;
    int minInView;
    std::uint64_t stream; // of the seed's random numbers, one per system
};
const Constellation& constellationOf(GnssSystem system);

// The satellites of one system above the horizon. Real orbits take hours to
// cross the sky; here a pass lasts 8 to 20 minutes, so that a half-hour log
// sweeps most azimuths at low elevation and the in-view set keeps changing.
//
// A pass is a great circle on the sky: it rises at one azimuth, culminates
// 90 degrees further round and sets opposite where it rose, with
// tan(elevation) = tan(highest) * sin(azimuth angle from the rise point).
//
// Each system has its sky of its own: passes of one system are spread
// against each other, independently of the other systems.
//
// The sky has a fixed number of slots, each for passes of one height class:
// when a pass sets, another of the same class rises in its slot after a pause.
// That keeps a realistic mix at all times: some satellites high up for good
// geometry, many low ones sweeping the horizon.
class Sky {
public:
    // GPS: 8 to 14 in view.
    explicit Sky(std::uint64_t seed);
    Sky(std::uint64_t seed, const Constellation& constellation);

    // Retires passes that have set and starts new ones, keeping between the
    // constellation's minimum and its number of slots in view. Call once per
    // second, in time order.
    void advanceTo(int second);
    // Satellites in view at that time, ascending PRN.
    std::vector<SkyPosition> inView(double second) const;

private:
    struct Pass {
        int prn;
        int slot;
        double start;       // second at which it rises
        double duration;    // seconds from rise to set
        double riseAzimuth; // degrees
        double direction;   // +1 clockwise across the sky, -1 anticlockwise
        double highest;     // culmination elevation, degrees
    };
    struct Slot {
        PassHeight height;
        bool busy;
        double nextRise; // when idle: second at which the next pass rises
    };

    // A pass `phase` (0..1) of the way across at second `now`.
    Pass makePass(int slot, double now, double phase);
    double drawHighest(PassHeight height);
    int pickPrn(double now);
    double predictedPdop(const Pass& candidate, double now) const;
    void rise(int slot, int second);
    bool position(const Pass& pass, double second, SkyPosition& out) const;

    Constellation constellation_;
    Rng rng_;
    std::vector<Slot> slots_;
    std::vector<Pass> passes_;
    std::vector<double> lastSet_;  // per PRN from the first, second it last set
};

} // namespace orbilunex::simgps
