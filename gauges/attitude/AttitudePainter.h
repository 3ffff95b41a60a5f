#pragma once

#include "gauges/DialPainter.h"

#include <QColor>

class QPainter;
class QRect;

namespace orbilunex {

// What the attitude indicator is drawn from: roll and pitch in degrees
// (positive roll turns the picture clockwise) and whether the pitch ladder
// carries its numbers.
struct AttitudePicture {
    double roll = 0.0;
    double pitch = 0.0;
    bool showNumbers = true;
};

// The sky and the aircraft symbol, whatever the system colours.
constexpr QRgb kAttitudeSkyColour = 0xff0000ff;
constexpr QRgb kAttitudeAircraftColour = 0xffff0000;

// The attitude indicator: button face, dial face, an inner circle ringed by
// bank marks, and inside that circle the sky in blue over the ground with
// its perspective lines, the pitch ladder with its numbers (white above the
// horizon, blue below, turned with the roll in whole tenths of a degree),
// and the fixed aircraft symbol in red. Draws, decides nothing; leaves the
// painter's font and text background changed.
void paintAttitude(QPainter& painter, const QRect& client, const AttitudePicture& picture,
                   const GaugePalette& palette);

} // namespace orbilunex
