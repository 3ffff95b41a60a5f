#include "models/gauges/compass/HeadingSmoother.h"

#include <cmath>

namespace orbilunex {

namespace {

constexpr double kShare = 0.2;       // of the remaining turn, each poll
constexpr double kSettleStep = 0.05; // smaller steps land on the course

} // namespace

double HeadingSmoother::update(double course)
{
    step = course - heading;
    if (std::fabs(step) > 180.0) step += step > 0 ? -360.0 : 360.0;
    step *= kShare;
    if (std::fabs(step) < kSettleStep) {
        heading = std::trunc(course);
        step = 0.0;
    }
    heading += step;
    // Not a modulo: an overshoot past north restarts at 0, one below it at
    // 359, whatever the fraction.
    if (heading >= 360.0) heading = 0.0;
    if (heading < 0.0) heading = 359.0;
    return heading;
}

} // namespace orbilunex
