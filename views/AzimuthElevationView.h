#pragma once

#include "app/Document.h"

#include <QTimer>

class QMenu;

namespace orbilunex {

class CAzimuthElevationDoc;
class CSkyPlotWnd;

// Hosts the sky chart: the chart window fills it, a 300 ms timer copies the
// satellites in and lets the chart learn and repaint, and the context menu
// carries the chart's commands.
class CAzimuthElevationView : public CView {
    Q_OBJECT

public:
    static constexpr int kTickMs = 300;

    CAzimuthElevationView(CDocument* document, AppContext& app);
    ~CAzimuthElevationView() override;

    CAzimuthElevationDoc* skyDocument() const;
    CSkyPlotWnd* plotWindow() const;

    // One tick: copy, learn, record, repaint; a changed mask marks the
    // document modified.
    void tick();

    // The context menu's commands, by item.
    enum Command {
        OpenMask,
        ToggleTrails,
        ClearTrails,
        ToggleMaskOutline,
        ClearMask,
        ToggleDetails,
        Properties,
    };
    void runCommand(Command command);
    // The menu as it opens: items, check marks re-read from the settings.
    QMenu* buildContextMenu();

    void printPage(QPainter& painter, const QRect& pageRect, int dpi) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void toggleSetting(int& flag, const char* key);
    void showProperties();

    QTimer timer;
};

} // namespace orbilunex
