#pragma once

namespace orbilunex {

// The exact texts shown for units and positions, UTF-8 (the degree sign is
// U+00B0, bytes C2 B0).

// Unit labels.
constexpr const char* nauticalMilesLabel = "nmi";
constexpr const char* statuteMilesLabel = "mi";
constexpr const char* kilometresLabel = "km";
constexpr const char* feetLabel = "ft";
constexpr const char* metresLabel = "m";
constexpr const char* milesPerHourLabel = "MPH";
constexpr const char* knotsLabel = "KT";
constexpr const char* kilometresPerHourLabel = "Km/h";
constexpr const char* metresPerSecondLabel = "m/sec";
constexpr const char* feetPerMinuteLabel = "ft/min";

// Shown instead of an altitude or vertical-speed unit when the stored
// choice is not one we know.
constexpr const char* unknownAltitudeUnitLabel = "err";

// formatLatitude's text for a position format it does not know.
constexpr const char* unknownPositionFormatText = "ERROR";

constexpr const char* degreeSign = "\u00B0";

// The General Settings dialog: its title and its three lists, each in the
// order of the stored setting values (index i is setting value i). The
// title keeps the spelling users have always seen.
constexpr const char* generalSettingsTitle = "General Settins";
constexpr const char* distanceSpeedChoiceLabel = "Distance/Speed:";
constexpr const char* altitudeElevationChoiceLabel = "Altitude/Elevation:";
constexpr const char* positionFormatChoiceLabel = "Position Format:";
constexpr const char* unitsChoices[] = {"Statute", "Nautical", "Metric"};
constexpr const char* altitudeElevationUnitsChoices[] = {"Feet", "Meters"};
constexpr const char* positionFormatChoices[] = {
    "ddd\u00B0mm.mmmm", "ddd\u00B0mm'ss.sss", "ddd.dddddddd\u00B0"};

} // namespace orbilunex
