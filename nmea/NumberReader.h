#pragma once

#include <cstddef>
#include <cstdint>

namespace orbilunex {

// Lenient number reading for NMEA fields. Both readers ignore the process
// locale (a decimal-comma locale still reads "545.4" as 545.4) and never
// allocate. They read a NUL-terminated text, or at most `length` characters
// of one (a field inside a sentence, read in place).

// Decimal integer: leading white space is skipped, an optional sign is
// accepted, decimal digits are read up to the first other character. No
// digits gives 0. The result saturates at the 32-bit signed range.
std::int32_t readInteger(const char* text, std::size_t length);
inline std::int32_t readInteger(const char* text)
{
    return readInteger(text, static_cast<std::size_t>(-1));
}

// Decimal real: leading white space, optional sign, digits with an optional
// point and fraction, then an optional exponent (e or E, optional sign, at
// least one digit; an "e" without digits is not part of the number). Reading
// stops at the first character that does not fit. No digits gives 0, and
// so do the forms "inf", "nan" and hexadecimal (only their leading "0" is
// read). The result is the double nearest the decimal value (ties to even),
// infinite when the value lies beyond the largest double.
double readReal(const char* text, std::size_t length);
inline double readReal(const char* text)
{
    return readReal(text, static_cast<std::size_t>(-1));
}

} // namespace orbilunex
