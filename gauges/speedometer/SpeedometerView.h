#pragma once

#include "gauges/GaugeView.h"
#include "models/gauges/SmoothingFilter.h"

namespace orbilunex {

class CSpeedometerWnd;

// The Speedometer window: polls the speed over ground, converts it to the
// user's speed unit, smooths it when "Filter" is on and hands it to the
// dial. The context menu picks the full scale and the filter. Nothing to
// open, save or print.
class CSpeedometerView : public CGaugeView {
    Q_OBJECT

public:
    CSpeedometerView(CDocument* document, AppContext& app);

    CSpeedometerWnd* speedometer() const { return control; }

    // A "&Maximum Speed" item: the new full scale, drawn afresh and stored.
    void chooseMaxSpeed(int maxSpeed);

    bool allowsPrinting() const override { return false; }
    // The speed, unit and full scale drawn, the needle's angle, the filter.
    QJsonObject shows() const override;

protected:
    void onTick() override;
    void fillContextMenu(QMenu& menu) override;

private:
    CSpeedometerWnd* control;
    SmoothingFilter smoothing;
    double sample = 0.0; // the speed last read, in the user's unit
    KeptLabel unit;
};

} // namespace orbilunex
