#pragma once

#include "gauges/GaugeView.h"
#include "models/gauges/SmoothingFilter.h"

namespace orbilunex {

class CAltimeterWnd;

// The Altimeter window: polls the altitude, converts it to feet or metres
// after the user's setting, smooths it when "Filter" is on and hands it to
// the dial. The context menu holds the filter alone.
class CAltimeterView : public CGaugeView {
    Q_OBJECT

public:
    CAltimeterView(CDocument* document, AppContext& app);

    CAltimeterWnd* altimeter() const { return control; }

    // The altitude and unit drawn, the pointer angles (long, short, dot, as
    // drawn), the filter.
    QJsonObject shows() const override;

protected:
    void onTick() override;
    void fillContextMenu(QMenu& menu) override;

private:
    CAltimeterWnd* control;
    SmoothingFilter smoothing;
    double sample = 0.0; // the altitude last read, in the user's unit
    KeptLabel unit;
};

} // namespace orbilunex
