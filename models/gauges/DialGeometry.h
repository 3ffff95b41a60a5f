#pragma once

#include "models/PixelGeometry.h"

#include <string>

namespace orbilunex {

// The round dials' layout for a control's client rectangle: radial
// distances are in dial units, 90 at the rim, angles in degrees clockwise
// from twelve o'clock.
struct DialGeometry {
    PixelRect inner;      // the client rectangle 5 pixels in
    double centreX = 0;   // the inner rectangle's centre, not rounded
    double centreY = 0;
    double radius = 0;    // half the inner rectangle's shorter side, pixels
    PixelRect square;     // the dial: the inner rectangle narrowed to a square of
                          // side 2 * radius around the centre, edges truncated
    int diameter = 0;     // the square's width, D
    double unit = 0;      // pixels per dial unit, radius / 90
};

DialGeometry layoutDial(const PixelRect& client);

// The point at `radius` dial units and `degrees`, each coordinate truncated
// toward zero.
PixelPoint dialPoint(const DialGeometry& dial, double radius, double degrees);

// One tick of a round scale: its angle, whether it is a major (long,
// labelled) tick, and the label of a major.
struct DialTick {
    double degrees = 0; // clockwise from twelve o'clock
    bool major = false;
    std::string label;  // majors only
};

// How far the single needle of the speedometer and the vertical speed dial
// reaches from the hub: the tip of its kite, in dial units.
constexpr double kDialNeedleReach = 65.0;

// A text size in tenths of a point that is at least six points.
int atLeastSixPoints(int tenths);

} // namespace orbilunex
