#include "nmea/NumberReader.h"

#include <charconv>
#include <limits>

namespace orbilunex {

namespace {

// A bounded view of the text being read: at() gives NUL past the end, so the
// scanners below see a field exactly as if it had been copied out and
// NUL-terminated.
class Cursor {
public:
    Cursor(const char* text, std::size_t length) : p(text), left(length) {}
    char peek() const { return left != 0 ? *p : '\0'; }
    char peek(std::size_t ahead) const
    {
        for (std::size_t i = 0; i <= ahead; ++i)
            if (i >= left || p[i] == '\0') return '\0';
        return p[ahead];
    }
    void advance(std::size_t n = 1)
    {
        p += n;
        left -= n;
    }
    const char* position() const { return p; }

private:
    const char* p;
    std::size_t left;
};

bool isBlank(char c)
{
    // The white-space set of the "C" locale; fixed here so no locale applies.
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool isDigit(char c)
{
    return static_cast<unsigned char>(c - '0') <= 9;
}

// Powers of ten that are exact in a double (10^22 is the last one).
constexpr double kExactPowers[] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr int kMaxFastDigits = 15;
constexpr int kMaxFastPower = 22;
constexpr int kMantissaDigits = 19; // 10^19 - 1 still fits in 64 bits

// The shape of a decimal number found by scanning, before any rounding.
struct DecimalScan {
    const char* numberBegin = nullptr; // first digit or point, after the sign
    const char* numberEnd = nullptr;   // one past the last character read
    bool negative = false;
    bool anyDigit = false;
    std::uint64_t mantissa = 0;   // significant digits, leading zeros skipped
    int significantDigits = 0;    // digits held in mantissa
    bool inexactMantissa = false; // a non-zero digit did not fit in mantissa
    long long exponent = 0;       // value = mantissa * 10^exponent while exact
    long long magnitude = 0;      // decimal exponent of the leading significant digit
};

// Reads a run of digits into the scan. Integer digits that do not fit scale
// the value up; fraction digits that fit scale it down.
void scanDigits(Cursor& in, DecimalScan& scan, bool fraction, int& leadingZeros)
{
    for (char c = in.peek(); isDigit(c); in.advance(), c = in.peek()) {
        scan.anyDigit = true;
        const int digit = c - '0';
        if (scan.significantDigits == 0 && digit == 0) {
            if (fraction) {
                --scan.exponent;
                ++leadingZeros;
            }
            continue;
        }
        if (scan.significantDigits < kMantissaDigits) {
            scan.mantissa = scan.mantissa * 10 + static_cast<std::uint64_t>(digit);
            ++scan.significantDigits;
            if (fraction) --scan.exponent;
        } else {
            if (digit != 0) scan.inexactMantissa = true;
            if (!fraction) ++scan.exponent;
        }
    }
}

// Reads an exponent suffix if there is a complete one; returns its value.
long long scanExponent(Cursor& in)
{
    const char e = in.peek();
    if (e != 'e' && e != 'E') return 0;
    std::size_t ahead = 1;
    const char sign = in.peek(1);
    if (sign == '+' || sign == '-') ahead = 2;
    if (!isDigit(in.peek(ahead))) return 0;
    in.advance(ahead);
    long long value = 0;
    for (char c = in.peek(); isDigit(c); in.advance(), c = in.peek()) {
        // Far beyond any double's range already; more digits change nothing.
        if (value < 100000000) value = value * 10 + (c - '0');
    }
    return sign == '-' ? -value : value;
}

DecimalScan scanDecimal(Cursor& in)
{
    DecimalScan scan;
    while (isBlank(in.peek())) in.advance();
    if (in.peek() == '+' || in.peek() == '-') {
        scan.negative = in.peek() == '-';
        in.advance();
    }
    scan.numberBegin = in.position();
    int leadingFractionZeros = 0;
    int unusedZeros = 0;
    scanDigits(in, scan, false, unusedZeros);
    const bool integerPart = scan.significantDigits > 0;
    const long long integerDigits = scan.significantDigits + scan.exponent;
    if (in.peek() == '.') {
        in.advance();
        scanDigits(in, scan, true, leadingFractionZeros);
    }
    if (!scan.anyDigit) return scan;
    const long long suffix = scanExponent(in);
    scan.exponent += suffix;
    scan.magnitude = (integerPart ? integerDigits - 1 : -(leadingFractionZeros + 1)) + suffix;
    scan.numberEnd = in.position();
    // Trailing zeros ("01131.000") would keep a short number off the fast path.
    while (!scan.inexactMantissa && scan.mantissa != 0 && scan.mantissa % 10 == 0) {
        scan.mantissa /= 10;
        --scan.significantDigits;
        ++scan.exponent;
    }
    return scan;
}

double slowPath(const DecimalScan& scan)
{
    double value = 0.0;
    auto result = std::from_chars(scan.numberBegin, scan.numberEnd, value,
                                  std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range means the nearest double is infinite or zero.
        value = scan.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return value;
}

} // namespace

std::int32_t readInteger(const char* text, std::size_t length)
{
    Cursor in(text, length);
    while (isBlank(in.peek())) in.advance();
    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.advance();
    }
    // Accumulate as a negative number so that the minimum fits exactly;
    // saturate as soon as the 32-bit range is left.
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (char c = in.peek(); isDigit(c); in.advance(), c = in.peek()) {
        value = value * 10 - (c - '0');
        if (value < kMin) {
            value = kMin - 1;
        }
    }
    if (negative) return value < kMin ? static_cast<std::int32_t>(kMin)
                                      : static_cast<std::int32_t>(value);
    return -value > kMax ? static_cast<std::int32_t>(kMax) : static_cast<std::int32_t>(-value);
}

double readReal(const char* text, std::size_t length)
{
    Cursor in(text, length);
    const DecimalScan scan = scanDecimal(in);
    if (!scan.anyDigit) return 0.0;

    double value;
    if (scan.mantissa == 0 && !scan.inexactMantissa) {
        value = 0.0;
    } else if (!scan.inexactMantissa && scan.significantDigits <= kMaxFastDigits &&
               scan.exponent >= -kMaxFastPower && scan.exponent <= kMaxFastPower) {
        // Both operands are exact doubles, so one IEEE operation rounds the
        // exact decimal value correctly.
        value = static_cast<double>(scan.mantissa);
        if (scan.exponent < 0)
            value /= kExactPowers[-scan.exponent];
        else
            value *= kExactPowers[scan.exponent];
    } else {
        value = slowPath(scan);
    }
    return scan.negative ? -value : value;
}

} // namespace orbilunex
