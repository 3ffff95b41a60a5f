#pragma once

#include "models/signalquality/SignalQualityLayout.h"
#include "models/signalquality/SignalQualityModel.h"

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;
class QPalette;

namespace orbilunex {

// The system colours the bars are drawn in.
struct SignalQualityPalette {
    QColor buttonFace;
    QColor darkShadow;      // top and left edges of a sunken frame
    QColor buttonHighlight; // bottom and right edges
    QColor highlight;       // the level of a satellite used in the solution
    QColor highlightText;   // the SNR inside the bar
    QColor greyText;        // the level of a satellite not used
    QColor windowText;      // the PRN under the bar
};

SignalQualityPalette signalQualityPalette(const QPalette& palette);

// The bars' text face at a size in tenths of a point.
QFont signalQualityFont(int tenths);

// Draws the bars of `model` in `client`: for each bar a sunken frame, the
// bar in the button face above its level and in the level colour below it,
// the SNR ("%02d", before clamping) at the top of the level and clipped to
// it, and the PRN in a box under the frame; the surround of the bars in the
// button face. Bars are painted over, never erased first. Returns the layout
// it drew, heights included. The painter's state is restored on return.
SignalQualityLayout paintSignalQuality(QPainter& painter, const QRect& client,
                                       const SignalQualityModel& model,
                                       const SignalQualityPalette& palette);

} // namespace orbilunex
