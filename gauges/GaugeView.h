#pragma once

#include "framework/HostView.h"
#include "settings/Setting.h"

namespace orbilunex {

class CGaugeWnd;

// Hands "Smooth drawing" as stored now to `control`, which draws itself
// again when it changed. Cheap enough for every tick.
void followSmoothDrawing(AppContext& app, CGaugeWnd& control);

// The view of a polling gauge: a timer that reads the decoded state every
// 100 ms with smoothing on and every 1000 ms with it off (redrawing even when
// nothing changed), and the "Enable &Filter" command that switches both.
class CGaugeView : public CHostView {
    Q_OBJECT

public:
    static constexpr int kFilteredPollMs = 100;
    static constexpr int kPlainPollMs = 1000;

    // Reads `filterSetting` (the gauge section's "Filter") and starts the
    // poll: fast when the flag is 1, or any value but 0 where
    // `fastWhenNonZero` (the speedometer and the vertical speed indicator).
    CGaugeView(CDocument* document, AppContext& app, const IntSetting& filterSetting,
               bool fastWhenNonZero);

    int filterFlag() const { return filter; }

    // "Enable &Filter": restarts the poll at 1000 ms if the flag was 1, else
    // at 100 ms; flips the flag (1 unless it was 1); writes it at once.
    void toggleFilter();

    // The filter flag; gauges add their values.
    QJsonObject shows() const override;

protected:
    // The "Enable &Filter" item, checked while the flag is 1.
    void addFilterItem(QMenu& menu);

private:
    IntSetting filterKey;
    int filter = 0;
};

} // namespace orbilunex
