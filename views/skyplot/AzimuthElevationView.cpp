#include "views/skyplot/AzimuthElevationView.h"

#include "framework/SystemColours.h"

#include "framework/AppContext.h"
#include "framework/PictureCanvas.h"
#include "framework/Prompter.h"
#include "settings/SkyPlotSettings.h"
#include "views/skyplot/AzimuthElevationDoc.h"
#include "views/skyplot/SkyPlotPropertySheet.h"
#include "views/skyplot/SkyPlotWnd.h"

#include <QJsonArray>
#include <QMenu>

namespace orbilunex {

CAzimuthElevationView::CAzimuthElevationView(CDocument* document, AppContext& app)
    : CHostView(document, app, kTickMs)
{
    hostChild(plotWindow(), Ownership::Borrowed);
    SkyPlotModel& model = plotWindow()->model();
    const SettingsStore& settings = app.settings();
    model.trailsEnabled = readSetting(settings, settings::skyplot::kTrails);
    model.snrThreshold = readSetting(settings, settings::skyplot::kSnrThreshold);
    model.detailsEnabled = readSetting(settings, settings::skyplot::kDetails);
}

CAzimuthElevationDoc* CAzimuthElevationView::skyDocument() const
{
    return static_cast<CAzimuthElevationDoc*>(document());
}

CSkyPlotWnd* CAzimuthElevationView::plotWindow() const
{
    return skyDocument() != nullptr ? skyDocument()->plotWindow() : nullptr;
}

void CAzimuthElevationView::onTick()
{
    // The same satellites under the same settings learn and record nothing.
    if (!inputsChanged()) return;
    CSkyPlotWnd* plot = plotWindow();
    plot->setSmooth(smoothDrawing(app().settings()));
    const bool moved = plot->model().copySatellites(app().gpsState());
    if (plot->refreshPlot(moved)) document()->setModifiedFlag();
}

void CAzimuthElevationView::onUpdate(CView* sender)
{
    forgetInputs();
    CHostView::onUpdate(sender);
    plotWindow()->update();
}

void CAzimuthElevationView::fillContextMenu(QMenu& menu)
{
    SkyPlotModel& model = plotWindow()->model();
    // The flags follow the store: the marks show what is stored now.
    auto follow = [this](int& flag) {
        return [this, &flag](int value) {
            flag = value;
            plotWindow()->update();
        };
    };
    auto command = [this](Command c) { return [this, c] { runCommand(c); }; };
    addCommand(menu, QStringLiteral("&Open..."), command(OpenMask));
    menu.addSeparator();
    addBoundCheck(menu, QStringLiteral("&Enable Satellite Trails"), settings::skyplot::kTrails,
                  follow(model.trailsEnabled));
    addCommand(menu, QStringLiteral("&Clear Satellite Trails"), command(ClearTrails));
    menu.addSeparator();
    addBoundCheck(menu, QStringLiteral("E&nable Physical Mask Angle"),
                  settings::skyplot::kMaskOutline, follow(model.maskOutlineEnabled));
    addCommand(menu, QStringLiteral("C&lear Physical Mask Angle"), command(ClearMask));
    menu.addSeparator();
    addBoundCheck(menu, QStringLiteral("Enable &Satellite Details"), settings::skyplot::kDetails,
                  follow(model.detailsEnabled));
    addCommand(menu, QStringLiteral("&Properties"), command(Properties));
}

void CAzimuthElevationView::runCommand(Command command)
{
    SkyPlotModel& model = plotWindow()->model();
    SettingsStore& settings = app().settings();
    switch (command) {
    case OpenMask: document()->onFileOpen(app().prompter(), this); break;
    case ToggleTrails: model.trailsEnabled = toggleSetting(settings, settings::skyplot::kTrails); break;
    case ClearTrails: model.clearTrails(); break;
    case ToggleMaskOutline:
        model.maskOutlineEnabled = toggleSetting(settings, settings::skyplot::kMaskOutline);
        break;
    case ClearMask: skyDocument()->clearMask(); break;
    case ToggleDetails:
        model.detailsEnabled = toggleSetting(settings, settings::skyplot::kDetails);
        break;
    case Properties: showProperties(); break;
    }
    // A cleared trail or mask is filled again from the satellites in view
    // at the next tick, as if they had just arrived.
    forgetInputs();
    plotWindow()->update();
}

void CAzimuthElevationView::showProperties()
{
    CAzimuthElevationDoc* doc = skyDocument();
    SkyPlotModel& model = plotWindow()->model();
    SettingsStore& settings = app().settings();
    SkyPlotSheetValues values;
    values.snrThreshold = model.snrThreshold;
    values.comment = maskCommentString(doc->commentBlock());
    values.autoLoad = doc->autoLoadEnabled() == 1;
    values.lastFile = QString::fromStdString(readSetting(settings, settings::skyplot::kLastMaskFile));
    CSkyPlotPropertySheet sheet(values, app().prompter(), this);
    if (!app().prompter().runDialog(sheet)) return;
    const SkyPlotSheetValues chosen = sheet.values();
    model.snrThreshold = chosen.snrThreshold;
    writeSetting(settings, settings::skyplot::kSnrThreshold, chosen.snrThreshold);
    doc->setComment(chosen.comment);
    doc->setAutoLoad(chosen.autoLoad ? 1 : 0);
    writeSetting(settings, settings::skyplot::kAutoLoad, chosen.autoLoad ? 1 : 0);
    writeSetting(settings, settings::skyplot::kLastMaskFile, chosen.lastFile.toStdString());
    doc->setModifiedFlag(); // confirming always counts as a change
}

QJsonObject CAzimuthElevationView::shows() const
{
    const SkyPlotModel& model = plotWindow()->model();
    // The slots that hold a satellite; "satellites" names each with its
    // system's letter while every system is shown.
    QJsonArray prns;
    QJsonArray labels;
    for (const SkySatellite& satellite : model.satellites) {
        if (satellite.prn == 0) continue;
        prns.append(satellite.prn);
        labels.append(model.allSystems == 1 ? systemPrnText(satellite.system, satellite.prn)
                                            : QString::number(satellite.prn));
    }
    QJsonObject values;
    values[QStringLiteral("prns")] = prns;
    values[QStringLiteral("satellites")] = labels;
    values[QStringLiteral("allSystems")] = model.allSystems;
    values[QStringLiteral("snrThreshold")] = model.snrThreshold;
    values[QStringLiteral("trailsEnabled")] = model.trailsEnabled;
    values[QStringLiteral("maskOutlineEnabled")] = model.maskOutlineEnabled;
    values[QStringLiteral("detailsEnabled")] = model.detailsEnabled;
    return values;
}

void CAzimuthElevationView::printPage(QPainter& painter, const QRect& pageRect, int dpi)
{
    printSkyPlot(painter, pageRect, dpi, plotWindow()->model(), plotWindow()->comment(),
                 QStringLiteral("Orbilunex %1 - GPS monitor for NMEA-0183 receivers")
                     .arg(QStringLiteral(ORBILUNEX_VERSION)));
}

} // namespace orbilunex
