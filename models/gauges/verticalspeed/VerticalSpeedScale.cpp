#include "models/gauges/verticalspeed/VerticalSpeedScale.h"

#include "format/FixedText.h"
#include "models/gauges/DialGeometry.h"
#include "models/gauges/VisibleChange.h"

#include <cmath>

namespace orbilunex {

namespace {

constexpr double kZeroDegrees = 270.0;
constexpr double kTickSpacing = 7.5;
constexpr double kSideDegrees = 150.0;
constexpr int kTicksPerLabel = 5;
constexpr double kHundredsStep = 0.0025; // full scale / 4 labels / 100
constexpr double kPlainStep = 0.25;
constexpr double kCaptionFontPerPixel = 0.4347826086956522; // 10 / 23

} // namespace

double verticalSpeedFullScale(int choice, bool metresPerSecond)
{
    return metresPerSecond ? choice / 100.0 : choice;
}

namespace {

// Decimals enough for multiples of a step below 1, at most four.
int labelDecimals(double step)
{
    if (step >= 1.0) return 0;
    int decimals = 1;
    double scaled = step * 10;
    while (decimals < 4 && std::fabs(scaled - std::round(scaled)) > 1e-9) {
        ++decimals;
        scaled *= 10;
    }
    return decimals;
}

// "0.0250" as "0.025": the decimals a label needs, not its neighbours'.
std::string trimmedLabel(double value, int decimals)
{
    std::string text = fixedText(value, decimals, 0);
    if (decimals == 0) return text;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

} // namespace

VerticalSpeedScale verticalSpeedScale(double fullScale)
{
    VerticalSpeedScale scale;
    scale.labelStep = fullScale * kHundredsStep;
    scale.prefix = "X100 ";
    if (scale.labelStep < 1.0) {
        scale.labelStep = fullScale * kPlainStep;
        scale.prefix.clear();
    }
    const int decimals = labelDecimals(scale.labelStep);
    double degrees = kZeroDegrees;
    double labelValue = 0.0;
    for (int k = 0; k < kVerticalSpeedTickCount; ++k) {
        VerticalSpeedTick tick;
        tick.climbDegrees = degrees;
        tick.descentDegrees = 2 * kZeroDegrees - degrees;
        tick.major = k % kTicksPerLabel == 0;
        if (tick.major) {
            tick.label = trimmedLabel(labelValue, decimals);
            labelValue += scale.labelStep;
        }
        scale.ticks.push_back(tick);
        degrees += kTickSpacing;
    }
    return scale;
}

double limitVerticalSpeed(double value, double fullScale)
{
    if (fullScale == 0.0) return value;
    if (value > fullScale) value = fullScale;
    if (value < -fullScale) value = -fullScale;
    return value;
}

double verticalSpeedNeedleAngle(double value, double fullScale)
{
    if (fullScale == 0.0) return 0.0;
    // The 300 degrees of both sides span the 2 * fullScale from end to end.
    return 2 * kSideDegrees / fullScale * (limitVerticalSpeed(value, fullScale) * 0.5) +
           kZeroDegrees;
}

bool verticalSpeedChangeShows(const DialGeometry& dial, double from, double to, double fullScale)
{
    return shiftShows(turnShift(kDialNeedleReach * dial.unit,
                                verticalSpeedNeedleAngle(from, fullScale),
                                verticalSpeedNeedleAngle(to, fullScale)));
}

int verticalSpeedLabelFontTenths(int diameter)
{
    return atLeastSixPoints(2 * diameter / 3);
}

int verticalSpeedCaptionFontTenths(int diameter)
{
    return static_cast<int>(diameter * kCaptionFontPerPixel);
}

} // namespace orbilunex
