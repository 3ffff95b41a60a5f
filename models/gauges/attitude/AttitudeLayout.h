#pragma once

#include "models/PixelGeometry.h"
#include "models/gauges/DialGeometry.h"

#include <array>

namespace orbilunex {

// Where the attitude indicator's parts lie for a roll and a pitch (degrees;
// positive roll turns the picture clockwise). "Up" in the picture is the
// direction at angle roll; the horizon's centre moves that way by the pitch.
// Points are device pixels, each coordinate truncated toward zero.

struct AttitudeSegment {
    PixelPoint from;
    PixelPoint to;
};

// One step of the pitch ladder, n degrees above and below the horizon.
struct AttitudeRung {
    int degrees = 0;
    AttitudeSegment upper;                   // 20 dial units wide
    AttitudeSegment lower;                   // 10 dial units wide
    std::array<PixelPoint, 2> upperTexts; // left and right baselines of the number
    std::array<PixelPoint, 2> lowerTexts;
};

struct AttitudeLayout {
    // The circle of 80 dial units that holds the moving picture.
    PixelRect innerCircle;
    // The bank marks on the ring, from 80 to 90 dial units.
    std::array<double, 10> bankMarkDegrees{};
    double pixelsPerDegree = 0; // of pitch
    double horizonX = 0;        // the horizon's centre
    double horizonY = 0;
    // Far bar left and right ends, horizon right and left ends: the sky side.
    std::array<PixelPoint, 4> sky;
    // Perspective lines from the horizon's centre over the ground.
    std::array<AttitudeSegment, 4> groundLines;
    std::array<AttitudeRung, 9> rungs; // 10 to 90 degrees
    // The aircraft symbol, fixed to the window: two polylines from the
    // bottom of the V out to each wing tip.
    std::array<PixelPoint, 3> aircraftRight;
    std::array<PixelPoint, 3> aircraftLeft;
};

constexpr double kAttitudeInnerRadius = 80; // dial units
constexpr double kAttitudeBankMarkOuter = 90;

AttitudeLayout layoutAttitude(const DialGeometry& dial, double roll, double pitch);

// Whether the picture at one roll and pitch would look different at another
// on `dial`: the picture turns about the centre with the roll, the bank
// marks reaching 90 dial units out, and slides with the pitch; together
// they move no point further than the turn's arc at 90 units plus the
// slide. A tenth of a pixel of that shows (see VisibleChange.h).
bool attitudeChangeShows(const DialGeometry& dial, double fromRoll, double fromPitch,
                         double toRoll, double toPitch);

// A point in pixels before truncation.
struct AttitudePoint {
    double x = 0;
    double y = 0;
};
// The point `pixels` from `from` in the direction `degrees` (clockwise from
// twelve o'clock).
AttitudePoint attitudeMove(AttitudePoint from, double pixels, double degrees);
// Each coordinate truncated toward zero.
PixelPoint attitudePixel(AttitudePoint point);

} // namespace orbilunex
