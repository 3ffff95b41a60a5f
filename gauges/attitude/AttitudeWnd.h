#pragma once

#include "gauges/PictureGaugeWnd.h"
#include "gauges/attitude/AttitudePainter.h"

namespace orbilunex {

// The attitude indicator's control (see AttitudePainter.h). Nothing in the
// program measures roll or pitch, so both stay 0 (level flight) unless set
// here.
class CAttitudeWnd : public CPictureGaugeWnd<AttitudePicture> {
    Q_OBJECT

public:
    explicit CAttitudeWnd(QWidget* parent = nullptr);

    // Degrees; positive roll turns the picture clockwise. Draws at once;
    // unless, on screen, the picture would not change visibly
    // (attitudeChangeShows), when the picture drawn and its values stay.
    void setAttitude(double roll, double pitch);
};

} // namespace orbilunex
