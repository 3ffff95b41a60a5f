#pragma once

#include "gauges/PictureGaugeWnd.h"
#include "gauges/compass/CompassPainter.h"

namespace orbilunex {

// A compass control that shows the heading alone: the heading tape and the
// simple compass.
class CHeadingGaugeWnd : public CPictureGaugeWnd<HeadingPicture> {
public:
    using CPictureGaugeWnd::CPictureGaugeWnd;

    // Stores the heading (whole degrees) and redraws at once; returns the
    // previous one. Every whole degree shows (the tape moves at least 2
    // pixels, the simple compass's digits change), so the same heading on
    // screen keeps the picture drawn.
    int setHeading(int degrees)
    {
        const int previous = shown.heading;
        if (degrees == previous && keepsDrawnPicture()) return previous;
        shown.heading = degrees;
        redraw();
        return previous;
    }
};

} // namespace orbilunex
