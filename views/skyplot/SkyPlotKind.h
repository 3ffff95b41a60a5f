#pragma once

#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

// The Azimuth & Elevation Window as a window kind: its row in the application's table.
extern const WindowKindDescriptor kSkyPlotKind;

} // namespace orbilunex
