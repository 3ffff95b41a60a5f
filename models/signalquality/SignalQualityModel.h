#pragma once

#include "nmea/GpsState.h"

#include <cstdint>

namespace orbilunex {

// Bars at most with GPS alone; with every system, one per table entry.
constexpr int kSignalBarEntries = 32;
constexpr int kSignalBarCapacity = kAllSystemsTableSize;
// Bars drawn while the receiver reports no satellites in view.
constexpr int kDefaultBarCount = 12;
// The observed extremes before any non-zero SNR: every later SNR widens them.
constexpr int kObservedMaxStart = -999;
constexpr int kObservedMinStart = 999;

struct SignalBar {
    std::int32_t prn = 0;
    std::int32_t snr = 0;
    std::int32_t usedInSolution = 0;
    std::int32_t system = SystemGps; // SatelliteSystem
};

// What the signal-quality bars show: one entry per satellite in view, the
// thresholds that map an SNR onto a bar's height, and the extremes seen
// since the window opened (or since they were reset).
struct SignalQualityModel {
    SignalBar bars[kSignalBarCapacity];
    int barCount = kDefaultBarCount;
    // 1 while the bars come from every system (labels and colours by system).
    int allSystems = 0;
    int upperThreshold = 60;
    int lowerThreshold = 30;
    int observedMax = kObservedMaxStart;
    int observedMin = kObservedMinStart;
    int autoTrack = 1;

    // barCount from satellitesInView (0 gives 12, at most 32), then the
    // first barCount satellite entries copied into the bars, so that every
    // bar drawn shows a satellite the state holds. While every system is
    // decoded, one bar per satellite of the all-systems table instead.
    // True when the bars drawn (their count, entries or system labels)
    // differ from what they were.
    bool copySatellites(const GpsState& state);

    // Widens the observed extremes with the non-zero SNRs of the bars drawn
    // (an SNR of 0 is no observation); with autoTrack 1 the thresholds then
    // become the extremes. Done at each paint, as the bars are drawn.
    void trackExtremes();

    void resetObserved();
};

} // namespace orbilunex
