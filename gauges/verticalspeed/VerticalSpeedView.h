#pragma once

#include "gauges/GaugeView.h"
#include "models/gauges/SmoothingFilter.h"

namespace orbilunex {

class CVerticalSpeedWnd;

// The Vertical Speed window: polls the rate of climb, converts it to ft/min
// or m/sec after the user's altitude unit, smooths it when "Filter" is on
// and hands it to the dial. The context menu picks the full scale
// ("MaxVertSpeed") and switches the filter. Nothing to print.
class CVerticalSpeedView : public CGaugeView {
    Q_OBJECT

public:
    CVerticalSpeedView(CDocument* document, AppContext& app);

    CVerticalSpeedWnd* indicator() const { return control; }

    // A full-scale command: stores the choice, then shows it (in m/sec a
    // hundredth of it, see verticalSpeedFullScale).
    void chooseFullScale(int fullScale);

    bool allowsPrinting() const override { return false; }
    // The rate and unit label drawn, the full scale, the needle angle as
    // drawn, the filter.
    QJsonObject shows() const override;

protected:
    // One poll: read and convert when something changed, smooth when on,
    // hand the value to the dial.
    void onTick() override;
    void fillContextMenu(QMenu& menu) override;

private:
    // The dial's full scale for the menu's choice in the unit now in force.
    void showFullScale(int chosen);

    CVerticalSpeedWnd* control;
    int choice = 0; // the menu's full scale, as stored
    SmoothingFilter smoothing;
    double sample = 0.0; // the rate last read, in the user's unit
    KeptLabel unit;
};

} // namespace orbilunex
