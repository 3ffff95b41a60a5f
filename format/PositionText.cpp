#include "format/PositionText.h"

#include "format/FixedText.h"
#include "format/UnitTexts.h"
#include "settings/DisplaySettings.h"
#include "settings/SettingsStore.h"

#include <cmath>

namespace orbilunex {

namespace {

// What tells a latitude text from a longitude text.
struct Axis {
    char positiveLetter;
    char negativeLetter;
    int degreeDigits;        // minimum digits of whole degrees
    int decimalDegreesWidth; // field width of the decimal-degrees format
    const char* unknownFormatText;
};

constexpr Axis latitudeAxis{'N', 'S', 2, 13, unknownPositionFormatText};
constexpr Axis longitudeAxis{'E', 'W', 3, 14, ""};

// Beyond this no value is a position, and whole degrees would no longer fit
// the integer they are counted in.
constexpr double largestShownDegrees = 1e9;

// Ten-thousandths of a minute in one degree.
constexpr double minuteTicksPerDegree = 600000;

std::string positionText(const SettingsStore& settings, double degrees, const Axis& axis)
{
    const int format = readSetting(settings, settings::display::kPositionFormat);
    if (format < positionDegreesMinutes || format > positionDecimalDegrees)
        return axis.unknownFormatText;

    const double magnitude = std::fabs(degrees);
    if (!(magnitude < largestShownDegrees)) return ""; // NaN fails the comparison too

    // -0.0 >= 0 holds, so negative zero reads as north / east.
    std::string text(1, degrees >= 0 ? axis.positiveLetter : axis.negativeLetter);
    text += ' ';
    if (format == positionDecimalDegrees) {
        text += fixedText(magnitude, 10, axis.decimalDegreesWidth);
        text += degreeSign;
        return text;
    }

    const unsigned long wholeDegrees = static_cast<unsigned long>(magnitude);
    // Rounded half up, and kept within this degree: a fraction that rounds
    // to a full degree shows as 60 minutes rather than carrying.
    const unsigned long minuteTicks = static_cast<unsigned long>(
        (magnitude - static_cast<double>(wholeDegrees)) * minuteTicksPerDegree + 0.5);

    text += zeroPaddedText(wholeDegrees, axis.degreeDigits);
    text += degreeSign;
    text += ' ';
    if (format == positionDegreesMinutes) {
        text += fixedText(static_cast<double>(minuteTicks) * 0.0001, 4, 7);
    } else {
        text += zeroPaddedText(minuteTicks / 10000, 2);
        text += "' ";
        text += fixedText(static_cast<double>(minuteTicks % 10000) * 0.0001 * 60, 3, 6);
    }
    return text;
}

} // namespace

std::string formatLatitude(const SettingsStore& settings, double degrees)
{
    return positionText(settings, degrees, latitudeAxis);
}

std::string formatLongitude(const SettingsStore& settings, double degrees)
{
    return positionText(settings, degrees, longitudeAxis);
}

} // namespace orbilunex
