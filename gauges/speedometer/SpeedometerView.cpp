#include "gauges/speedometer/SpeedometerView.h"

#include "format/Units.h"
#include "framework/AppContext.h"
#include "gauges/speedometer/SpeedometerWnd.h"
#include "models/gauges/speedometer/SpeedometerScale.h"
#include "nmea/GpsState.h"
#include "settings/GaugeSettings.h"

#include <QJsonArray>
#include <QMenu>

namespace orbilunex {

namespace gauge = settings::gauges::speedometer;

CSpeedometerView::CSpeedometerView(CDocument* document, AppContext& app)
    : CGaugeView(document, app, gauge::kFilter, true), control(new CSpeedometerWnd)
{
    hostChild(control, Ownership::Owned);
    followSmoothDrawing(app, *control);
    const int stored = readSetting(app.settings(), gauge::kMaxSpeed);
    control->setFullScale(speedometerScaleFromSetting(stored));
    smoothing.setTimeConstant(0.1, 0.5);
    smoothing.reset(0.0);
}

void CSpeedometerView::onTick()
{
    const bool filtered = filterFlag() == 1;
    if (inputsChanged()) {
        followSmoothDrawing(app(), *control);
        const SettingsStore& settings = app().settings();
        sample = convertSpeed(settings, app().gpsState().speedOverGround);
        unit.follow(speedUnitLabel(settings));
    } else if (!filtered) {
        return;
    }
    control->setValue(filtered ? smoothing.update(sample) : sample, unit());
}

void CSpeedometerView::chooseMaxSpeed(int maxSpeed)
{
    control->setFullScale(maxSpeed);
    writeSetting(app().settings(), gauge::kMaxSpeed, maxSpeed);
}

void CSpeedometerView::fillContextMenu(QMenu& menu)
{
    QMenu* scales = menu.addMenu(QStringLiteral("&Maximum Speed"));
    for (int scale : kSpeedometerScales) {
        addCheck(*scales, QStringLiteral("&%1").arg(scale), control->picture().fullScale == scale,
                 [this, scale] { chooseMaxSpeed(scale); });
    }
    menu.addSeparator();
    addFilterItem(menu);
}

QJsonObject CSpeedometerView::shows() const
{
    QJsonObject values = CGaugeView::shows();
    const SpeedometerPicture& shown = control->picture();
    values[QStringLiteral("value")] = shown.value;
    values[QStringLiteral("unit")] = shown.unit;
    values[QStringLiteral("fullScale")] = shown.fullScale;
    values[QStringLiteral("needles")] = QJsonArray{control->drawn()};
    return values;
}

} // namespace orbilunex
