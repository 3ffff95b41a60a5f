#pragma once

#include <cmath>
#include <cstdint>

namespace orbilunex {

// The running arithmetic mean of the accepted values of one coordinate,
// with its spread: the root of the mean of each value's squared distance
// from the mean as it stood once that value was in (the first value adds 0).
// That figure, not the textbook standard deviation, is what the survey shows.
// The spread is worked out when it is read rather than on every add: the
// same value, without a root per sample on a survey of millions.
struct MeanAccumulator {
    double sum = 0.0;
    std::uint32_t count = 0;
    double mean = 0.0;
    double sumSquaredDeviations = 0.0;

    void add(double x)
    {
        sum = sum + x;
        count = count + 1;
        mean = sum / count;
        const double deviation = x - mean; // against the mean that already holds x
        sumSquaredDeviations = sumSquaredDeviations + deviation * deviation;
    }
    // sqrt(sum of squared deviations / count); 0 when empty.
    double spread() const { return count == 0 ? 0.0 : std::sqrt(sumSquaredDeviations / count); }
    void reset() { *this = MeanAccumulator(); }
};

} // namespace orbilunex
