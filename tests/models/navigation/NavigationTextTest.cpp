#include "models/navigation/NavigationText.h"

#include "nmea/GpsState.h"
#include "settings/DisplaySettings.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

namespace orbilunex {
namespace {

TEST(NavigationText, LinesInEachPositionFormatAndAltitudeUnit)
{
    struct Case {
        int positionFormat;
        int altitudeUnit;
        double altitude;
        const char* text;
    };
    const Case cases[] = {
        {positionDegreesMinutes, altitudeMeters, 545.4,
         "Latitude\t\tN 48\u00B0 07.0380\nLongitude:  \tE 011\u00B0 31.0000\n"
         "Altitude:\t\t545.40   m     \n"},
        {positionDegreesMinutesSeconds, altitudeFeet, 545.4,
         "Latitude\t\tN 48\u00B0 07' 02.280\nLongitude:  \tE 011\u00B0 31' 00.000\n"
         "Altitude:\t\t1789.37  ft     \n"},
        {positionDecimalDegrees, altitudeMeters, 545.4,
         "Latitude\t\tN 48.1173000000\u00B0\nLongitude:  \tE 011.5166666667\u00B0\n"
         "Altitude:\t\t545.40   m     \n"},
        // A number wider than its field is not cut.
        {positionDegreesMinutes, altitudeMeters, 123456.789,
         "Latitude\t\tN 48\u00B0 07.0380\nLongitude:  \tE 011\u00B0 31.0000\n"
         "Altitude:\t\t123456.79 m     \n"},
        // Unknown choices show their error texts in place.
        {7, 5, 545.4, "Latitude\t\tERROR\nLongitude:  \t\nAltitude:\t\t-1.00    err     \n"},
    };
    for (const Case& c : cases) {
        MemorySettingsStore settings;
        writeSetting(settings, settings::display::kPositionFormat, c.positionFormat);
        writeSetting(settings, settings::display::kAltitudeUnits, c.altitudeUnit);
        GpsState state{};
        state.latitude = 48.1173;
        state.longitude = 11.5166666667;
        state.altitude = c.altitude;
        EXPECT_EQ(navigationText(state, settings), c.text)
            << "format " << c.positionFormat << ", unit " << c.altitudeUnit;
    }
}

TEST(NavigationText, FontFollowsTheTextWidth)
{
    EXPECT_EQ(navigationFontTenths(410), 200); // 20 points
    EXPECT_EQ(navigationFontTenths(820), 400);
    EXPECT_EQ(navigationFontTenths(100), 48) << "truncated, not rounded (48.78)";
}

} // namespace
} // namespace orbilunex
