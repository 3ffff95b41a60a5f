#pragma once

#include "models/gauges/DialGeometry.h"

#include <string>
#include <vector>

namespace orbilunex {

// The speedometer's full-circle scale: 50 ticks clockwise from twelve
// o'clock, every fifth a major one labelled with its share of full scale.
// Full scale coincides with 0 at the top and has no label of its own.

constexpr int kDialTickCount = 50;

// The full scales the menu offers, in menu order.
constexpr int kSpeedometerScales[] = {500, 250, 200, 150, 100, 50, 20, 10};

std::vector<DialTick> speedometerScale(double maxSpeed);

// The needle angle: speed / maxSpeed of a full turn, not limited, so a
// speed above full scale goes on round the dial. A full scale of 0 has no
// ratio to show: the needle then stands at twelve o'clock.
double speedometerNeedleAngle(double speed, double maxSpeed);

// The stored full scale: read as unsigned, so a stored -1 is 4294967295.
double speedometerScaleFromSetting(int stored);

// The read-out: the speed with two decimals, a blank and the unit label.
std::string speedometerReadout(double speed, const std::string& unit);

// Whether the picture of speed `from` would look different at `to` on
// `dial`, unit and full scale unchanged: a read-out digit changes or the
// needle's tip moves a tenth of a pixel (see VisibleChange.h).
bool speedometerChangeShows(const DialGeometry& dial, double from, double to, double maxSpeed);

} // namespace orbilunex
