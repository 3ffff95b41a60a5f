#pragma once

#include "settings/Setting.h"

namespace orbilunex::settings::signalquality {

constexpr const char* kSection = "SignalQuality";
constexpr IntSetting kLowerThreshold{kSection, "LowerThreshold", 30};
constexpr IntSetting kUpperThreshold{kSection, "UpperThreshold", 60};
constexpr IntSetting kAutoTrack{kSection, "EnableAutoTrack", 1};

} // namespace orbilunex::settings::signalquality
