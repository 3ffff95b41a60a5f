#include "models/navigation/NavigationText.h"

#include "nmea/GpsState.h"
#include "settings/DisplaySettings.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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

TEST(NavigationText, ReceiverEstimateLine)
{
    const double none = std::nan("");
    struct Case {
        int altitudeUnit;
        double sigmaLatitude, sigmaLongitude, sigmaAltitude, semiMajor, semiMinor;
        const char* line;
    };
    const Case cases[] = {
        {altitudeMeters, 2.1, 1.7, 3.4, 2.6, 1.4,
         "Receiver estimate: \u00B12.70 m horizontal, \u00B13.40 m vertical     \n"},
        {altitudeFeet, 2.1, 1.7, 3.4, 2.6, 1.4,
         "Receiver estimate: \u00B18.86 ft horizontal, \u00B111.15 ft vertical     \n"},
        {altitudeMeters, none, none, 3.4, 3.0, 4.0,
         "Receiver estimate: \u00B15.00 m horizontal, \u00B13.40 m vertical     \n"},
        {altitudeMeters, 2.1, 1.7, none, none, none,
         "Receiver estimate: \u00B12.70 m horizontal     \n"},
        {altitudeMeters, none, none, none, none, none, ""},
    };
    for (const Case& c : cases) {
        MemorySettingsStore settings;
        writeSetting(settings, settings::display::kAltitudeUnits, c.altitudeUnit);
        GpsState state{};
        state.gstCount = 1;
        state.gstSigmaLatitude = c.sigmaLatitude;
        state.gstSigmaLongitude = c.sigmaLongitude;
        state.gstSigmaAltitude = c.sigmaAltitude;
        state.gstSemiMajor = c.semiMajor;
        state.gstSemiMinor = c.semiMinor;
        EXPECT_EQ(receiverEstimateLine(state, settings), c.line);
        const std::string text = navigationText(state, settings);
        EXPECT_EQ(text.substr(text.size() - std::string(c.line).size()), c.line);
    }
    GpsState before{};
    before.gstSigmaAltitude = 3.4;
    MemorySettingsStore settings;
    EXPECT_EQ(receiverEstimateLine(before, settings), "") << "no GST yet";
}

} // namespace
} // namespace orbilunex
