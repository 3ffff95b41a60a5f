#include "models/gauges/VisibleChange.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace orbilunex {

namespace {

constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;

// Room for any double written in fixed notation with a few decimals: 309
// integer digits, a sign and a point.
constexpr int kFixedChars = 330;

} // namespace

double turnShift(double reachPixels, double fromDegrees, double toDegrees)
{
    // A whole turn draws the same picture: only the rest of one counts.
    const double turn = std::remainder(toDegrees - fromDegrees, 360.0);
    return std::fabs(reachPixels * turn * kDegreesToRadians);
}

bool shiftShows(double pixels)
{
    return !(pixels < kVisibleShiftPixels);
}

bool sameFixedText(double a, double b, int precision)
{
    if (precision < 0) precision = 0;
    if (!std::isfinite(a) || !std::isfinite(b))
        return !std::isfinite(a) && !std::isfinite(b) && std::isnan(a) == std::isnan(b) &&
               std::signbit(a) == std::signbit(b);
    // The same conversion fixedText makes; the padding follows from the
    // length, so equal digits mean equal texts.
    char x[kFixedChars];
    char y[kFixedChars];
    const auto textA = std::to_chars(x, x + sizeof x, a, std::chars_format::fixed, precision);
    const auto textB = std::to_chars(y, y + sizeof y, b, std::chars_format::fixed, precision);
    if (textA.ec != std::errc() || textB.ec != std::errc()) return false; // too long to tell
    const auto lengthA = textA.ptr - x;
    return lengthA == textB.ptr - y && std::memcmp(x, y, static_cast<std::size_t>(lengthA)) == 0;
}

} // namespace orbilunex
