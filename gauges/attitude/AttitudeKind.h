#pragma once

#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

// The Attitude as a window kind: its row in the application's table.
extern const WindowKindDescriptor kAttitudeKind;

} // namespace orbilunex
