#pragma once

#include <QtGlobal>

class QFont;
class QPaintDevice;

namespace orbilunex {

// The average character width of a font as the pictures' layouts assume it:
// the widths of the lower-case letters and the blank, weighted by how often
// each occurs in English text (the weights fonts have long used for their
// average width). Faces that share Arial's widths give Arial's average, even
// where their own tables state an average over many more glyphs. Device
// pixels of `device` (screen resolution when null).
qreal averageCharWidth(const QFont& font, QPaintDevice* device);

} // namespace orbilunex
