#pragma once

#include "framework/WindowKindDescriptor.h"

#include <vector>

namespace orbilunex {

// Every window kind the program is built with, in menu order. The list is
// made by the build from the kinds' folders (app/WindowKindList.cpp.in).
const std::vector<const WindowKindDescriptor*>& windowKindDescriptors();

// The same kinds as plain data, with their lookups.
const WindowKindTable& windowKinds();

// nullptr when no kind has this code or window command.
const WindowKindDescriptor* windowKindByCode(int code);
const WindowKindDescriptor* windowKindByCommand(int command);

} // namespace orbilunex
