#pragma once

#include "models/navigation/NavigationText.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace orbilunex {

// Colours the picture takes from the window system.
struct NavigationPalette {
    QColor buttonFace = QColor(240, 240, 240);
    QColor buttonText = QColor(0, 0, 0);
};

// The window's canvas is set to 96 dots per inch whatever screen hosts it:
// the font already follows the window's width in pixels, so the text keeps
// its proportion to the window on any screen.
constexpr int kNavigationCanvasDotsPerMetre = 3780;

// The off-screen picture the window keeps between ticks (RGB32 at
// kNavigationCanvasDotsPerMetre), `size` logical pixels at the device pixel
// ratio `ratio` (the screen's), not yet filled.
QImage navigationCanvas(const QSize& size, qreal ratio = 1.0);

// Draws picture.text into drawingRect, left and top aligned, in Arial at
// picture.fontTenths: lines broken at '\n', tabs every five average
// character widths, clipped to the rectangle; a line after the first three
// that would not fit the width is drawn in a font small enough that it
// does. Each line's cells, from the
// left edge to the end of its trailing blanks, are first filled with the
// button face, so the text overwrites whatever was there without erasing
// anything else. Text in the palette's button text (black on the classic
// face, light on a dark one). Nothing is drawn for a font of no height.
// The painter's state is restored on return.
void paintNavigation(QPainter& painter, const QRect& drawingRect, const NavigationPicture& picture,
                     const NavigationPalette& palette);

} // namespace orbilunex
