#include "models/gauges/attitude/AttitudeLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace orbilunex {
namespace {

// A dial of radius 90 pixels centred on (100, 100): a dial unit is a pixel.
const DialGeometry kDial = layoutDial({5, 5, 195, 195});

TEST(AttitudeLayout, LevelFlightSplitsTheCircleAtTheCentre)
{
    const AttitudeLayout level = layoutAttitude(kDial, 0, 0);
    EXPECT_EQ(level.innerCircle, (PixelRect{20, 20, 180, 180})) << "80 units";
    EXPECT_EQ(std::vector<double>(level.bankMarkDegrees.begin(), level.bankMarkDegrees.end()),
              (std::vector<double>{-90, -45, -30, -15, 0, 15, 30, 45, 90, 180}));
    EXPECT_EQ(level.horizonY, 100);
    // The sky: the far bar above the circle, the horizon bar across the
    // centre line (within a pixel: sin and cos of 90 degrees are not exact)
    // and wider than the circle.
    EXPECT_LT(level.sky[0].y, 20);
    EXPECT_LT(level.sky[1].y, 20);
    EXPECT_NEAR(level.sky[2].y, 100, 1);
    EXPECT_NEAR(level.sky[3].y, 100, 1);
    EXPECT_GT(level.sky[2].x, 180);
    EXPECT_LT(level.sky[3].x, 20);

    // 2.25 pixels a degree: rungs 10, 20, 30 at a quarter, a half, three
    // quarters of the radius (22.5, 45, 67.5, truncated); 40 at the rim,
    // outside the inner circle.
    const struct {
        int upperY;
        int lowerY;
    } rows[] = {{77, 122}, {55, 145}, {32, 167}, {10, 190}};
    for (int i = 0; i < 4; ++i) {
        const AttitudeRung& rung = level.rungs[i];
        SCOPED_TRACE(rung.degrees);
        EXPECT_EQ(rung.upper.from, (PixelPoint{90, rows[i].upperY}));
        EXPECT_EQ(rung.upper.to, (PixelPoint{110, rows[i].upperY}));
        EXPECT_EQ(rung.lower.from, (PixelPoint{95, rows[i].lowerY}));
        EXPECT_EQ(rung.lower.to, (PixelPoint{105, rows[i].lowerY}));
    }
    // The numbers' baselines: 1.5 degrees (3.375 pixels) below the rung,
    // 30 units left and 21 right of it.
    EXPECT_EQ(level.rungs[0].upperTexts[0], (PixelPoint{70, 80}));
    EXPECT_EQ(level.rungs[0].upperTexts[1], (PixelPoint{121, 80}));
    EXPECT_EQ(level.rungs[0].lowerTexts[1], (PixelPoint{121, 125}));

    // D = 180: the V's bottom D/16 below the centre, the wings D/4 out.
    EXPECT_EQ(level.aircraftRight[0], (PixelPoint{100, 111}));
    EXPECT_EQ(level.aircraftRight[1], (PixelPoint{111, 100}));
    EXPECT_EQ(level.aircraftRight[2], (PixelPoint{145, 100}));
    EXPECT_EQ(level.aircraftLeft[2], (PixelPoint{55, 100}));
}

TEST(AttitudeLayout, RollTurnsUpAndPitchMovesTheHorizonThatWay)
{
    // Rolled 90 degrees right, nose 10 degrees up: "up" points at three
    // o'clock and the horizon's centre is 22.5 units that way.
    const AttitudeLayout turned = layoutAttitude(kDial, 90, 10);
    EXPECT_DOUBLE_EQ(turned.horizonX, 122.5);
    EXPECT_NEAR(turned.horizonY, 100, 1e-9);
    EXPECT_GT(turned.sky[0].x, 180) << "the sky lies to the right";
    // Rung 10: 22.5 units right of the horizon's centre above, 22.5 left
    // below, standing upright.
    EXPECT_EQ(turned.rungs[0].upper.from, (PixelPoint{145, 90}));
    EXPECT_EQ(turned.rungs[0].upper.to, (PixelPoint{145, 110}));
    EXPECT_EQ(turned.rungs[0].lower.from, (PixelPoint{100, 95}));
    EXPECT_EQ(turned.bankMarkDegrees[4], 90);
    EXPECT_EQ(turned.aircraftRight[2], (PixelPoint{145, 100})) << "fixed to the window";
}

} // namespace
} // namespace orbilunex
