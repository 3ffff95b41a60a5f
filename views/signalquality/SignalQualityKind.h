#pragma once

#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

// The Signal Quality Window as a window kind: its row in the application's table.
extern const WindowKindDescriptor kSignalQualityKind;

} // namespace orbilunex
