#pragma once

#include <QIcon>

#include <vector>

// Pictures of the tool-bar buttons and of the program itself, drawn in code
// as vector shapes so that every size is sharp and no image files ship.

namespace orbilunex {

// The icon for the tool-bar button of a command identifier (see
// shell/Commands.h; a window kind's command draws the kind's picture):
// pixmaps drawn at 16, 24 and 32 pixels, so that the button stays crisp
// at device-pixel ratios 1, 1.5 and 2; the disabled look is derived by Qt.
// A null QIcon for any command that has no tool-bar button.
// Needs a QGuiApplication.
QIcon toolIcon(int commandId);

// Every command identifier toolIcon() draws, in tool-bar order (main,
// window, connect, record), without separators.
const std::vector<int>& toolIconCommands();

// The program's icon, a sky-plot disc with a satellite above it: pixmaps
// drawn at 16, 32, 48, 64, 128 and 256 pixels. data/desktop/orbilunex.svg
// holds the same picture for the desktop. Needs a QGuiApplication.
QIcon applicationIcon();

} // namespace orbilunex
