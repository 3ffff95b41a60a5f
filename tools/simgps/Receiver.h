#pragma once

#include "Epoch.h"
#include "Random.h"
#include "Sky.h"

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace orbilunex::simgps {

// A satellite among all systems: PRNs repeat from one system to the next.
using SatelliteId = std::pair<GnssSystem, int>;

// Signal tracking and satellite selection of the simulated receiver: cold
// start, acquisition after rising or coming out from behind the building
// (see Obstruction.h), SNR, and which satellites go into the solution.
class Tracker {
public:
    explicit Tracker(std::uint64_t seed);

    // One second. `solving` says whether the receiver computes fixes yet (only
    // then are satellites marked used); `shadowEvent` is the index of a
    // nearby-obstacle event in progress, or -1.
    std::vector<SatelliteReport> update(int second, const std::vector<SkyPosition>& sky,
                                        bool solving, int shadowEvent);
    // The second GPS signal, L5, on the satellites that send it: tracked with
    // L1, a few dB weaker through the receiver's antenna. Only a receiver that
    // reports it calls this, once per update.
    void addL5(std::vector<SatelliteReport>& sats);

    static constexpr int kElevationMask = 5;  // degrees
    static constexpr int kMinUsableSnr = 35;  // dB-Hz
    static constexpr int kMaxUsed = 12;       // of one system: GSA has twelve PRN fields

private:
    struct Lock {
        double visibleSince;
        double acquireDelay;
        bool locked;
        double bias; // this satellite's signal offset, dB
    };

    int trackSignal(int second, const SatelliteReport& sat, bool blocked);
    void shadow(int event, std::vector<SatelliteReport>& sats);
    void chooseShadow(const std::vector<SatelliteReport>& sats);
    std::vector<SatelliteId> nearestToOpening(const std::vector<SatelliteReport>& sats,
                                              double azimuth, int keep) const;
    void selectUsed(std::vector<SatelliteReport>& sats) const;

    Rng rng_;
    Rng l5Noise_; // a stream of its own: L5 leaves the rest of the log as it is
    std::map<SatelliteId, Lock> locks_;
    int shadowEvent_ = -1;
    std::vector<SatelliteId> openSatellites_; // left unobstructed by the current event
};

struct Offset {
    double east;
    double north;
    double up;
};

// Position error of the fix: a slowly wandering part (first-order Gauss-Markov,
// about a minute and a half of memory) plus white noise scaled by the DOPs, so
// a parked receiver drifts by metres instead of jittering uniformly. During a
// nearby-obstacle event a multipath bias pulls the fix further off.
class ErrorModel {
public:
    explicit ErrorModel(std::uint64_t seed);
    Offset step(int quality, double hdop, double vdop, bool shadowed);

private:
    Rng rng_;
    double wanderEast_ = 0.0;
    double wanderNorth_ = 0.0;
    double wanderUp_ = 0.0;
    bool inEvent_ = false;
    double biasEast_ = 0.0;
    double biasNorth_ = 0.0;
};

} // namespace orbilunex::simgps
