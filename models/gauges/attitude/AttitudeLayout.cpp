#include "models/gauges/attitude/AttitudeLayout.h"

#include "models/gauges/VisibleChange.h"

#include <cmath>

namespace orbilunex {

namespace {

constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;
constexpr double kPitchPixelsPerRadius = 0.025;
constexpr double kBankMarkOffsets[10] = {-90, -45, -30, -15, 0, 15, 30, 45, 90, 180};
// The horizon bar reaches 90 degrees of pitch either way from its centre and
// the sky runs 180 degrees beyond it: far outside the inner circle at any
// roll, so clipping leaves a clean half.
constexpr double kBarHalfDegrees = 90;
constexpr double kSkyDepthDegrees = 180;
constexpr double kUpperRungHalf = 10; // dial units
constexpr double kLowerRungHalf = 5;
constexpr double kNumberDrop = 1.5;   // degrees of pitch below the rung
constexpr double kNumberLeft = -30;   // dial units along the rung
constexpr double kNumberRight = 21;

} // namespace

AttitudePoint attitudeMove(AttitudePoint from, double pixels, double degrees)
{
    const double angle = degrees * kDegreesToRadians;
    return {from.x + pixels * std::sin(angle), from.y - pixels * std::cos(angle)};
}

PixelPoint attitudePixel(AttitudePoint point)
{
    return {static_cast<int>(point.x), static_cast<int>(point.y)};
}

AttitudeLayout layoutAttitude(const DialGeometry& dial, double roll, double pitch)
{
    AttitudeLayout layout;
    const int inset =
        dial.square.right - static_cast<int>(dial.centreX + kAttitudeInnerRadius * dial.unit);
    layout.innerCircle = {dial.square.left + inset, dial.square.top + inset,
                          dial.square.right - inset, dial.square.bottom - inset};
    for (std::size_t i = 0; i < layout.bankMarkDegrees.size(); ++i)
        layout.bankMarkDegrees[i] = roll + kBankMarkOffsets[i];

    const double g = dial.radius * kPitchPixelsPerRadius;
    const double up = roll;
    const double down = roll + 180;
    const double across = roll + 90;
    const double u = dial.unit;
    layout.pixelsPerDegree = g;
    const AttitudePoint horizon = attitudeMove({dial.centreX, dial.centreY}, g * pitch, up);
    layout.horizonX = horizon.x;
    layout.horizonY = horizon.y;

    const AttitudePoint horizonLeft = attitudeMove(horizon, -kBarHalfDegrees * g, across);
    const AttitudePoint horizonRight = attitudeMove(horizon, kBarHalfDegrees * g, across);
    layout.sky = {attitudePixel(attitudeMove(horizonLeft, kSkyDepthDegrees * g, up)),
                  attitudePixel(attitudeMove(horizonRight, kSkyDepthDegrees * g, up)),
                  attitudePixel(horizonRight), attitudePixel(horizonLeft)};

    const struct {
        double offset;
        double length;
    } ground[4] = {{210, 180}, {240, 180}, {120, 180}, {150, 190}};
    for (std::size_t i = 0; i < layout.groundLines.size(); ++i)
        layout.groundLines[i] = {
            attitudePixel(horizon),
            attitudePixel(attitudeMove(horizon, ground[i].length * u, roll + ground[i].offset))};

    auto stroke = [&](AttitudePoint centre, double half) {
        return AttitudeSegment{attitudePixel(attitudeMove(centre, -half * u, across)),
                               attitudePixel(attitudeMove(centre, half * u, across))};
    };
    auto texts = [&](AttitudePoint centre) {
        const AttitudePoint below = attitudeMove(centre, kNumberDrop * g, down);
        return std::array<PixelPoint, 2>{
            attitudePixel(attitudeMove(below, kNumberLeft * u, across)),
            attitudePixel(attitudeMove(below, kNumberRight * u, across))};
    };
    for (std::size_t i = 0; i < layout.rungs.size(); ++i) {
        AttitudeRung& rung = layout.rungs[i];
        rung.degrees = 10 * static_cast<int>(i + 1);
        const AttitudePoint above = attitudeMove(horizon, rung.degrees * g, up);
        const AttitudePoint beneath = attitudeMove(horizon, rung.degrees * g, down);
        rung.upper = stroke(above, kUpperRungHalf);
        rung.upperTexts = texts(above);
        rung.lower = stroke(beneath, kLowerRungHalf);
        rung.lowerTexts = texts(beneath);
    }

    const int cx = static_cast<int>(dial.centreX);
    const int cy = static_cast<int>(dial.centreY);
    const int sixteenth = dial.diameter / 16;
    const int quarter = dial.diameter / 4;
    layout.aircraftRight = {PixelPoint{cx, cy + sixteenth}, PixelPoint{cx + sixteenth, cy},
                            PixelPoint{cx + quarter, cy}};
    layout.aircraftLeft = {PixelPoint{cx, cy + sixteenth}, PixelPoint{cx - sixteenth, cy},
                           PixelPoint{cx - quarter, cy}};
    return layout;
}

bool attitudeChangeShows(const DialGeometry& dial, double fromRoll, double fromPitch,
                         double toRoll, double toPitch)
{
    const double turn = turnShift(kAttitudeBankMarkOuter * dial.unit, fromRoll, toRoll);
    const double slide = std::fabs(toPitch - fromPitch) * dial.radius * kPitchPixelsPerRadius;
    return shiftShows(turn + slide);
}

} // namespace orbilunex
