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
    text += receiverEstimateLine(state, settings);
    return text;
}

std::string receiverEstimateLine(const GpsState& state, const SettingsStore& settings)
{
    if (state.gstCount == 0) return {};
    // One-sigma figures combine into the horizontal RMS error; receivers
    // that send only the ellipse give it through its axes.
    double horizontal = std::hypot(state.gstSigmaLatitude, state.gstSigmaLongitude);
    if (!std::isfinite(horizontal)) horizontal = std::hypot(state.gstSemiMajor, state.gstSemiMinor);
    const double vertical = state.gstSigmaAltitude;
    if (!std::isfinite(horizontal) && !std::isfinite(vertical)) return {};
    const std::string unit = " " + altitudeUnitLabel(settings);
    std::string line = "Receiver estimate: ";
    if (std::isfinite(horizontal))
        line += "\u00b1" + fixedText(convertAltitude(settings, horizontal), 2, 0) + unit + " horizontal";
    if (std::isfinite(horizontal) && std::isfinite(vertical)) line += ", ";
    if (std::isfinite(vertical))
        line += "\u00b1" + fixedText(convertAltitude(settings, vertical), 2, 0) + unit + " vertical";
    // Blanks wipe the tail of a longer estimate drawn before.
    return line + "     \n";
}

int navigationFontTenths(int width)
{
    return static_cast<int>(std::trunc(width * kTenthsPerPixel));
}

} // namespace orbilunex
