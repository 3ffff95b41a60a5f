#include "gauges/compass/CompassView.h"

#include "format/Units.h"
#include "framework/AppContext.h"
#include "nmea/GpsState.h"
#include "settings/GaugeSettings.h"

#include <QJsonArray>
#include <QMenu>

namespace orbilunex {

namespace keys = settings::gauges::compass;

CCompassView::CCompassView(CDocument* document, AppContext& app)
    : CGaugeView(document, app, keys::kFilter, false),
      tapeWnd(this),
      bearingWnd(this),
      simpleWnd(this)
{
    for (QWidget* control : {static_cast<QWidget*>(&bearingWnd), static_cast<QWidget*>(&tapeWnd),
                             static_cast<QWidget*>(&simpleWnd)}) {
        control->hide();
        control->setGeometry(rect());
    }
    tapeWnd.setTickStyle(0);
    followSmoothing();
    compassStyle = readSetting(app.settings(), keys::kStyle);
    showStyle();
}

void CCompassView::showStyle()
{
    tapeWnd.setVisible(compassStyle == Tape);
    bearingWnd.setVisible(compassStyle == Bearing);
    simpleWnd.setVisible(compassStyle == Simple);
}

void CCompassView::setStyle(int style)
{
    compassStyle = style;
    showStyle();
    writeSetting(app().settings(), keys::kStyle, style);
    // The face now shown is fed at the next tick, whatever changed.
    forgetInputs();
}

// The hidden faces follow too, so that a change of style shows a face
// drawn as the setting says.
void CCompassView::followSmoothing()
{
    followSmoothDrawing(app(), tapeWnd);
    followSmoothDrawing(app(), bearingWnd);
    followSmoothDrawing(app(), simpleWnd);
}

void CCompassView::readInputs()
{
    followSmoothing();
    const GpsState& gps = app().gpsState();
    const SettingsStore& settings = app().settings();
    course = gps.courseOverGround;
    bearing = static_cast<int>(gps.bearingToDestination);
    const QLatin1String name(gps.destinationWaypoint);
    if (waypoint != name) waypoint = name;
    // The knot factors are the nautical-mile factors too.
    range = convertSpeedOrZero(settings, gps.rangeToDestination);
    rangeUnit.follow(distanceUnitLabel(settings));
}

void CCompassView::onTick()
{
    const bool filtered = filterFlag() == 1;
    if (inputsChanged()) readInputs();
    else if (!filtered) return;
    if (filtered) smoother.update(course);
    else smoother.follow(course);
    const int heading = static_cast<int>(smoother.heading);

    switch (compassStyle) {
    case Tape: tapeWnd.setHeading(heading); break;
    case Bearing:
        bearingWnd.setRangeUnit(rangeUnit());
        bearingWnd.setValues(heading, bearing, waypoint, range);
        break;
    case Simple: simpleWnd.setHeading(heading); break;
    default: break; // an unknown style shows and feeds nothing
    }
}

void CCompassView::fillContextMenu(QMenu& menu)
{
    QMenu* styles = menu.addMenu(QStringLiteral("&Compass Style"));
    const struct {
        const char* text;
        Style style;
    } items[] = {{"Normal", Tape}, {"&Bearing", Bearing}, {"&Simple", Simple}};
    for (const auto& item : items) {
        const Style style = item.style;
        addCheck(*styles, QString::fromLatin1(item.text), compassStyle == style,
                 [this, style] { setStyle(style); });
    }
    addFilterItem(menu);
}

void CCompassView::resizeEvent(QResizeEvent* event)
{
    CGaugeView::resizeEvent(event);
    tapeWnd.setGeometry(rect());
    bearingWnd.setGeometry(rect());
    simpleWnd.setGeometry(rect());
}

QJsonObject CCompassView::shows() const
{
    QJsonObject values = CGaugeView::shows();
    values[QStringLiteral("style")] = compassStyle;
    values[QStringLiteral("heading")] = smoother.heading;
    QJsonArray needles;
    QJsonValue value; // null while no control is shown
    QString unit;
    switch (compassStyle) {
    case Tape: value = tapeWnd.picture().heading; break;
    case Bearing: {
        const BearingCompassPicture& shown = bearingWnd.picture();
        value = shown.heading;
        unit = shown.rangeUnit;
        needles.append(bearingWnd.drawn());
        values[QStringLiteral("bearing")] = shown.bearing;
        values[QStringLiteral("waypoint")] = shown.waypoint;
        values[QStringLiteral("range")] = shown.range;
        break;
    }
    case Simple: value = simpleWnd.picture().heading; break;
    default: break;
    }
    values[QStringLiteral("value")] = value;
    values[QStringLiteral("unit")] = unit;
    values[QStringLiteral("needles")] = needles;
    return values;
}

} // namespace orbilunex
