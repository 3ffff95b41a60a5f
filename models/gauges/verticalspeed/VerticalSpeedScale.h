#pragma once

#include "models/gauges/DialGeometry.h"

#include <string>
#include <vector>

namespace orbilunex {

// The vertical speed dial: zero at nine o'clock (270 degrees), climbs read
// clockwise over the top to 420 (two o'clock), descents anticlockwise under
// the bottom to 120 (four o'clock), 150 degrees a side.

// One tick position and its mirror image below the zero line.
struct VerticalSpeedTick {
    double climbDegrees = 0;   // 270 + 7.5 k
    double descentDegrees = 0; // 540 - climbDegrees
    bool major = false;        // every fifth, from zero
    std::string label;         // majors only: "%.f" of the label value
};

struct VerticalSpeedScale {
    // The value between two labelled ticks: full scale / 400 (the labels
    // then count hundreds and the unit text says "X100 "), or full scale / 4
    // where that would be below 1.
    double labelStep = 0;
    std::string prefix;
    std::vector<VerticalSpeedTick> ticks; // 21, zero first
};

constexpr int kVerticalSpeedTickCount = 21;

// The full scales the menu offers, in menu order.
constexpr int kVerticalSpeedScales[] = {5, 400, 1200, 2000, 4000, 6000};

// The dial's full scale for a menu choice. In ft/min it is the choice; in
// m/sec a hundredth of it, so that the same choices give a dial a climb
// can use (2000: +-20 m/sec) rather than +-2000 m/sec.
double verticalSpeedFullScale(int choice, bool metresPerSecond);

// The labels of a step below 1 (0.0125 for a full scale of 0.05) take the
// decimals they need, at most four; other labels are whole.
VerticalSpeedScale verticalSpeedScale(double fullScale);

// The value held to -fullScale ... +fullScale, so the needle stops at the
// end of its side. A full scale of 0 leaves the value as it is.
double limitVerticalSpeed(double value, double fullScale);

// The needle angle for the value (limited first): 270 + 150 * value /
// fullScale. A full scale of 0 has no ratio to show: the needle then stands
// at twelve o'clock.
double verticalSpeedNeedleAngle(double value, double fullScale);

// Whether the needle at rate `from` would look different at `to` on `dial`,
// full scale and unit unchanged: its tip moves a tenth of a pixel (see
// VisibleChange.h). The dial has no read-out of the rate.
bool verticalSpeedChangeShows(const DialGeometry& dial, double from, double to, double fullScale);

// Font sizes in tenths of a point for a dial D pixels across: the tick
// labels at least six points, the caption and texts with no minimum.
int verticalSpeedLabelFontTenths(int diameter);
int verticalSpeedCaptionFontTenths(int diameter);

} // namespace orbilunex
