#pragma once

#include <string>

namespace orbilunex {

class SettingsStore;

// Unit conversions and their labels for the user's chosen units.
//
// Distance and speed follow the setting "Units" (0 statute, 1 nautical,
// 2 metric); altitude and vertical speed follow "AltitudeElevationUnits"
// (0 feet, 1 metres), both in the section "Settings" with default 0. Each
// call reads the setting afresh, so a change in the settings dialog takes
// effect at the next call. A stored value outside the listed range is
// "other", with the result each function names. NaN and infinities pass
// through the arithmetic unchecked.

// Speed from knots: statute mph (x 1.15077944802), knots unchanged, metric
// km/h (x 1.852). Other: the input unchanged.
double convertSpeed(const SettingsStore& settings, double knots);

// As convertSpeed, but other gives 0. The knot factors are also the factors
// for nautical miles, so this serves a range in nautical miles as well.
double convertSpeedOrZero(const SettingsStore& settings, double knots);

// Distance from statute miles: statute unchanged (mi), nautical
// x 0.868976241901 (nmi), metric x 1.609344 (km). Other: unchanged.
double convertDistance(const SettingsStore& settings, double statuteMiles);

// Short distance from statute miles: statute x 5280 (ft), nautical
// x 0.868976241901 (nmi, there is no short nautical unit), metric x 1609.344
// (m). Other: unchanged.
double convertShortDistance(const SettingsStore& settings, double statuteMiles);

// Distance from statute miles in the unit that reads best: statute gives
// miles from 0.5 mi up and feet below; nautical always nautical miles;
// metric gives kilometres from 1 km (statuteMiles x 1.609344 >= 1) up and
// metres below. Other: 0. A NaN input takes the short unit.
// distanceAutoUnitLabel names the unit chosen for the same input.
double convertDistanceAuto(const SettingsStore& settings, double statuteMiles);

// Altitude from metres: feet x 3.28083989501, metres unchanged. Other: -1.
double convertAltitude(const SettingsStore& settings, double metres);

// Vertical speed from metres per minute: feet gives ft/min
// (x 3.28083989501), metres gives m/s (x 0.016666666666666666). Other: -1.
double convertVerticalSpeed(const SettingsStore& settings, double metresPerMinute);

// Labels for the results above, by "Units": "MPH" / "KT" / "Km/h", other "".
std::string speedUnitLabel(const SettingsStore& settings);
// "mi" / "nmi" / "km", other "".
std::string distanceUnitLabel(const SettingsStore& settings);
// "ft" / "nmi" / "m", other "".
std::string shortDistanceUnitLabel(const SettingsStore& settings);
// The unit convertDistanceAuto picks for the same statute-mile input:
// "mi" or "ft" / "nmi" / "km" or "m", other "".
std::string distanceAutoUnitLabel(const SettingsStore& settings, double statuteMiles);

// Labels by "AltitudeElevationUnits": "ft" / "m", other "err".
std::string altitudeUnitLabel(const SettingsStore& settings);
// "ft/min" / "m/sec", other "err".
std::string verticalSpeedUnitLabel(const SettingsStore& settings);

} // namespace orbilunex
