#pragma once

#include "settings/Setting.h"

#include <string>

// Where the window layout is kept: the working folder, the main window's
// placement and one entry per open monitor window.
namespace orbilunex::settings::layout {

constexpr StringSetting kWorkingDir{"Application", "WorkingDir", ""};

constexpr const char* kWindowSection = "WindowPosition";
constexpr StringSetting kMain{kWindowSection, "Main", ""};
constexpr IntSetting kWindowCount{kWindowSection, "NumOfWindows", 0};
// The key of the n-th window entry, "WINDOW %d", numbered from 0; each
// holds the text of formatWindowEntry.
std::string windowKey(int index);

} // namespace orbilunex::settings::layout
