#pragma once

#include "gauges/GaugeView.h"
#include "gauges/compass/BearingCompassWnd.h"
#include "gauges/compass/CompassWnd.h"
#include "gauges/compass/SimpleCompassWnd.h"
#include "models/gauges/compass/HeadingSmoother.h"

namespace orbilunex {

// The compass window: the course over ground as a heading tape, a bearing
// compass or a simple compass. The three controls live in the view for its
// whole life, all kept the view's size; the style decides which one is shown
// and fed.
class CCompassView : public CGaugeView {
    Q_OBJECT

public:
    enum Style { Tape = 0, Bearing = 1, Simple = 2 };

    CCompassView(CDocument* document, AppContext& app);

    int style() const { return compassStyle; }
    // Shows the control of `style` and hides the others (none for a value
    // outside 0..2); stores the style.
    void setStyle(int style);

    double smoothedHeading() const { return smoother.heading; }

    CCompassWnd& tape() { return tapeWnd; }
    CBearingCompassWnd& bearingCompass() { return bearingWnd; }
    CSimpleCompassWnd& simpleCompass() { return simpleWnd; }


    // value, unit, needles, filter, style, heading; in the bearing style
    // also bearing, waypoint and range.
    QJsonObject shows() const override;

protected:
    // One poll: read the course and the waypoint when something changed,
    // smooth the course (with the filter on) and feed the shown control.
    void onTick() override;
    void fillContextMenu(QMenu& menu) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showStyle();
    void followSmoothing();
    void readInputs();

    CCompassWnd tapeWnd;
    CBearingCompassWnd bearingWnd;
    CSimpleCompassWnd simpleWnd;
    int compassStyle = Tape;
    HeadingSmoother smoother;
    // What the last read found: the course, and the active waypoint with
    // its bearing and its range in the user's unit.
    double course = 0.0;
    int bearing = 0;
    QString waypoint;
    double range = 0.0;
    KeptLabel rangeUnit;
};

} // namespace orbilunex
