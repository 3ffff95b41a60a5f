#include "NmeaFormat.h"

#include "DetMath.h"

#include <cmath>
#include <cstdio>

namespace orbilunex::simgps {
namespace {

long long powerOfTen(int n)
{
    long long p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Degrees as whole degrees and minutes to four decimals, from one rounding of
// the total in ten-thousandths of a minute.
std::string degreesMinutes(double degrees, int degreeDigits)
{
    const long long total = std::llround(std::fabs(degrees) * 600000.0);
    const long long whole = total / 600000;
    const long long minutes = total % 600000;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld%02lld.%04lld", degreeDigits, whole,
                  minutes / 10000, minutes % 10000);
    return buffer;
}

} // namespace

unsigned checksumOf(const std::string& body)
{
    unsigned sum = 0;
    for (unsigned char c : body)
        sum ^= c;
    return sum;
}

std::string hexByte(unsigned value)
{
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(value >> 4) & 0xF], digits[value & 0xF]};
}

std::string fixedField(double value, int decimals)
{
    const long long scale = powerOfTen(decimals);
    const long long scaled = std::llround(value * static_cast<double>(scale));
    const long long magnitude = scaled < 0 ? -scaled : scaled;
    char buffer[48];
    if (decimals == 0) {
        std::snprintf(buffer, sizeof buffer, "%s%lld", scaled < 0 ? "-" : "", magnitude);
    } else {
        std::snprintf(buffer, sizeof buffer, "%s%lld.%0*lld", scaled < 0 ? "-" : "",
                      magnitude / scale, decimals, magnitude % scale);
    }
    return buffer;
}

std::string paddedField(int value, int width)
{
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

std::string angleField(double degrees)
{
    long long tenths = std::llround(wrap360(degrees) * 10.0);
    if (tenths >= 3600)
        tenths -= 3600;
    return fixedField(static_cast<double>(tenths) / 10.0, 1);
}

std::string latitudeField(double degrees)
{
    return degreesMinutes(degrees, 2);
}

std::string longitudeField(double degrees)
{
    return degreesMinutes(degrees, 3);
}

char latitudeHemisphere(double degrees)
{
    return degrees < 0.0 ? 'S' : 'N';
}

char longitudeHemisphere(double degrees)
{
    return degrees < 0.0 ? 'W' : 'E';
}

std::string timeField(const UtcTime& t)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%02d.00", t.hour, t.minute, t.second);
    return buffer;
}

std::string dateField(const UtcTime& t)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%02d", t.day, t.month, t.year % 100);
    return buffer;
}

} // namespace orbilunex::simgps
