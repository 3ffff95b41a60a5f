#pragma once

namespace orbilunex {

// When a gauge's picture is worth drawing again. A control redraws only when
// the new value would show: a moving part (needle, pointer, tape, horizon)
// shifting by at least kVisibleShiftPixels logical pixels, or a text reading
// differently. A smoothed value that has settled then costs nothing.
constexpr double kVisibleShiftPixels = 0.1;

// How far a point `reachPixels` from the hub travels when turned from one
// angle to the other (degrees), the short way round: the arc, which is never
// shorter than the straight line between the two points.
double turnShift(double reachPixels, double fromDegrees, double toDegrees);

// Whether a shift of `pixels` shows. One that cannot be told (NaN) does.
bool shiftShows(double pixels);

// Whether two values read the same in fixedText(value, precision, width),
// whatever the width, worked out without building either text.
bool sameFixedText(double a, double b, int precision);

} // namespace orbilunex
