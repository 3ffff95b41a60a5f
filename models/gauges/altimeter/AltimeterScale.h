#pragma once

#include "models/gauges/DialGeometry.h"

#include <string>
#include <vector>

namespace orbilunex {

// The altimeter's dial: 50 ticks clockwise from twelve o'clock, the majors
// numbered 0 to 9, and three pointers turning once per 1000, 10 000 and
// 100 000 units of altitude.

constexpr int kDialTickCount = 50;

std::vector<DialTick> altimeterScale();

// Pointer angles in degrees, clockwise from twelve o'clock.
struct AltimeterPointers {
    // The hundreds: the remainder of 1000 (keeping the value's sign, so a
    // negative altitude turns it anticlockwise) over a full turn.
    double longPointer = 0;
    // The thousands, from the altitude truncated toward zero.
    double shortPointer = 0;
    // The ten-thousands marker on the ring, from the truncated altitude.
    double dot = 0;
};

AltimeterPointers altimeterPointers(double altitude);

// How far each pointer reaches from the hub, in dial units: the long
// pointer's tip, the short pointer's tip and the dot on the ring.
constexpr double kAltimeterLongReach = 75.0;
constexpr double kAltimeterShortReach = 45.0;
constexpr double kAltimeterDotRadius = 80.0;

// The read-out: the altitude zero-padded to eight characters with two
// decimals ("01250.00", "-0250.00"), a blank and the unit label.
std::string altimeterReadout(double altitude, const std::string& unit);

// Whether the picture of altitude `from` would look different at `to` on
// `dial`, unit unchanged: a read-out digit changes or a pointer's end moves
// a tenth of a pixel (see VisibleChange.h).
bool altimeterChangeShows(const DialGeometry& dial, double from, double to);

} // namespace orbilunex
