#pragma once

#include "gauges/DialPainter.h"
#include "models/gauges/altimeter/AltimeterScale.h"

#include <QString>

class QPainter;
class QRect;

namespace orbilunex {

// What the altimeter is drawn from: the altitude and its unit label in the
// user's unit.
struct AltimeterPicture {
    double value = 0.0; // the altitude
    QString unit;
};

// The part of the altimeter that does not follow the altitude: button face,
// dial face, 50 ticks with the majors numbered 0 to 9, the read-out box
// sized by the unit and the caption "ALT". Draws from unit only;
// draws, decides nothing.
void paintAltimeterDial(QPainter& painter, const QRect& client, const AltimeterPicture& picture,
                        const GaugePalette& palette);

// Names what paintAltimeterDial draws from: pictures with the same key have
// the same dial at the same size and colours.
QString altimeterDialKey(const AltimeterPicture& picture);

// The part that follows the altitude, over the dial paintAltimeterDial drew
// into the same client: the zero-padded read-out with the unit, a long
// pointer for the hundreds, a short one for the thousands and a dot on the
// ring for the ten-thousands, over a dot on the hub. Returns the pointer
// angles drawn. Draws, decides nothing; leaves the painter's pen, font and
// text background changed.
AltimeterPointers paintAltimeter(QPainter& painter, const QRect& client,
                                 const AltimeterPicture& picture, const GaugePalette& palette);

} // namespace orbilunex
