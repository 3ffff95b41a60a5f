#pragma once

#include <string>

namespace orbilunex {

// printf-style number texts that never depend on the process locale: the
// program runs under users' locales, where "%f" would write a decimal comma.

// The text "%0<width>.<precision>f" gives in the C locale: value correctly
// rounded to precision decimals (ties to even on the exact binary value, as
// the C library does), a '.' as decimal point, a '-' for negative values
// (including -0.0), and zeros after the sign up to width characters. Infinity
// and NaN read "inf" / "nan" (with '-' where negative), padded with blanks
// in front as printf does. A negative precision counts as 0.
std::string fixedText(double value, int precision, int width);

// The text "%0<width>lu" gives: decimal digits, zeros in front up to width.
std::string zeroPaddedText(unsigned long value, int width);

} // namespace orbilunex
