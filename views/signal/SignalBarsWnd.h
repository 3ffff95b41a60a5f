#pragma once

#include "models/signal/SignalBarsLayout.h"
#include "models/signal/SignalBarsModel.h"

#include <QWidget>

namespace orbilunex {

// The signal-quality bars' drawing window. It holds the bars' data and
// paints straight onto the screen; the background is erased only when the
// number of bars changes (or the window is resized), so the repaint each
// second does not flicker.
class CSignalBarsWnd : public QWidget {
    Q_OBJECT

public:
    explicit CSignalBarsWnd(QWidget* parent = nullptr);

    SignalBarsModel& model() { return data; }
    const SignalBarsModel& model() const { return data; }

    // The layout of the last paint: what each bar was drawn with.
    const SignalBarsLayout& drawnLayout() const { return drawn; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    SignalBarsModel data;
    SignalBarsLayout drawn;
    int lastDrawnCount = -1;
    bool eraseNext = true;
};

} // namespace orbilunex
