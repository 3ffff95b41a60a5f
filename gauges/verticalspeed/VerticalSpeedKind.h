#pragma once

#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

// The Vertical Speed Window as a window kind: its row in the application's table.
extern const WindowKindDescriptor kVerticalSpeedKind;

} // namespace orbilunex
