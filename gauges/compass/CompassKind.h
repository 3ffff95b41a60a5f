#pragma once

#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

// The Compass Window as a window kind: its row in the application's table.
extern const WindowKindDescriptor kCompassKind;

} // namespace orbilunex
