#include "models/navigation/NavigationText.h"

#include "format/FixedText.h"
#include "format/PositionText.h"
#include "format/Units.h"
#include "nmea/GpsState.h"

#include <cmath>

namespace orbilunex {

namespace {

constexpr double kTenthsPerPixel = 0.48780487804878053;

// The number's field: a shorter altitude still covers the cells a longer
// one used, together with the blanks that end the line.
constexpr std::size_t kAltitudeField = 8;

} // namespace

std::string navigationText(const GpsState& state, const SettingsStore& settings)
{
    std::string altitude = fixedText(convertAltitude(settings, state.altitude), 2, 0);
    if (altitude.size() < kAltitudeField) altitude.append(kAltitudeField - altitude.size(), ' ');

    std::string text = "Latitude\t\t" + formatLatitude(settings, state.latitude);
    text += "\nLongitude:  \t" + formatLongitude(settings, state.longitude);
    text += "\nAltitude:\t\t" + altitude + " " + altitudeUnitLabel(settings) + "     \n";
    return text;
}

int navigationFontTenths(int width)
{
    return static_cast<int>(std::trunc(width * kTenthsPerPixel));
}

} // namespace orbilunex
