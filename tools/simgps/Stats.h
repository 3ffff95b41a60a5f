#pragma once

#include "Epoch.h"

#include <array>
#include <ostream>

namespace orbilunex::simgps {

// A summary of what was written, for checking a log against the scenario
// without decoding it. The horizon mask is learnt as a sky plot would learn it:
// per degree of azimuth, the lowest elevation of a used satellite with an SNR
// of at least 40 dB-Hz.
class Stats {
public:
    Stats();
    void add(const EpochReport& r);
    void print(std::ostream& out) const;

    static constexpr int kUnseen = 99;
    static constexpr int kStrongSnr = 40;

    int lowestElevation(int azimuth) const { return lowest_[azimuth]; }
    // Over [from, to] degrees of azimuth: the lowest value, the highest
    // per-degree value among degrees seen, and how many degrees were seen.
    void sector(int from, int to, int& lowest, int& highest, int& seen) const;

    int epochs() const { return epochs_; }
    int epochsWithQuality(int q) const { return quality_[q]; }
    int highHdopFixes() const { return highHdop_; }

private:
    std::array<int, 360> lowest_;
    std::array<int, 3> quality_{};
    static constexpr int kMostGsv = 19; // GSV messages an epoch; more count here
    std::array<int, kMostGsv + 1> gsvMessages_{};
    int epochs_ = 0;
    int minInView_ = 99;
    int maxInView_ = 0;
    // Per system id (index 0 unused), for a receiver of several systems.
    std::array<int, 5> minBySystem_{};
    std::array<int, 5> maxBySystem_{};
    bool multiSystem_ = false;
    int highHdop_ = 0;
    int arrivals_ = 0;
    int routeEpochs_ = 0;
    double maxSpeedKnots_ = 0.0;
    double minAltitude_ = 1e9;
    double maxAltitude_ = -1e9;
    bool wasArrived_ = false;
};

} // namespace orbilunex::simgps
