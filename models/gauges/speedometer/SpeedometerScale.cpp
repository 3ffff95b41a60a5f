#include "models/gauges/speedometer/SpeedometerScale.h"

#include "format/FixedText.h"
#include "models/gauges/VisibleChange.h"

#include <cmath>

namespace orbilunex {

namespace {

constexpr double kTickStep = 7.2;
constexpr int kTicksPerMajor = 5;
// The double just above 0.02: with it 5 x 150 x share is 15.000000000000002,
// so labels of exact multiples do not truncate one short.
constexpr double kShareOfFullScale = 0.020000000000000004;
constexpr int kReadoutDecimals = 2;

} // namespace

std::vector<DialTick> speedometerScale(double maxSpeed)
{
    std::vector<DialTick> ticks;
    ticks.reserve(kDialTickCount);
    double degrees = 0.0;
    for (int k = 0; k < kDialTickCount; ++k) {
        DialTick tick;
        tick.degrees = degrees;
        tick.major = k % kTicksPerMajor == 0;
        if (tick.major) {
            // 64 bits: a stored full scale up to 4294967295 still fits.
            const double share = k * maxSpeed * kShareOfFullScale;
            tick.label = std::to_string(static_cast<long long>(std::trunc(share)));
        }
        ticks.push_back(tick);
        degrees += kTickStep;
    }
    return ticks;
}

double speedometerNeedleAngle(double speed, double maxSpeed)
{
    if (maxSpeed == 0.0) return 0.0;
    return speed / maxSpeed * 360.0;
}

double speedometerScaleFromSetting(int stored)
{
    return static_cast<double>(static_cast<unsigned int>(stored));
}

std::string speedometerReadout(double speed, const std::string& unit)
{
    return fixedText(speed, kReadoutDecimals, 0) + " " + unit;
}

bool speedometerChangeShows(const DialGeometry& dial, double from, double to, double maxSpeed)
{
    if (!sameFixedText(from, to, kReadoutDecimals)) return true;
    return shiftShows(turnShift(kDialNeedleReach * dial.unit,
                                speedometerNeedleAngle(from, maxSpeed),
                                speedometerNeedleAngle(to, maxSpeed)));
}

} // namespace orbilunex
