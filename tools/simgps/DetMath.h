#pragma once

// Trigonometry written out with + - * / and sqrt only. Those operations are
// correctly rounded everywhere, whereas the C library's sin/atan2 may differ in
// the last bit between versions or CPU-dependent code paths; one flipped bit
// could move a rounded field and make the committed sample logs unreproducible.

namespace orbilunex::simgps {

constexpr double kPi = 3.141592653589793238462643383279502884;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kRadToDeg = 180.0 / kPi;

double detSin(double radians);
double detCos(double radians);
double detAtan2(double y, double x);
double detAsin(double x);

inline double sinDeg(double degrees) { return detSin(degrees * kDegToRad); }
inline double cosDeg(double degrees) { return detCos(degrees * kDegToRad); }

// Angle folded into [0, 360).
double wrap360(double degrees);
// Angle folded into [-180, 180).
double wrap180(double degrees);

} // namespace orbilunex::simgps
