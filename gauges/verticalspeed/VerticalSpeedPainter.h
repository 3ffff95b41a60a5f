#pragma once

#include "gauges/DialPainter.h"

#include <QString>

class QPainter;
class QRect;

namespace orbilunex {

// What the vertical speed dial is drawn from: the rate in the user's unit
// (held to +-full scale by the caller), the full scale and the unit label.
struct VerticalSpeedPicture {
    double value = 0.0; // the rate
    double fullScale = 2000.0;
    QString unit = QStringLiteral("ft");
};

// The part of the dial that does not follow the rate: button face, dial
// face, the scale from zero at nine o'clock clockwise over the top for
// climbs and anticlockwise under the bottom for descents, its labels
// mirrored, the caption "VERTICAL SPEED", the unit text right of the centre
// and "Up" and "Dn" beside zero. Draws from fullScale and unit only;
// draws, decides nothing.
void paintVerticalSpeedDial(QPainter& painter, const QRect& client,
                            const VerticalSpeedPicture& picture, const GaugePalette& palette);

// Names what paintVerticalSpeedDial draws from: pictures with the same key
// have the same dial at the same size and colours.
QString verticalSpeedDialKey(const VerticalSpeedPicture& picture);

// The needle at the rate, over the dial paintVerticalSpeedDial drew into the
// same client. Returns its angle, degrees clockwise from twelve o'clock.
// Draws, decides nothing.
double paintVerticalSpeed(QPainter& painter, const QRect& client,
                          const VerticalSpeedPicture& picture, const GaugePalette& palette);

} // namespace orbilunex
