#pragma once

#include "settings/Setting.h"

namespace orbilunex::settings::general {

constexpr const char* kSection = "General";
// The main window's tool bars as Qt saves their state, base64.
constexpr StringSetting kToolBars{kSection, "ToolBars", ""};

} // namespace orbilunex::settings::general
