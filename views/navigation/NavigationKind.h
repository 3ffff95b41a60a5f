#pragma once

#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

// The Navigation Window as a window kind: its row in the application's table.
extern const WindowKindDescriptor kNavigationKind;

} // namespace orbilunex
