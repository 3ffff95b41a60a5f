#include "gauges/attitude/AttitudeView.h"

#include "gauges/GaugeView.h"
#include "gauges/attitude/AttitudeWnd.h"

namespace orbilunex {

CAttitudeView::CAttitudeView(CDocument* document, AppContext& app)
    : CHostView(document, app, 0), control(new CAttitudeWnd)
{
    hostChild(control, Ownership::Owned);
    followSmoothDrawing(app, *control);
}

void CAttitudeView::onTick()
{
    // "Smooth drawing" is all it follows: nothing to do unless that may
    // have changed.
    if (!inputsChanged()) return;
    followSmoothDrawing(app(), *control);
}

QJsonObject CAttitudeView::shows() const
{
    QJsonObject values;
    values[QStringLiteral("roll")] = control->picture().roll;
    values[QStringLiteral("pitch")] = control->picture().pitch;
    return values;
}

} // namespace orbilunex
