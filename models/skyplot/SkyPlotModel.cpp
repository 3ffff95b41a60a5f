#include "models/skyplot/SkyPlotModel.h"

namespace orbilunex {

namespace {

bool sameSatellite(const SkySatellite& a, const SkySatellite& b)
{
    return a.prn == b.prn && a.azimuth == b.azimuth && a.elevation == b.elevation &&
           a.usedInSolution == b.usedInSolution && a.snr == b.snr && a.system == b.system;
}

// Stores `value` in `slot`; true when that changed the slot.
bool store(SkySatellite& slot, const SkySatellite& value)
{
    if (sameSatellite(slot, value)) return false;
    slot = value;
    return true;
}

} // namespace

SkyPlotModel::SkyPlotModel()
{
    resetMask();
    clearTrails();
}

bool SkyPlotModel::copySatellites(const GpsState& state)
{
    const int wasAllSystems = allSystems;
    allSystems = state.allSystems != 0 ? 1 : 0;
    bool changed = allSystems != wasAllSystems;
    int n = 0;
    if (allSystems == 1) {
        n = state.sky.count < kSkySlots ? state.sky.count : kSkySlots;
        for (int i = 0; i < n; ++i) {
            const SystemSatellite& from = state.sky.satellites[i];
            changed |= store(satellites[i], {from.prn, from.azimuth, from.elevation,
                                             from.usedInSolution, from.snr, from.system});
        }
    } else {
        n = state.satellitesInView;
        if (n > kSatelliteTableSize) n = kSatelliteTableSize;
        for (int i = 0; i < n; ++i) {
            const SatelliteInfo& from = state.satellites[i];
            changed |= store(satellites[i], {from.prn, from.azimuth, from.elevation,
                                             from.usedInSolution, from.snr, SystemGps});
        }
    }
    for (int i = n; i < kSkySlots; ++i) {
        SkySatellite& slot = satellites[i];
        changed |= slot.prn != 0 || slot.azimuth != 0 || slot.elevation != 0 ||
                   slot.usedInSolution != 0;
        slot.prn = 0;
        slot.azimuth = 0;
        slot.elevation = 0;
        slot.usedInSolution = 0;
    }
    return changed;
}

bool SkyPlotModel::learnMask()
{
    bool changed = false;
    for (const SkySatellite& sat : satellites) {
        if (sat.snr < snrThreshold || sat.usedInSolution != 1) continue;
        if (sat.azimuth < 0 || sat.azimuth >= kMaskEntries) continue;
        MaskEntry& entry = mask[sat.azimuth];
        if (sat.elevation >= entry.lowestElevation) continue;
        entry.lowestElevation = sat.elevation;
        entry.observed = 1;
        changed = true;
    }
    return changed;
}

bool SkyPlotModel::recordTrails()
{
    bool added = false;
    for (int s = 0; s < kSkySlots; ++s) {
        const SkySatellite& sat = satellites[s];
        const int last = trailNext[s] == 0 ? kTrailPoints - 1 : trailNext[s] - 1;
        const TrailPoint& previous = trails[s][last];
        if (previous.prn == sat.prn && previous.azimuth == sat.azimuth &&
            previous.elevation == sat.elevation)
            continue;
        trails[s][trailNext[s]] = {sat.prn, sat.azimuth, sat.elevation};
        trailNext[s] = static_cast<std::uint16_t>((trailNext[s] + 1) % kTrailPoints);
        added = true;
    }
    return added;
}

void SkyPlotModel::clearTrails()
{
    for (int s = 0; s < kSkySlots; ++s) {
        for (TrailPoint& point : trails[s]) point = TrailPoint{};
        trailNext[s] = 0;
    }
}

void SkyPlotModel::resetMask()
{
    for (int i = 0; i < kMaskEntries; ++i) mask[i] = {i, kMaskUnlearned, 0};
}

} // namespace orbilunex
