#include "models/gauges/altimeter/AltimeterScale.h"

#include "format/FixedText.h"
#include "models/gauges/VisibleChange.h"

#include <cmath>

namespace orbilunex {

namespace {

constexpr double kTickStep = 7.2;
constexpr int kTicksPerMajor = 5;
constexpr int kReadoutDecimals = 2;
constexpr int kReadoutWidth = 8;

} // namespace

std::vector<DialTick> altimeterScale()
{
    std::vector<DialTick> ticks;
    ticks.reserve(kDialTickCount);
    double degrees = 0.0;
    for (int k = 0; k < kDialTickCount; ++k) {
        DialTick tick;
        tick.degrees = degrees;
        tick.major = k % kTicksPerMajor == 0;
        if (tick.major) tick.label = std::to_string(k / kTicksPerMajor);
        ticks.push_back(tick);
        degrees += kTickStep;
    }
    return ticks;
}

AltimeterPointers altimeterPointers(double altitude)
{
    const double whole = std::trunc(altitude);
    AltimeterPointers pointers;
    pointers.longPointer = std::fmod(altitude, 1000.0) * 0.36;
    pointers.shortPointer = whole * 0.036;
    pointers.dot = whole * 0.0036;
    return pointers;
}

std::string altimeterReadout(double altitude, const std::string& unit)
{
    return fixedText(altitude, kReadoutDecimals, kReadoutWidth) + " " + unit;
}

bool altimeterChangeShows(const DialGeometry& dial, double from, double to)
{
    if (!sameFixedText(from, to, kReadoutDecimals)) return true;
    const AltimeterPointers a = altimeterPointers(from);
    const AltimeterPointers b = altimeterPointers(to);
    const double u = dial.unit;
    return shiftShows(turnShift(kAltimeterLongReach * u, a.longPointer, b.longPointer)) ||
           shiftShows(turnShift(kAltimeterShortReach * u, a.shortPointer, b.shortPointer)) ||
           shiftShows(turnShift(kAltimeterDotRadius * u, a.dot, b.dot));
}

} // namespace orbilunex
