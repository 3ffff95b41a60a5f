#include "gauges/verticalspeed/VerticalSpeedView.h"

#include "format/Units.h"
#include "framework/AppContext.h"
#include "gauges/verticalspeed/VerticalSpeedWnd.h"
#include "models/gauges/verticalspeed/VerticalSpeedScale.h"
#include "nmea/GpsState.h"
#include "settings/DisplaySettings.h"
#include "settings/GaugeSettings.h"

#include <QJsonArray>
#include <QMenu>

namespace orbilunex {

namespace keys = settings::gauges::verticalspeed;

CVerticalSpeedView::CVerticalSpeedView(CDocument* document, AppContext& app)
    : CGaugeView(document, app, keys::kFilter, true), control(new CVerticalSpeedWnd)
{
    hostChild(control, Ownership::Owned);
    followSmoothDrawing(app, *control);
    showFullScale(readSetting(app.settings(), keys::kMaxVertSpeed));
    // The smoothed rate starts from level flight.
    smoothing.setTimeConstant(0.1, 0.5);
    smoothing.reset(0.0);
}

void CVerticalSpeedView::onTick()
{
    const bool filtered = filterFlag() == 1;
    if (inputsChanged()) {
        followSmoothDrawing(app(), *control);
        const SettingsStore& settings = app().settings();
        unit.follow(verticalSpeedUnitLabel(settings));
        // The unit may have changed, and with it what the choice means.
        showFullScale(choice);
        sample = convertVerticalSpeed(settings, app().gpsState().verticalSpeed);
    } else if (!filtered) {
        return;
    }
    control->setValue(filtered ? smoothing.update(sample) : sample, unit());
}

void CVerticalSpeedView::chooseFullScale(int fullScale)
{
    writeSetting(app().settings(), keys::kMaxVertSpeed, fullScale);
    showFullScale(fullScale);
}

void CVerticalSpeedView::showFullScale(int chosen)
{
    choice = chosen;
    const bool metres =
        readSetting(app().settings(), settings::display::kAltitudeUnits) ==
        altitudeMeters;
    control->setFullScale(verticalSpeedFullScale(choice, metres));
}

void CVerticalSpeedView::fillContextMenu(QMenu& menu)
{
    // The marks show the store, which another window may have changed.
    const int stored = readSetting(app().settings(), keys::kMaxVertSpeed);
    QMenu* scales = menu.addMenu(QStringLiteral("Max Vertical Speed"));
    for (int fullScale : kVerticalSpeedScales)
        addCheck(*scales, QString::number(fullScale), stored == fullScale,
                 [this, fullScale] { chooseFullScale(fullScale); });
    menu.addSeparator();
    addFilterItem(menu);
}

QJsonObject CVerticalSpeedView::shows() const
{
    QJsonObject values = CGaugeView::shows();
    const VerticalSpeedPicture& shown = control->picture();
    values[QStringLiteral("value")] = shown.value;
    values[QStringLiteral("unit")] = shown.unit;
    values[QStringLiteral("fullScale")] = shown.fullScale;
    QJsonArray needles;
    if (const std::optional<double> angle = control->drawn()) needles.append(*angle);
    values[QStringLiteral("needles")] = needles;
    return values;
}

} // namespace orbilunex
