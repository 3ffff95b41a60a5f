#include "format/Units.h"

#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orbilunex {
namespace {

// The section and key names are spelt out here, not taken from the code's
// constants, so that a misspelt key fails.
MemorySettingsStore storeWith(const char* key, std::optional<int> value)
{
    MemorySettingsStore store;
    if (value) store.setInt("Settings", key, *value);
    return store;
}

using Conversion = double (*)(const SettingsStore&, double);
using Label = std::string (*)(const SettingsStore&);

struct ConversionCase {
    Conversion convert;
    std::optional<int> setting; // nullopt: key missing
    double input;
    double expected;
    const char* legend;
};

const ConversionCase unitsCases[] = {
    {convertSpeed, std::nullopt, 100, 115.077944802, "missing Units defaults to statute"},
    {convertSpeed, 0, 100, 115.077944802, "knots to mph"},
    {convertSpeed, 1, 10, 10, "knots stay knots"},
    {convertSpeed, 2, 10, 18.52, "knots to km/h"},
    {convertSpeed, 3, 10, 10, "first value past the list: unchanged"},
    {convertSpeed, 7, 10, 10, "other: unchanged"},
    {convertSpeed, -1, 10, 10, "negative setting: unchanged"},
    {convertSpeedOrZero, 0, 100, 115.077944802, "knots to mph"},
    {convertSpeedOrZero, 1, 10, 10, "knots stay knots"},
    {convertSpeedOrZero, 2, 10, 18.52, "knots to km/h"},
    {convertSpeedOrZero, 7, 10, 0, "other: zero"},
    {convertSpeedOrZero, -1, 10, 0, "negative setting: zero"},
    {convertDistance, std::nullopt, 2, 2, "missing Units: miles stay miles"},
    {convertDistance, 1, 100, 86.8976241901, "miles to nautical miles"},
    {convertDistance, 2, 10, 16.09344, "miles to km"},
    {convertDistance, 7, 3, 3, "other: unchanged"},
    {convertShortDistance, 0, 0.25, 1320, "miles to feet"},
    {convertShortDistance, 1, 100, 86.8976241901, "nautical has no short unit"},
    {convertShortDistance, 2, 0.5, 804.672, "miles to metres"},
    {convertShortDistance, 7, 3, 3, "other: unchanged"},
};

const ConversionCase altitudeCases[] = {
    {convertAltitude, std::nullopt, 100, 328.083989501, "missing setting defaults to feet"},
    {convertAltitude, 0, 100, 328.083989501, "metres to feet"},
    {convertAltitude, 1, 545.4, 545.4, "metres stay metres"},
    {convertAltitude, 2, 100, -1, "no third altitude unit: -1"},
    {convertAltitude, 5, 100, -1, "other: -1"},
    {convertAltitude, -1, 100, -1, "negative setting: -1"},
    {convertVerticalSpeed, 0, 100, 328.083989501, "m/min to ft/min"},
    {convertVerticalSpeed, 1, 60, 1.0, "m/min to m/s"},
    {convertVerticalSpeed, 1, -300, -5.0, "descending m/min to m/s"},
    {convertVerticalSpeed, 2, 60, -1, "no third unit: -1"},
    {convertVerticalSpeed, 5, 60, -1, "other: -1"},
};

void checkConversions(const char* key, const ConversionCase* first, const ConversionCase* last)
{
    for (const ConversionCase* row = first; row != last; ++row) {
        SCOPED_TRACE(row->legend);
        const MemorySettingsStore store = storeWith(key, row->setting);
        // Within 4 units in the last place: catches any wrong digit of a factor.
        EXPECT_DOUBLE_EQ(row->convert(store, row->input), row->expected);
    }
}

TEST(Units, ConversionsFollowUnits)
{
    checkConversions("Units", std::begin(unitsCases), std::end(unitsCases));
}

TEST(Units, ConversionsFollowAltitudeElevationUnits)
{
    checkConversions("AltitudeElevationUnits", std::begin(altitudeCases),
                     std::end(altitudeCases));
}

struct LabelCase {
    Label label;
    const char* key;
    std::optional<int> setting;
    const char* expected;
    const char* legend;
};

const LabelCase labelCases[] = {
    {speedUnitLabel, "Units", std::nullopt, "MPH", "default statute speed"},
    {speedUnitLabel, "Units", 1, "KT", "nautical speed"},
    {speedUnitLabel, "Units", 2, "Km/h", "metric speed"},
    {speedUnitLabel, "Units", 7, "", "other speed"},
    {distanceUnitLabel, "Units", 0, "mi", "statute distance"},
    {distanceUnitLabel, "Units", 1, "nmi", "nautical distance"},
    {distanceUnitLabel, "Units", 2, "km", "metric distance"},
    {distanceUnitLabel, "Units", -1, "", "other distance"},
    {shortDistanceUnitLabel, "Units", 0, "ft", "statute short distance"},
    {shortDistanceUnitLabel, "Units", 1, "nmi", "nautical short distance"},
    {shortDistanceUnitLabel, "Units", 2, "m", "metric short distance"},
    {shortDistanceUnitLabel, "Units", 3, "", "other short distance"},
    {altitudeUnitLabel, "AltitudeElevationUnits", std::nullopt, "ft", "default feet"},
    {altitudeUnitLabel, "AltitudeElevationUnits", 1, "m", "metres"},
    {altitudeUnitLabel, "AltitudeElevationUnits", 2, "err", "no third altitude unit"},
    {altitudeUnitLabel, "AltitudeElevationUnits", 5, "err", "other altitude unit"},
    {verticalSpeedUnitLabel, "AltitudeElevationUnits", 0, "ft/min", "feet per minute"},
    {verticalSpeedUnitLabel, "AltitudeElevationUnits", 1, "m/sec", "metres per second"},
    {verticalSpeedUnitLabel, "AltitudeElevationUnits", 5, "err", "other vertical unit"},
};

TEST(Units, Labels)
{
    for (const LabelCase& row : labelCases) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(row.label(storeWith(row.key, row.setting)), row.expected);
    }
}

