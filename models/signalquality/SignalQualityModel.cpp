#include "models/signalquality/SignalQualityModel.h"

#include <algorithm>

namespace orbilunex {

namespace {

// Stores `value` in `bar`; true when that changed the bar.
bool store(SignalBar& bar, const SignalBar& value)
{
    if (bar.prn == value.prn && bar.snr == value.snr &&
        bar.usedInSolution == value.usedInSolution && bar.system == value.system)
        return false;
    bar = value;
    return true;
}

} // namespace

bool SignalQualityModel::copySatellites(const GpsState& state)
{
    const int wasCount = barCount;
    const int wasAllSystems = allSystems;
    allSystems = state.allSystems != 0 ? 1 : 0;
    bool changed = false;
    if (allSystems == 1) {
        barCount = state.sky.count == 0 ? kDefaultBarCount
                                        : std::min<int>(state.sky.count, kSignalBarCapacity);
        for (int i = 0; i < barCount; ++i) {
            const SystemSatellite& satellite = state.sky.satellites[i];
            changed |= store(bars[i], {satellite.prn, satellite.snr, satellite.usedInSolution,
                                       satellite.system});
        }
    } else {
        barCount = state.satellitesInView == 0 ? kDefaultBarCount : state.satellitesInView;
        barCount = std::min(barCount, kSignalBarEntries);
        // The state's table is larger than the bars, so every bar has an entry.
        static_assert(kSatelliteTableSize >= kSignalBarEntries);
        for (int i = 0; i < barCount; ++i) {
            const SatelliteInfo& satellite = state.satellites[i];
            changed |= store(bars[i], {satellite.prn, satellite.snr, satellite.usedInSolution,
                                       SystemGps});
        }
    }
    return changed || barCount != wasCount || allSystems != wasAllSystems;
}

void SignalQualityModel::trackExtremes()
{
    for (int i = 0; i < barCount; ++i) {
        const int snr = bars[i].snr;
        if (snr == 0) continue;
        observedMax = std::max(observedMax, snr);
        observedMin = std::min(observedMin, snr);
    }
    if (autoTrack == 1) {
        upperThreshold = observedMax;
        lowerThreshold = observedMin;
    }
}

void SignalQualityModel::resetObserved()
{
    observedMax = kObservedMaxStart;
    observedMin = kObservedMinStart;
}

} // namespace orbilunex
