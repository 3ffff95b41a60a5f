#include "format/FixedText.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <vector>

namespace orbilunex {

namespace {

// Room for the widest finite double in fixed notation: sign, 309 integer
// digits and the point, plus the decimals.
constexpr int maxFixedIntegerChars = 311;

} // namespace

std::string fixedText(double value, int precision, int width)
{
    if (precision < 0) precision = 0;
    if (!std::isfinite(value)) {
        std::string text = std::signbit(value) ? "-" : "";
        text += std::isnan(value) ? "nan" : "inf";
        if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
        return text;
    }

    // to_chars is correctly rounded and never consults the locale.
    std::vector<char> buffer(maxFixedIntegerChars + precision + 1);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, precision);
    std::string text(buffer.data(), result.ptr);

    if (static_cast<int>(text.size()) < width) {
        // Zero padding goes between the sign and the digits.
        const std::size_t digitsStart = text[0] == '-' ? 1 : 0;
        text.insert(digitsStart, width - text.size(), '0');
    }
    return text;
}

std::string zeroPaddedText(unsigned long value, int width)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
    return text;
}

} // namespace orbilunex
