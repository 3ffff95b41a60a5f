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
    // previous one.
    int setHeading(int degrees)
    {
        const int previous = shown.heading;
        shown.heading = degrees;
        redraw();
        return previous;
    }
};

} // namespace orbilunex
