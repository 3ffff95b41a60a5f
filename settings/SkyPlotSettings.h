#pragma once

#include "settings/Setting.h"

namespace orbilunex::settings::skyplot {

// One word with a small e: the section name existing settings files hold.
constexpr const char* kSection = "Azimuthelevation";
constexpr IntSetting kTrails{kSection, "EnableTrails", 1};
constexpr IntSetting kSnrThreshold{kSection, "SNRThreshold", 40};
constexpr IntSetting kDetails{kSection, "EnableSatDetails", 1};
constexpr IntSetting kMaskOutline{kSection, "EnableMaskAngle", 1};
// Load the mask file named by kLastMaskFile each time the window opens.
constexpr IntSetting kAutoLoad{kSection, "EnableAutoLoad", 1};
constexpr StringSetting kLastMaskFile{kSection, "LastAzimuthMaskFile", ""};

} // namespace orbilunex::settings::skyplot
