#pragma once

#include "gauges/PictureGaugeWnd.h"
#include "gauges/altimeter/AltimeterPainter.h"

namespace orbilunex {

// The altimeter's control (see AltimeterPainter.h). setValue takes the
// altitude in the user's unit; what it drew is the pointers' angles.
class CAltimeterWnd : public CReadingGaugeWnd<AltimeterPicture, AltimeterPointers> {
    Q_OBJECT

public:
    explicit CAltimeterWnd(QWidget* parent = nullptr);

protected:
    bool changeShows(double from, double to) const override;
};

} // namespace orbilunex
