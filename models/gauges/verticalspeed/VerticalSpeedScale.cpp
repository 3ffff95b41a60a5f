#include "models/gauges/verticalspeed/VerticalSpeedScale.h"

#include "format/FixedText.h"
#include "models/gauges/DialGeometry.h"
#include "models/gauges/VisibleChange.h"

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

VerticalSpeedScale verticalSpeedScale(double fullScale)
{
    VerticalSpeedScale scale;
    scale.labelStep = fullScale * kHundredsStep;
    scale.prefix = "X100 ";
    if (scale.labelStep < 1.0) {
        scale.labelStep = fullScale * kPlainStep;
        scale.prefix.clear();
    }
    double degrees = kZeroDegrees;
    double labelValue = 0.0;
    for (int k = 0; k < kVerticalSpeedTickCount; ++k) {
        VerticalSpeedTick tick;
        tick.climbDegrees = degrees;
        tick.descentDegrees = 2 * kZeroDegrees - degrees;
        tick.major = k % kTicksPerLabel == 0;
        if (tick.major) {
            tick.label = fixedText(labelValue, 0, 0);
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
