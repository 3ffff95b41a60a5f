#pragma once

#include "settings/Setting.h"

namespace orbilunex::settings::general {

constexpr const char* kSection = "General";
// The main window's tool bars as Qt saves their state, base64.
constexpr StringSetting kToolBars{kSection, "ToolBars", ""};

// Which talkers decode: 0 GP alone (receivers of GPS only), 1 every
// satellite system's.
constexpr IntSetting kSatelliteSystems{kSection, "SatelliteSystems", 0};
constexpr int kGpsOnly = 0;
constexpr int kAllSystems = 1;
constexpr const char* kSatelliteSystemsLabel = "Satellite systems:";
constexpr const char* const kSatelliteSystemsChoices[] = {"GPS only", "All systems"};

// 1: lines, circles and text of the pictures are anti-aliased; 0 (the
// default): drawn to the pixel, the classic look.
constexpr IntSetting kSmoothDrawing{kSection, "SmoothDrawing", 0};
constexpr const char* kSmoothDrawingLabel = "Smooth drawing";

} // namespace orbilunex::settings::general
