#include "format/Units.h"

#include "format/UnitTexts.h"
#include "settings/DisplaySettings.h"
#include "settings/SettingsStore.h"

namespace orbilunex {

namespace {

constexpr double knotsToMph = 1.15077944802;
constexpr double knotsToKmh = 1.852;
constexpr double milesToNauticalMiles = 0.868976241901;
constexpr double milesToKilometres = 1.609344;
constexpr double milesToFeet = 5280;
constexpr double milesToMetres = 1609.344;
constexpr double metresToFeet = 3.28083989501;
constexpr double perMinuteToPerSecond = 0.016666666666666666;

// Read at every call, never cached: the settings dialog may have changed them.
int units(const SettingsStore& settings)
{
    return readSetting(settings, settings::display::kUnits);
}

int altitudeUnits(const SettingsStore& settings)
{
    return readSetting(settings, settings::display::kAltitudeUnits);
}

// The auto-distance choice for one reading of "Units": true for the long
// unit (mi, nmi, km), false for the short one (ft, m).
bool usesLongUnit(int unitChoice, double statuteMiles)
{
    switch (unitChoice) {
    case unitsStatute: return statuteMiles >= 0.5;
    case unitsMetric: return statuteMiles * milesToKilometres >= 1;
    default: return true;
    }
}

double distanceIn(int unitChoice, double statuteMiles)
{
    switch (unitChoice) {
    case unitsNautical: return statuteMiles * milesToNauticalMiles;
    case unitsMetric: return statuteMiles * milesToKilometres;
    default: return statuteMiles;
    }
}

double shortDistanceIn(int unitChoice, double statuteMiles)
{
    switch (unitChoice) {
    case unitsStatute: return statuteMiles * milesToFeet;
    case unitsNautical: return statuteMiles * milesToNauticalMiles;
    case unitsMetric: return statuteMiles * milesToMetres;
    default: return statuteMiles;
    }
}

std::string distanceLabelFor(int unitChoice)
{
    switch (unitChoice) {
    case unitsStatute: return statuteMilesLabel;
    case unitsNautical: return nauticalMilesLabel;
    case unitsMetric: return kilometresLabel;
    default: return "";
    }
}

std::string shortDistanceLabelFor(int unitChoice)
{
    switch (unitChoice) {
    case unitsStatute: return feetLabel;
    case unitsNautical: return nauticalMilesLabel;
    case unitsMetric: return metresLabel;
    default: return "";
    }
}

} // namespace

double convertSpeed(const SettingsStore& settings, double knots)
{
    switch (units(settings)) {
    case unitsStatute: return knots * knotsToMph;
    case unitsMetric: return knots * knotsToKmh;
    default: return knots;
    }
}

double convertSpeedOrZero(const SettingsStore& settings, double knots)
{
    switch (units(settings)) {
    case unitsStatute: return knots * knotsToMph;
    case unitsNautical: return knots;
    case unitsMetric: return knots * knotsToKmh;
    default: return 0;
    }
}

double convertDistance(const SettingsStore& settings, double statuteMiles)
{
    return distanceIn(units(settings), statuteMiles);
}

double convertShortDistance(const SettingsStore& settings, double statuteMiles)
{
    return shortDistanceIn(units(settings), statuteMiles);
}

double convertDistanceAuto(const SettingsStore& settings, double statuteMiles)
{
    // One reading of the setting decides both the rule and the conversion.
    const int unitChoice = units(settings);
    if (unitChoice < unitsStatute || unitChoice > unitsMetric) return 0;
    return usesLongUnit(unitChoice, statuteMiles) ? distanceIn(unitChoice, statuteMiles)
                                                  : shortDistanceIn(unitChoice, statuteMiles);
}

double convertAltitude(const SettingsStore& settings, double metres)
{
    switch (altitudeUnits(settings)) {
    case altitudeFeet: return metres * metresToFeet;
    case altitudeMeters: return metres;
    default: return -1;
    }
}

double convertVerticalSpeed(const SettingsStore& settings, double metresPerMinute)
{
    switch (altitudeUnits(settings)) {
    case altitudeFeet: return metresPerMinute * metresToFeet;
    case altitudeMeters: return metresPerMinute * perMinuteToPerSecond;
    default: return -1;
    }
}

std::string speedUnitLabel(const SettingsStore& settings)
{
    switch (units(settings)) {
    case unitsStatute: return milesPerHourLabel;
    case unitsNautical: return knotsLabel;
    case unitsMetric: return kilometresPerHourLabel;
    default: return "";
    }
}

std::string distanceUnitLabel(const SettingsStore& settings)
{
    return distanceLabelFor(units(settings));
}

std::string shortDistanceUnitLabel(const SettingsStore& settings)
{
    return shortDistanceLabelFor(units(settings));
}

std::string distanceAutoUnitLabel(const SettingsStore& settings, double statuteMiles)
{
    const int unitChoice = units(settings);
    return usesLongUnit(unitChoice, statuteMiles) ? distanceLabelFor(unitChoice)
                                                  : shortDistanceLabelFor(unitChoice);
}

std::string altitudeUnitLabel(const SettingsStore& settings)
{
    switch (altitudeUnits(settings)) {
    case altitudeFeet: return feetLabel;
    case altitudeMeters: return metresLabel;
    default: return unknownAltitudeUnitLabel;
    }
}

std::string verticalSpeedUnitLabel(const SettingsStore& settings)
{
    switch (altitudeUnits(settings)) {
    case altitudeFeet: return feetPerMinuteLabel;
    case altitudeMeters: return metresPerSecondLabel;
    default: return unknownAltitudeUnitLabel;
    }
}

} // namespace orbilunex