// The automatic distance: the value and its label must name the same unit.
struct AutoCase {
    int units;
    double statuteMiles;
    double expected;
    const char* label;
    const char* legend;
};

const AutoCase autoCases[] = {
    {0, 0.25, 1320, "ft", "statute below half a mile: feet"},
    {0, 0.5, 0.5, "mi", "statute at half a mile: miles"},
    {0, 0.4999, 2639.472, "ft", "statute just below half a mile"},
    {0, -1, -5280, "ft", "negative distance takes the short unit"},
    {1, 0.01, 0.00868976241901, "nmi", "nautical stays nautical when short"},
    {1, 100, 86.8976241901, "nmi", "nautical stays nautical when long"},
    {2, 0.6, 965.6064, "m", "metric under 1 km: metres"},
    {2, 0.7, 1.1265408, "km", "metric over 1 km: km"},
    {2, 0.62137, 999.99808128, "m", "metric just under 1 km"},
    {2, 0.62138, 1.00001417472, "km", "metric just over 1 km"},
    {3, 5, 0, "", "first value past the list"},
    {7, 0.1, 0, "", "other, short input"},
    {7, 5, 0, "", "other, long input"},
};

TEST(Units, DistanceAutoPicksTheUnitAndNamesIt)
{
    for (const AutoCase& row : autoCases) {
        SCOPED_TRACE(row.legend);
        const MemorySettingsStore store = storeWith("Units", row.units);
        EXPECT_DOUBLE_EQ(convertDistanceAuto(store, row.statuteMiles), row.expected);
        EXPECT_EQ(distanceAutoUnitLabel(store, row.statuteMiles), row.label);
    }
}

TEST(Units, NonNumericSettingFallsBackToDefault)
{
    MemorySettingsStore store;
    store.setString("Settings", "Units", "Metric");
    store.setString("Settings", "AltitudeElevationUnits", "1.0");
    EXPECT_EQ(speedUnitLabel(store), "MPH");
    EXPECT_EQ(altitudeUnitLabel(store), "ft");
}

TEST(Units, SettingIsReadAtEveryCall)
{
    MemorySettingsStore store;
    EXPECT_EQ(speedUnitLabel(store), "MPH");
    store.setInt("Settings", "Units", 2);
    EXPECT_DOUBLE_EQ(convertSpeed(store, 10), 18.52);
    EXPECT_EQ(speedUnitLabel(store), "Km/h");
    store.setInt("Settings", "AltitudeElevationUnits", 1);
    EXPECT_EQ(altitudeUnitLabel(store), "m");
    store.setInt("Settings", "AltitudeElevationUnits", 0);
    EXPECT_EQ(verticalSpeedUnitLabel(store), "ft/min");
}

} // namespace
} // namespace orbilunex
