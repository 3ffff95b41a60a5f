#pragma once

namespace orbilunex {

// Great-circle distance between two positions on a sphere, by the spherical
// law of cosines. Arguments in signed degrees (latitude north positive,
// longitude east positive); result in nautical miles, from 0 up to about
// 10800 (half the circumference). Rounding can push the cosine of the angle
// a step beyond ±1 for identical or antipodal points; it is clamped there,
// so such points give 0 (or the half circumference) instead of NaN. A NaN or
// infinite argument gives NaN.
double distanceNm(double lat1, double lon1, double lat2, double lon2);

} // namespace orbilunex
