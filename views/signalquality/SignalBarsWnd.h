#pragma once

#include "models/signalquality/SignalQualityLayout.h"
#include "models/signalquality/SignalQualityModel.h"

#include <QWidget>

namespace orbilunex {

// The signal-quality bars' drawing window. It holds the bars' data and
// paints straight onto the screen; the background is erased only when the
// number of bars changes (or the window is resized), so a repaint over the
// last picture does not flicker.
class CSignalBarsWnd : public QWidget {
    Q_OBJECT

public:
    explicit CSignalBarsWnd(QWidget* parent = nullptr);

    SignalQualityModel& model() { return data; }
    const SignalQualityModel& model() const { return data; }

    // The layout of the last paint: what each bar was drawn with.
    const SignalQualityLayout& drawnLayout() const { return drawn; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    SignalQualityModel data;
    SignalQualityLayout drawn;
    int lastDrawnCount = -1;
    bool eraseNext = true;
};

} // namespace orbilunex
