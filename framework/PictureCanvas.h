#pragma once

#include <QImage>
#include <QSize>

class QPainter;
class QWidget;

namespace orbilunex {

class SettingsStore;

// Pictures are drawn at the device pixel ratio of the screen their window is
// on, in logical coordinates: sizes, pens and fonts stay what they are at
// 1x, and at 2x every line, circle and letter gets four times the pixels.
// At 1x a canvas is the plain image it always was.

// The ratio a widget's pictures are drawn at now (its screen's).
qreal pictureRatio(const QWidget& widget);

// An image of `logicalSize` logical pixels at `ratio` (its pixel size
// rounded up), for a painter in logical coordinates. Empty for an empty size.
QImage pictureCanvas(const QSize& logicalSize, qreal ratio,
                     QImage::Format format = QImage::Format_RGB32);

// Whether `canvas` serves a picture of `logicalSize` at `ratio`, or must be
// made again (the window was resized or moved to another screen).
bool canvasFits(const QImage& canvas, const QSize& logicalSize, qreal ratio);

// "Smooth drawing" (General Settings): whether pictures are anti-aliased.
bool smoothDrawing(const SettingsStore& settings);

// Anti-aliasing of lines, shapes and text on or off for the painter's next
// strokes. Exclusive-or strokes stay unsmoothed whatever this says, so that
// drawing them again erases them exactly.
void setSmoothing(QPainter& painter, bool smooth);

} // namespace orbilunex
