#pragma once

namespace orbilunex {

// Where the user's display choices live in the settings store. The General
// Settings dialog writes these keys; the unit and position functions read
// them at every call, so a change shows at the next redraw.
constexpr const char* generalSettingsSection = "Settings";
constexpr const char* unitsKey = "Units";
constexpr const char* altitudeElevationUnitsKey = "AltitudeElevationUnits";
constexpr const char* positionFormatKey = "PositionFormat";

// Values of "Units" (distance and speed), default unitsStatute. Each value is
// the index of the choice in the dialog's list; anything else is "other".
constexpr int unitsStatute = 0;
constexpr int unitsNautical = 1;
constexpr int unitsMetric = 2;

// Values of "AltitudeElevationUnits", default altitudeFeet.
constexpr int altitudeFeet = 0;
constexpr int altitudeMeters = 1;

// Values of "PositionFormat", default positionDegreesMinutes.
constexpr int positionDegreesMinutes = 0;        // ddd°mm.mmmm
constexpr int positionDegreesMinutesSeconds = 1; // ddd°mm'ss.sss
constexpr int positionDecimalDegrees = 2;        // ddd.dddddddd°

} // namespace orbilunex
