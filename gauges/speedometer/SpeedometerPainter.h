#pragma once

#include "gauges/DialPainter.h"

#include <QString>

class QPainter;
class QRect;

namespace orbilunex {

// What the speedometer is drawn from: the speed and its unit label in the
// user's unit, and the full-scale speed.
struct SpeedometerPicture {
    double value = 0.0; // the speed
    QString unit;
    double fullScale = 150.0;
};

// The part of the speedometer that does not follow the speed: button face,
// dial face, a full-circle scale of 50 ticks labelled in tenths of full
// scale, the read-out box sized by the unit and the caption "SPEED". Draws
// from fullScale and unit only; draws, decides nothing.
void paintSpeedometerDial(QPainter& painter, const QRect& client,
                          const SpeedometerPicture& picture, const GaugePalette& palette);

// Names what paintSpeedometerDial draws from: pictures with the same key
// have the same dial at the same size and colours.
QString speedometerDialKey(const SpeedometerPicture& picture);

// The part that follows the speed, over the dial paintSpeedometerDial drew
// into the same client: the read-out (the speed with two decimals and the
// unit) and the needle. Returns the needle's angle, degrees clockwise from
// twelve o'clock. Draws, decides nothing; leaves the painter's pen, font and
// text background changed.
double paintSpeedometer(QPainter& painter, const QRect& client,
                        const SpeedometerPicture& picture, const GaugePalette& palette);

} // namespace orbilunex
