#pragma once

#include "settings/Setting.h"

// The alarms' choices, all off by default.
namespace orbilunex::settings::alarms {

constexpr const char* kSection = "Alarms";
constexpr IntSetting kFixLost{kSection, "FixLost", 0};            // 0/1
constexpr IntSetting kFixLostSeconds{kSection, "FixLostSeconds", 5};
constexpr IntSetting kMinSatellites{kSection, "MinSatellites", 0}; // 0: off
constexpr StringSetting kMaxHdop{kSection, "MaxHdop", "0"};       // 0: off
// In the user's short distance unit (metres, feet); 0: off.
constexpr StringSetting kAnchorRadius{kSection, "AnchorRadius", "0"};
// Empty: the position when the alarm is armed.
constexpr StringSetting kAnchorLatitude{kSection, "AnchorLatitude", ""};
constexpr StringSetting kAnchorLongitude{kSection, "AnchorLongitude", ""};
constexpr IntSetting kSound{kSection, "Sound", 0};                 // 0/1

} // namespace orbilunex::settings::alarms
