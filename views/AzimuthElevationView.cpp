#include "views/AzimuthElevationView.h"

#include "app/AppContext.h"
#include "app/Prompter.h"
#include "app/SettingsStore.h"
#include "views/AzimuthElevationDoc.h"
#include "views/SkyPlotPropertySheet.h"
#include "views/SkyPlotWnd.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace orbilunex {

namespace {

constexpr const char* kSection = CAzimuthElevationDoc::kSection;
constexpr const char* kTrailsKey = "EnableTrails";
constexpr const char* kThresholdKey = "SNRThreshold";
constexpr const char* kDetailsKey = "EnableSatDetails";
constexpr const char* kMaskKey = "EnableMaskAngle";
constexpr const char* kAutoLoadKey = "EnableAutoLoad";
constexpr const char* kLastFileKey = "LastAzimuthMaskFile";
constexpr int kDefaultThreshold = 40;

} // namespace

CAzimuthElevationView::CAzimuthElevationView(CDocument* document, AppContext& app)
    : CView(document, app)
{
    CSkyPlotWnd* plot = plotWindow();
    plot->setParent(this);
    plot->setGeometry(rect());
    plot->show();
    SkyPlotModel& model = plot->model();
    SettingsStore& settings = app.settings();
    model.trailsEnabled = settings.getInt(kSection, kTrailsKey, 1);
    model.snrThreshold = settings.getInt(kSection, kThresholdKey, kDefaultThreshold);
    model.detailsEnabled = settings.getInt(kSection, kDetailsKey, 1);
    connect(&timer, &QTimer::timeout, this, &CAzimuthElevationView::tick);
    timer.start(kTickMs);
}

CAzimuthElevationView::~CAzimuthElevationView()
{
    // The chart belongs to the document: take it back before Qt deletes children.
    if (CSkyPlotWnd* plot = plotWindow()) {
        plot->hide();
        plot->setParent(nullptr);
    }
}

CAzimuthElevationDoc* CAzimuthElevationView::skyDocument() const
{
    return static_cast<CAzimuthElevationDoc*>(document());
}

CSkyPlotWnd* CAzimuthElevationView::plotWindow() const
{
    return skyDocument() != nullptr ? skyDocument()->plotWindow() : nullptr;
}

void CAzimuthElevationView::tick()
{
    CSkyPlotWnd* plot = plotWindow();
    plot->model().copySatellites(app().gpsState());
    if (plot->refreshPlot()) document()->setModifiedFlag();
}

void CAzimuthElevationView::resizeEvent(QResizeEvent* event)
{
    CView::resizeEvent(event);
    plotWindow()->setGeometry(rect());
}

QMenu* CAzimuthElevationView::buildContextMenu()
{
    SkyPlotModel& model = plotWindow()->model();
    SettingsStore& settings = app().settings();
    // The marks show what is stored now, and the chart takes it on.
    model.trailsEnabled = settings.getInt(kSection, kTrailsKey, 1);
    model.maskOutlineEnabled = settings.getInt(kSection, kMaskKey, 1);

    auto* menu = new QMenu(this);
    auto add = [this, menu](const QString& text, Command command, int checked = -1) {
        QAction* action = menu->addAction(text);
        if (checked >= 0) {
            action->setCheckable(true);
            action->setChecked(checked == 1);
        }
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    };
    add(QStringLiteral("&Open..."), OpenMask);
    menu->addSeparator();
    add(QStringLiteral("&Enable Satellite Trails"), ToggleTrails, model.trailsEnabled);
    add(QStringLiteral("&Clear Satellite Trails"), ClearTrails);
    menu->addSeparator();
    add(QStringLiteral("E&nable Physical Mask Angle"), ToggleMaskOutline, model.maskOutlineEnabled);
    add(QStringLiteral("C&lear Physical Mask Angle"), ClearMask);
    menu->addSeparator();
    add(QStringLiteral("Enable &Satellite Details"), ToggleDetails, model.detailsEnabled);
    add(QStringLiteral("&Properties"), Properties);
    return menu;
}

void CAzimuthElevationView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = buildContextMenu();
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard
                          ? mapToGlobal(QPoint(5, 5))
                          : event->globalPos();
    menu->exec(at);
    menu->deleteLater();
}

void CAzimuthElevationView::toggleSetting(int& flag, const char* key)
{
    flag = flag == 1 ? 0 : 1;
    app().settings().setInt(kSection, key, flag);
}

void CAzimuthElevationView::runCommand(Command command)
{
    SkyPlotModel& model = plotWindow()->model();
    switch (command) {
    case OpenMask: document()->onFileOpen(app().prompter(), this); break;
    case ToggleTrails: toggleSetting(model.trailsEnabled, kTrailsKey); break;
    case ClearTrails: model.clearTrails(); break;
    case ToggleMaskOutline: toggleSetting(model.maskOutlineEnabled, kMaskKey); break;
    case ClearMask: skyDocument()->clearMask(); break;
    case ToggleDetails: toggleSetting(model.detailsEnabled, kDetailsKey); break;
    case Properties: showProperties(); break;
    }
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
    values.lastFile = QString::fromStdString(settings.getString(kSection, kLastFileKey, ""));
    SkyPlotPropertySheet sheet(values, app().prompter(), this);
    if (!app().prompter().runDialog(sheet)) return;
    const SkyPlotSheetValues chosen = sheet.values();
    model.snrThreshold = chosen.snrThreshold;
    settings.setInt(kSection, kThresholdKey, chosen.snrThreshold);
    doc->setComment(chosen.comment);
    doc->setAutoLoad(chosen.autoLoad ? 1 : 0);
    settings.setInt(kSection, kAutoLoadKey, chosen.autoLoad ? 1 : 0);
    settings.setString(kSection, kLastFileKey, chosen.lastFile.toStdString());
    doc->setModifiedFlag(); // confirming always counts as a change
}

void CAzimuthElevationView::printPage(QPainter& painter, const QRect& pageRect, int dpi)
{
    printSkyPlot(painter, pageRect, dpi, plotWindow()->model(), plotWindow()->comment(),
                 QStringLiteral("Orbilunex %1 - GPS monitor for NMEA-0183 receivers")
                     .arg(QStringLiteral(ORBILUNEX_VERSION)));
}

} // namespace orbilunex
