#include "DetMath.h"

#include <cmath>

namespace orbilunex::simgps {
namespace {

// pi/2 split in two so that x - k*pi/2 keeps its accuracy for the arguments
// this program uses (a few hundred radians at most).
constexpr double kHalfPiHi = 1.57079632679489655800e+00;
constexpr double kHalfPiLo = 6.12323399573676603587e-17;

// Taylor series on [-pi/4, pi/4]; the first omitted term is below 1e-17.
double sinKernel(double r)
{
    static const double coefficients[] = {
        -1.0 / 6.0, 1.0 / 120.0, -1.0 / 5040.0, 1.0 / 362880.0, -1.0 / 39916800.0,
        1.0 / 6227020800.0, -1.0 / 1307674368000.0, 1.0 / 355687428096000.0};
    const double r2 = r * r;
    double sum = 0.0;
    for (int i = 7; i >= 0; --i)
        sum = sum * r2 + coefficients[i];
    return r + r * r2 * sum;
}

double cosKernel(double r)
{
    static const double coefficients[] = {
        -1.0 / 2.0, 1.0 / 24.0, -1.0 / 720.0, 1.0 / 40320.0, -1.0 / 3628800.0,
        1.0 / 479001600.0, -1.0 / 87178291200.0, 1.0 / 20922789888000.0};
    const double r2 = r * r;
    double sum = 0.0;
    for (int i = 7; i >= 0; --i)
        sum = sum * r2 + coefficients[i];
    return 1.0 + r2 * sum;
}

// Splits x into quadrant (0..3) and a remainder in [-pi/4, pi/4].
int reduce(double x, double& remainder)
{
    const double k = std::floor(x / kHalfPiHi + 0.5);
    remainder = (x - k * kHalfPiHi) - k * kHalfPiLo;
    const long long quadrant = static_cast<long long>(k) % 4;
    return static_cast<int>(quadrant < 0 ? quadrant + 4 : quadrant);
}

// atan for |x| <= 1. Two half-angle steps, atan(x) = 2 atan(x / (1 + sqrt(1 + x^2))),
// bring |x| below tan(pi/16) where twelve series terms are plenty.
double atanUnit(double x)
{
    for (int i = 0; i < 2; ++i)
        x = x / (1.0 + std::sqrt(1.0 + x * x));
    const double x2 = x * x;
    double sum = 0.0;
    for (int k = 11; k >= 0; --k) {
        const double term = 1.0 / (2.0 * k + 1.0);
        sum = sum * x2 + ((k % 2 == 0) ? term : -term);
    }
    return 4.0 * x * sum;
}

double detAtan(double x)
{
    if (x > 1.0)
        return kPi / 2.0 - atanUnit(1.0 / x);
    if (x < -1.0)
        return -kPi / 2.0 - atanUnit(1.0 / x);
    return atanUnit(x);
}

} // namespace

double detSin(double radians)
{
    double r = 0.0;
    switch (reduce(radians, r)) {
    case 0: return sinKernel(r);
    case 1: return cosKernel(r);
    case 2: return -sinKernel(r);
    default: return -cosKernel(r);
    }
}

double detCos(double radians)
{
    double r = 0.0;
    switch (reduce(radians, r)) {
    case 0: return cosKernel(r);
    case 1: return -sinKernel(r);
    case 2: return -cosKernel(r);
    default: return sinKernel(r);
    }
}

double detAtan2(double y, double x)
{
    if (x > 0.0)
        return detAtan(y / x);
    if (x < 0.0)
        return detAtan(y / x) + (y >= 0.0 ? kPi : -kPi);
    if (y > 0.0)
        return kPi / 2.0;
    if (y < 0.0)
        return -kPi / 2.0;
    return 0.0;
}

double detAsin(double x)
{
    if (x >= 1.0)
        return kPi / 2.0;
    if (x <= -1.0)
        return -kPi / 2.0;
    return detAtan2(x, std::sqrt((1.0 - x) * (1.0 + x)));
}

double wrap360(double degrees)
{
    double d = degrees - 360.0 * std::floor(degrees / 360.0);
    if (d >= 360.0)
        d -= 360.0;
    return d;
}

double wrap180(double degrees)
{
    return wrap360(degrees + 180.0) - 180.0;
}

} // namespace orbilunex::simgps
