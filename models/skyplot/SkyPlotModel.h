#pragma once

#include "nmea/GpsState.h"

#include <cstdint>

namespace orbilunex {

// Room for every satellite of every system (a GPS-only table fills 36).
constexpr int kSkySlots = kAllSystemsTableSize;
constexpr int kMaskEntries = 360;
constexpr int kTrailPoints = 500;
// An elevation of this or more never lowers a mask entry; entries start here.
constexpr int kMaskUnlearned = 76;

// One satellite as the sky plot copies it from the decoded state.
struct SkySatellite {
    std::int32_t prn = 0;
    std::int32_t azimuth = 0;
    std::int32_t elevation = 0;
    std::int32_t usedInSolution = 0;
    std::int32_t snr = 0;
    std::int32_t system = SystemGps; // SatelliteSystem
};

// The lowest elevation at which a used satellite with a good signal was seen
// at one degree of azimuth. `azimuth` is the angle the entry is drawn at: the
// entry's index after a reset, whatever a mask file said after loading one.
struct MaskEntry {
    std::int32_t azimuth = 0;
    std::int32_t lowestElevation = kMaskUnlearned;
    std::int32_t observed = 0;
};

struct TrailPoint {
    std::int32_t prn = 0;
    std::int32_t azimuth = 0;
    std::int32_t elevation = 0;
};

// What the sky plot knows: the satellites of the last tick, the learned
// physical mask, and per satellite slot a ring of its last 500 distinct
// positions. Fixed arrays: nothing here allocates.
class SkyPlotModel {
public:
    SkyPlotModel();

    // Copies the decoded satellite table: entries 0..N-1 with N the number in
    // view, limited to the table; slots from N on lose prn, azimuth,
    // elevation and the used flag (their SNR stays as it was). While every
    // system is decoded, the table is the all-systems one and allSystems 1.
    // True when any slot or allSystems differs from what it held before.
    bool copySatellites(const GpsState& state);

    // For each slot in order: a used satellite with SNR at least the
    // threshold, azimuth 0..359 and elevation below the entry at its azimuth
    // lowers that entry. True when any entry changed.
    bool learnMask();

    // Adds each slot's position to its ring unless it equals the ring's last
    // point; a full ring overwrites its oldest point. True when any point was
    // added.
    bool recordTrails();

    void clearTrails();
    // Entry i becomes (i, 76, 0) for every i.
    void resetMask();

    SkySatellite satellites[kSkySlots];
    MaskEntry mask[kMaskEntries];
    TrailPoint trails[kSkySlots][kTrailPoints];
    std::uint16_t trailNext[kSkySlots];

    // 1 while the satellites come from every system: labels then carry
    // the system letter and markers its colour.
    int allSystems = 0;
    int trailsEnabled = 1;
    int maskOutlineEnabled = 1;
    int snrThreshold = 30;
    int detailsEnabled = 1;
};

} // namespace orbilunex
