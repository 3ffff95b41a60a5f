#pragma once

#include "nmea/GpsState.h"

#include <cstdint>

namespace orbilunex {

constexpr int kSignalBarEntries = 32;
// Bars drawn while the receiver reports no satellites in view.
constexpr int kDefaultBarCount = 12;
// The observed extremes before any non-zero SNR: every later SNR widens them.
constexpr int kObservedMaxStart = -999;
constexpr int kObservedMinStart = 999;

struct SignalBar {
    std::int32_t prn = 0;
    std::int32_t snr = 0;
    std::int32_t usedInSolution = 0;
};

// What the signal-quality bars show: one entry per satellite in view, the
// thresholds that map an SNR onto a bar's height, and the extremes seen
// since the window opened (or since they were reset).
struct SignalBarsModel {
    SignalBar bars[kSignalBarEntries];
    int barCount = kDefaultBarCount;
    int upperThreshold = 60;
    int lowerThreshold = 30;
    int observedMax = kObservedMaxStart;
    int observedMin = kObservedMinStart;
    int autoTrack = 1;

    // barCount from satellitesInView (0 gives 12, at most 32), then the
    // first barCount satellite entries copied into the bars, so that every
    // bar drawn shows a satellite the state holds.
    void copySatellites(const GpsState& state);

    // Widens the observed extremes with the non-zero SNRs of the bars drawn
    // (an SNR of 0 is no observation); with autoTrack 1 the thresholds then
    // become the extremes. Done at each paint, as the bars are drawn.
    void trackExtremes();

    void resetObserved();
};

} // namespace orbilunex
