#include "format/PositionText.h"

#include "format/FixedText.h"
#include "format/UnitTexts.h"
#include "settings/DisplaySettings.h"
#include "settings/SettingsStore.h"

#include <charconv>
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

// Reads a typed position a part at a time.
class PositionReader {
public:
    explicit PositionReader(std::string_view text) : rest(text) {}

    void skipBlanks()
    {
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
            rest.remove_prefix(1);
    }

    bool take(std::string_view token)
    {
        if (rest.substr(0, token.size()) != token) return false;
        rest.remove_prefix(token.size());
        return true;
    }

    // A letter of either case; 0 when another character (or none) follows.
    char takeLetter()
    {
        if (rest.empty()) return 0;
        const char c = rest.front();
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper < 'A' || upper > 'Z') return 0;
        rest.remove_prefix(1);
        return upper;
    }

    // Digits with an optional fraction ("07", "07.0380", ".5"), read the
    // same in every locale. `fraction` tells whether a point was read.
    std::optional<double> takeNumber(bool& fraction)
    {
        std::size_t length = 0;
        bool digits = false;
        fraction = false;
        while (length < rest.size()) {
            const char c = rest[length];
            if (c >= '0' && c <= '9') {
                digits = true;
            } else if (c == '.' && !fraction) {
                fraction = true;
            } else {
                break;
            }
            ++length;
        }
        if (!digits) return std::nullopt;
        double value = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + length, value);
        if (error != std::errc() || end != rest.data() + length) return std::nullopt;
        rest.remove_prefix(length);
        return value;
    }

    bool atEnd() const { return rest.empty(); }

private:
    std::string_view rest;
};

// Degrees [°] [minutes ['] [seconds ["]]], after an optional hemisphere
// letter or sign. A part with a fraction must be the last one.
std::optional<double> parsePosition(std::string_view text, const Axis& axis, double limit)
{
    PositionReader in(text);
    in.skipBlanks();
    double sign = 1;
    if (in.take("-")) {
        sign = -1;
    } else if (!in.take("+")) {
        PositionReader letterTry = in;
        if (const char letter = letterTry.takeLetter()) {
            if (letter == axis.negativeLetter)
                sign = -1;
            else if (letter != axis.positiveLetter)
                return std::nullopt;
            in = letterTry;
        }
    }
    in.skipBlanks();

    bool fraction = false;
    const std::optional<double> degrees = in.takeNumber(fraction);
    if (!degrees) return std::nullopt;
    double value = *degrees;
    in.take(degreeSign);
    in.skipBlanks();
    if (!fraction && !in.atEnd()) {
        const std::optional<double> minutes = in.takeNumber(fraction);
        if (!minutes || *minutes > 60) return std::nullopt;
        value += *minutes / 60;
        if (!fraction && in.take("'")) {
            in.skipBlanks();
            const std::optional<double> seconds = in.takeNumber(fraction);
            if (!seconds || *seconds > 60) return std::nullopt;
            value += *seconds / 3600;
            in.take("\"");
        }
        in.skipBlanks();
    }
    if (!in.atEnd() || !(value <= limit)) return std::nullopt;
    return sign * value;
}

} // namespace

std::optional<double> parseLatitude(std::string_view text)
{
    return parsePosition(text, latitudeAxis, 90);
}

std::optional<double> parseLongitude(std::string_view text)
{
    return parsePosition(text, longitudeAxis, 180);
}

std::string formatLatitude(const SettingsStore& settings, double degrees)
{
    return positionText(settings, degrees, latitudeAxis);
}

std::string formatLongitude(const SettingsStore& settings, double degrees)
{
    return positionText(settings, degrees, longitudeAxis);
}

} // namespace orbilunex
