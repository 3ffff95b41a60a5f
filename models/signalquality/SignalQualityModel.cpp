#include "models/signalquality/SignalQualityModel.h"

#include <algorithm>

namespace orbilunex {

void SignalQualityModel::copySatellites(const GpsState& state)
{
    allSystems = state.allSystems != 0 ? 1 : 0;
    if (allSystems == 1) {
        barCount = state.sky.count == 0 ? kDefaultBarCount
                                        : std::min<int>(state.sky.count, kSignalBarCapacity);
        for (int i = 0; i < barCount; ++i) {
            const SystemSatellite& satellite = state.sky.satellites[i];
            bars[i] = {satellite.prn, satellite.snr, satellite.usedInSolution, satellite.system};
        }
        return;
    }
    barCount = state.satellitesInView == 0 ? kDefaultBarCount : state.satellitesInView;
    barCount = std::min(barCount, kSignalBarEntries);
    // The state's table is larger than the bars, so every bar has an entry.
    static_assert(kSatelliteTableSize >= kSignalBarEntries);
    for (int i = 0; i < barCount; ++i) {
        const SatelliteInfo& satellite = state.satellites[i];
        bars[i] = {satellite.prn, satellite.snr, satellite.usedInSolution, SystemGps};
    }
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
