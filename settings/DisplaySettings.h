#pragma once

#include "settings/Setting.h"

namespace orbilunex {

// Values of "Units" (distance and speed). Each value is the index of the
// choice in the General Settings dialog's list; anything else is "other".
constexpr int unitsStatute = 0;
constexpr int unitsNautical = 1;
constexpr int unitsMetric = 2;

// Values of "AltitudeElevationUnits".
constexpr int altitudeFeet = 0;
constexpr int altitudeMeters = 1;

// Values of "PositionFormat".
constexpr int positionDegreesMinutes = 0;        // ddd°mm.mmmm
constexpr int positionDegreesMinutesSeconds = 1; // ddd°mm'ss.sss
constexpr int positionDecimalDegrees = 2;        // ddd.dddddddd°

// The user's display choices. The General Settings dialog writes them; the
// unit and position functions read them at every call, so a change shows at
// the next redraw.
namespace settings::display {
constexpr const char* kSection = "Settings";
constexpr IntSetting kUnits{kSection, "Units", unitsStatute};
constexpr IntSetting kAltitudeUnits{kSection, "AltitudeElevationUnits", altitudeFeet};
constexpr IntSetting kPositionFormat{kSection, "PositionFormat", positionDegreesMinutes};
} // namespace settings::display

} // namespace orbilunex
