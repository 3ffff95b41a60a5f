#pragma once

#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

// The Speedometer Window as a window kind: its row in the application's table.
extern const WindowKindDescriptor kSpeedometerKind;

} // namespace orbilunex
