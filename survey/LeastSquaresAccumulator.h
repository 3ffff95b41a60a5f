#pragma once

#include <cmath>
#include <cstdint>

namespace orbilunex {

// A straight line fitted by least squares to one coordinate's accepted
// values against their index t = 1, 2, 3, ... in arrival order. The figure
// shown is the line read one index ahead (estimate), and the spread is the
// root mean square of each value's residual against the line as refitted
// with it, taken at the index after it. The spread is worked out when read
// (the same value as keeping it per add, without a root per sample).
struct LeastSquaresAccumulator {
    double sumY = 0.0;
    double sumT = 0.0;
    double sumTY = 0.0;
    double sumT2 = 0.0;
    double intercept = 0.0;
    double slope = 0.0;
    double sumSquaredResiduals = 0.0;
    std::uint32_t nextIndex = 1;

    void add(double y)
    {
        const std::uint32_t index = nextIndex;
        nextIndex = index + 1;
        // In double: t squared in 32 bits would wrap after 65 536 values.
        const double t = static_cast<double>(index);
        sumT = sumT + t;
        sumT2 = sumT2 + t * t;
        sumY = sumY + y;
        sumTY = sumTY + t * y;

        const double determinant = t * sumT2 - sumT * sumT;
        if (determinant == 0.0) return; // only the first value: no line yet

        intercept = (sumY * sumT2 - sumT * sumTY) / determinant;
        slope = (t * sumTY - sumT * sumY) / determinant;
        // The residual is taken against the new line at the next index, t + 1.
        const double residual = y - (intercept + slope * (t + 1.0));
        sumSquaredResiduals = sumSquaredResiduals + residual * residual;
    }
    // sqrt(sum of squared residuals / values taken); 0 when empty.
    double spread() const
    {
        const std::uint32_t taken = nextIndex - 1;
        return taken == 0 ? 0.0 : std::sqrt(sumSquaredResiduals / static_cast<double>(taken));
    }
    void reset() { *this = LeastSquaresAccumulator(); }
    // intercept + slope x nextIndex; 0 until two values are in.
    double estimate() const { return intercept + slope * static_cast<double>(nextIndex); }
};

} // namespace orbilunex
