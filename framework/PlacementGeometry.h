#pragma once

#include "shell/WindowPlacement.h"

#include <QRect>
#include <QSize>

namespace orbilunex {

// Stored placements come from another session, another screen arrangement or
// a hand-edited file. These keep a restored window reachable: a size that is
// negative, tiny or absurd becomes the fallback size, and a window off the
// area is brought back so that its top-left corner and title bar show.

// The normal rectangle of a placement (stored left, right, top, bottom).
QRect placementRect(const WindowPlacement& placement);
void setPlacementRect(WindowPlacement& placement, const QRect& rect);

// A rectangle like `wanted` that can be reached inside `area`. With
// `fitInside`, the size is also limited to the area's (for the main window
// on its screen); without it only absurd sizes are replaced (monitor windows
// inside a main window that may still be growing).
QRect reachableRect(const QRect& wanted, const QRect& area, const QSize& fallbackSize,
                    bool fitInside);

} // namespace orbilunex
