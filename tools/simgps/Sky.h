#pragma once

#include "Random.h"

#include <cstdint>
#include <vector>

namespace orbilunex::simgps {

struct SkyPosition {
    int prn;
    double elevation; // degrees, 0 at the horizon
    double azimuth;   // degrees, [0, 360)
};

// The satellites above the horizon. Real orbits take hours to cross the sky;
// here a pass lasts 8 to 20 minutes, so that a half-hour log sweeps most
// azimuths at low elevation and the in-view set keeps changing.
//
// A pass is a great circle on the sky: it rises at one azimuth, culminates
// 90 degrees further round and sets opposite where it rose, with
// tan(elevation) = tan(highest) * sin(azimuth angle from the rise point).
//
// The sky has a fixed number of slots, each for passes of one height class:
// when a pass sets, another of the same class rises in its slot after a pause.
// That keeps a realistic mix at all times: some satellites high up for good
// geometry, many low ones sweeping the horizon.
class Sky {
public:
    explicit Sky(std::uint64_t seed);

    // Retires passes that have set and starts new ones, keeping 8 to 14 in
    // view. Call once per second, in time order.
    void advanceTo(int second);
    // Satellites in view at that time, ascending PRN.
    std::vector<SkyPosition> inView(double second) const;

    static constexpr int kMinInView = 8;
    static constexpr int kMaxInView = 14; // one per slot

private:
    enum class Height { Low, Middle, High };
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
        Height height;
        bool busy;
        double nextRise; // when idle: second at which the next pass rises
    };

    // A pass `phase` (0..1) of the way across at second `now`.
    Pass makePass(int slot, double now, double phase);
    double drawHighest(Height height);
    int pickPrn(double now);
    double predictedPdop(const Pass& candidate, double now) const;
    void rise(int slot, int second);
    static bool position(const Pass& pass, double second, SkyPosition& out);

    Rng rng_;
    std::vector<Slot> slots_;
    std::vector<Pass> passes_;
    std::vector<double> lastSet_;  // per PRN 1..32, second it last set
};

} // namespace orbilunex::simgps
