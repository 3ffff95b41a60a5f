#pragma once

#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

// The Command Monitor as a window kind: its row in the application's table.
extern const WindowKindDescriptor kCommandMonitorKind;

} // namespace orbilunex
