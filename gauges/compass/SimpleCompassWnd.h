#pragma once

#include "gauges/compass/HeadingGaugeWnd.h"

namespace orbilunex {

// The simple compass's control (see paintSimpleCompass).
class CSimpleCompassWnd : public CHeadingGaugeWnd {
    Q_OBJECT

public:
    explicit CSimpleCompassWnd(QWidget* parent = nullptr);
};

} // namespace orbilunex
