#pragma once

#include "framework/WindowKindDescriptor.h"

namespace orbilunex {

// The Survey Window as a window kind: its row in the application's table.
extern const WindowKindDescriptor kSurveyKind;

} // namespace orbilunex
