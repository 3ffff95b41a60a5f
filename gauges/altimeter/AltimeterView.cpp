#include "gauges/altimeter/AltimeterView.h"

#include "format/Units.h"
#include "framework/AppContext.h"
#include "gauges/altimeter/AltimeterWnd.h"
#include "nmea/GpsState.h"
#include "settings/GaugeSettings.h"

#include <QJsonArray>
#include <QMenu>

namespace orbilunex {

CAltimeterView::CAltimeterView(CDocument* document, AppContext& app)
    : CGaugeView(document, app, settings::gauges::altimeter::kFilter, false),
      control(new CAltimeterWnd)
{
    hostChild(control, Ownership::Owned);
    followSmoothDrawing(app, *control);
    // The smoothed altitude starts at 0 and climbs to the first fix.
    smoothing.setTimeConstant(0.1, 0.5);
}

void CAltimeterView::onTick()
{
    const bool filtered = filterFlag() == 1;
    if (inputsChanged()) {
        followSmoothDrawing(app(), *control);
        const SettingsStore& settings = app().settings();
        unit.follow(altitudeUnitLabel(settings));
        sample = convertAltitude(settings, app().gpsState().altitude);
    } else if (!filtered) {
        return;
    }
    control->setValue(filtered ? smoothing.update(sample) : sample, unit());
}

void CAltimeterView::fillContextMenu(QMenu& menu)
{
    addFilterItem(menu);
}

QJsonObject CAltimeterView::shows() const
{
    const AltimeterPointers& pointers = control->drawn();
    QJsonObject values = CGaugeView::shows();
    values[QStringLiteral("value")] = control->picture().value;
    values[QStringLiteral("unit")] = control->picture().unit;
    values[QStringLiteral("needles")] =
        QJsonArray{pointers.longPointer, pointers.shortPointer, pointers.dot};
    return values;
}

} // namespace orbilunex
