#pragma once

#include "gauges/compass/HeadingGaugeWnd.h"

namespace orbilunex {

// The heading tape's control (see paintHeadingTape), with the style its
// ticks hang in.
class CCompassWnd : public CHeadingGaugeWnd {
    Q_OBJECT

public:
    explicit CCompassWnd(QWidget* parent = nullptr);

    // Where the ticks hang from; 0 (from the top edge) is the only style
    // drawn. Takes effect at the next paint.
    void setTickStyle(short style);
    short tickStyle() const { return ticks; }

private:
    short ticks = 0;
};

} // namespace orbilunex
