#pragma once

#include "Epoch.h"

#include <string>

// Field formatting as receivers print it. Numbers are rounded to integers
// first and the integers printed, so no value can come out as "59.99995"
// minutes or "-0.0", and the result does not depend on the C library's
// floating-point printing.

namespace orbilunex::simgps {

// XOR of every character of the sentence between '$' and '*'.
unsigned checksumOf(const std::string& body);
std::string hexByte(unsigned value); // two upper-case hex digits

// Fixed-point with the given number of decimals; zero is never negative.
std::string fixedField(double value, int decimals);
// Non-negative integer, zero-padded to width.
std::string paddedField(int value, int width);
// Course or bearing with one decimal, folded into [0.0, 359.9].
std::string angleField(double degrees);

std::string latitudeField(double degrees);  // ddmm.mmmm
std::string longitudeField(double degrees); // dddmm.mmmm
char latitudeHemisphere(double degrees);    // N or S
char longitudeHemisphere(double degrees);   // E or W

std::string timeField(const UtcTime& t); // hhmmss.00
std::string dateField(const UtcTime& t); // ddmmyy

} // namespace orbilunex::simgps
