#pragma once

#include "gauges/DialPainter.h"

#include <QColor>
#include <QString>

class QPainter;
class QRect;

namespace orbilunex {

// The compass window's three faces: the heading tape, the bearing compass
// and the simple compass. Each draws its whole picture into `client` and
// decides nothing; the painter's pen, brush, font and text background are
// left changed.

// What the heading tape and the simple compass are drawn from.
struct HeadingPicture {
    int heading = 0; // whole degrees
};

// What the bearing compass is drawn from: the heading and the bearing to
// the active waypoint (whole degrees), the waypoint's name and the range to
// it with the range's unit label.
struct BearingCompassPicture {
    int heading = 0;
    int bearing = 0;
    QString waypoint;
    double range = 0.0;
    QString rangeUnit;
};

// The heading line's colour, whatever the system colours.
constexpr QRgb kHeadingLineColour = qRgb(0, 0, 255);

// The heading tape: the button face in a sunken frame, then the strip of
// degree ticks hanging from the top edge in black with their labels on the
// button face, slid so that the heading stands under a blue line, clipped
// inside the frame's sides.
void paintHeadingTape(QPainter& painter, const QRect& client, const HeadingPicture& picture,
                      const GaugePalette& palette);

// The heading-up bearing compass: the card (a tick every 10 degrees, the
// cardinal letters and the numbers at other multiples of 30, on the face
// colour), the waypoint's name and the range below the centre, the pointer
// to the waypoint, the hub and the lubber line at twelve o'clock. Returns
// the pointer's angle on the card, degrees clockwise from twelve o'clock.
int paintBearingCompass(QPainter& painter, const QRect& client,
                        const BearingCompassPicture& picture, const GaugePalette& palette);

// The plain heading-up card: a tick every 45 degrees, the cardinal
// letters, the heading in digits at the centre and a caret at twelve
// o'clock.
void paintSimpleCompass(QPainter& painter, const QRect& client, const HeadingPicture& picture,
                        const GaugePalette& palette);

// The simple compass's heading: "%03d" of the degrees and a degree sign.
QString headingText(int degrees);

} // namespace orbilunex
