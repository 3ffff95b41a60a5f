#pragma once

#include "settings/Setting.h"

// The instrument windows' settings, a section each. "Filter" (smoothing, and
// with it the poll period) is in every polling gauge's section.
namespace orbilunex::settings::gauges {

namespace speedometer {
constexpr const char* kSection = "Speedometer";
constexpr IntSetting kFilter{kSection, "Filter", 0};
// Read as unsigned: the full-scale speed in the user's speed unit.
constexpr IntSetting kMaxSpeed{kSection, "MaxSpeed", 150};
} // namespace speedometer

namespace altimeter {
constexpr const char* kSection = "Altimeter";
constexpr IntSetting kFilter{kSection, "Filter", 0};
} // namespace altimeter

namespace compass {
constexpr const char* kSection = "Compass";
constexpr IntSetting kFilter{kSection, "Filter", 0};
// 0 heading tape, 1 bearing compass, 2 simple compass.
constexpr IntSetting kStyle{kSection, "CompassStyle", 0};
} // namespace compass

namespace verticalspeed {
constexpr const char* kSection = "Vertical Speed";
constexpr IntSetting kFilter{kSection, "Filter", 0};
// The full-scale rate in the user's vertical speed unit.
constexpr IntSetting kMaxVertSpeed{kSection, "MaxVertSpeed", 2000};
} // namespace verticalspeed

} // namespace orbilunex::settings::gauges
