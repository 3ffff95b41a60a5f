#include "views/signalquality/SignalQualityView.h"

#include "nmea/AllSystems.h"

#include "framework/AppContext.h"
#include "framework/Prompter.h"
#include "settings/SignalQualitySettings.h"
#include "views/signalquality/SignalBarsWnd.h"
#include "views/signalquality/SignalQualityPropertySheet.h"

#include <QJsonArray>
#include <QMenu>

namespace orbilunex {

CSignalQualityView::CSignalQualityView(CDocument* document, AppContext& app)
    : CHostView(document, app, kTickMs), bars(new CSignalBarsWnd)
{
    hostChild(bars, Ownership::Owned);
    SignalQualityModel& model = bars->model();
    const SettingsStore& settings = app.settings();
    model.lowerThreshold = readSetting(settings, settings::signalquality::kLowerThreshold);
    model.upperThreshold = readSetting(settings, settings::signalquality::kUpperThreshold);
    model.autoTrack = readSetting(settings, settings::signalquality::kAutoTrack);
}

void CSignalQualityView::onTick()
{
    if (!inputsChanged()) return;
    // Bars as they were draw as they were: the extremes they widen are
    // already widened.
    if (bars->model().copySatellites(app().gpsState())) bars->update();
}

void CSignalQualityView::resetObserved()
{
    // Taken at the paint this asks for: with auto-track the thresholds then
    // follow the SNRs on screen.
    bars->model().resetObserved();
    bars->update();
}

void CSignalQualityView::fillContextMenu(QMenu& menu)
{
    addCommand(menu, QStringLiteral("&Reset Observed Min/Max"), [this] { resetObserved(); });
    menu.addSeparator();
    addCommand(menu, QStringLiteral("&Properties"), [this] { showProperties(); });
}

void CSignalQualityView::showProperties()
{
    SignalQualityModel& model = bars->model();
    SignalQualitySheetValues values;
    values.upperThreshold = model.upperThreshold;
    values.lowerThreshold = model.lowerThreshold;
    values.autoTrack = model.autoTrack == 1;
    values.observedMax = model.observedMax;
    values.observedMin = model.observedMin;
    CSignalQualityPropertySheet sheet(values, app().prompter(), this);
    if (!app().prompter().runDialog(sheet)) return;

    const SignalQualitySheetValues chosen = sheet.values();
    SettingsStore& settings = app().settings();
    // A threshold not taken (see CSignalQualityPropertySheet::values) keeps
    // both its value and its stored setting.
    if (chosen.upperTaken) {
        model.upperThreshold = chosen.upperThreshold;
        writeSetting(settings, settings::signalquality::kUpperThreshold, chosen.upperThreshold);
    }
    if (chosen.lowerTaken) {
        model.lowerThreshold = chosen.lowerThreshold;
        writeSetting(settings, settings::signalquality::kLowerThreshold, chosen.lowerThreshold);
    }
    model.autoTrack = chosen.autoTrack ? 1 : 0;
    writeSetting(settings, settings::signalquality::kAutoTrack, model.autoTrack);
    bars->update();
}

QJsonObject CSignalQualityView::shows() const
{
    const SignalQualityModel& model = bars->model();
    const SignalQualityLayout& layout = bars->drawnLayout();
    QJsonArray drawnBars;
    for (int i = 0; i < layout.barCount; ++i) {
        QJsonObject bar;
        const SignalBar& entry = layout.bars[i].entry;
        bar[QStringLiteral("prn")] = entry.prn;
        bar[QStringLiteral("snr")] = entry.snr;
        bar[QStringLiteral("used")] = entry.usedInSolution;
        if (model.allSystems == 1)
            bar[QStringLiteral("system")] = QString(QChar::fromLatin1(systemLetter(entry.system)));
        bar[QStringLiteral("height")] = layout.bars[i].filledHeight;
        drawnBars.append(bar);
    }
    QJsonObject values;
    values[QStringLiteral("barCount")] = layout.barCount;
    values[QStringLiteral("allSystems")] = model.allSystems;
    values[QStringLiteral("lowerThreshold")] = model.lowerThreshold;
    values[QStringLiteral("upperThreshold")] = model.upperThreshold;
    values[QStringLiteral("observedMin")] = model.observedMin;
    values[QStringLiteral("observedMax")] = model.observedMax;
    values[QStringLiteral("autoTrack")] = model.autoTrack;
    values[QStringLiteral("bars")] = drawnBars;
    return values;
}

} // namespace orbilunex
