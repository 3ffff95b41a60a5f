#pragma once

#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

// The Altimeter Window as a window kind: its row in the application's table.
extern const WindowKindDescriptor kAltimeterKind;

} // namespace orbilunex
