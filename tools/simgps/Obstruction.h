#pragma once

namespace orbilunex::simgps {

// A building hides the sky between azimuth 200 and 250 degrees below 35
// degrees elevation. Satellites there stay in GSV with their position but
// without SNR, so a sky plot that learns the horizon from used, strong
// satellites ends up with a notch in that sector. Decided on the rounded
// figures the log shows, so the notch has crisp edges.
constexpr int kBuildingFromAzimuth = 200;
constexpr int kBuildingToAzimuth = 250;
constexpr int kBuildingTopElevation = 35;

inline bool blockedByBuilding(int azimuth, int elevation)
{
    return azimuth >= kBuildingFromAzimuth && azimuth <= kBuildingToAzimuth
        && elevation < kBuildingTopElevation;
}

} // namespace orbilunex::simgps
