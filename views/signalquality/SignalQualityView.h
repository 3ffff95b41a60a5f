#pragma once

#include "framework/HostView.h"

namespace orbilunex {

class CSignalBarsWnd;

// Hosts the signal-quality bars: each second the first satellites of the
// decoded state are copied in, and the bars repainted when they changed;
// the context menu resets the observed extremes and opens the thresholds
// sheet.
class CSignalQualityView : public CHostView {
    Q_OBJECT

public:
    static constexpr int kTickMs = 1000;

    CSignalQualityView(CDocument* document, AppContext& app);

    CSignalBarsWnd* barsWindow() const { return bars; }

    void resetObserved();
    // The "Signal Quality Property Sheet"; OK takes and stores its values.
    void showProperties();

    // The thresholds, extremes and auto-track flag, and per bar drawn its
    // PRN, SNR, used flag and filled height in pixels, as last painted.
    QJsonObject shows() const override;

protected:
    // One tick: copy the satellites and repaint, without erasing, if a bar
    // changed. Nothing at all while no sentence and no setting came in.
    void onTick() override;
    void fillContextMenu(QMenu& menu) override;

private:
    CSignalBarsWnd* bars;
};

} // namespace orbilunex
