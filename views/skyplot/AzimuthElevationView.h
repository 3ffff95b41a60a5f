#pragma once

#include "framework/HostView.h"

namespace orbilunex {

class CAzimuthElevationDoc;
class CSkyPlotWnd;

// Hosts the sky chart, which the document lends it: a 300 ms tick copies
// the satellites in and lets the chart learn, record and repaint when a
// sentence or a setting came in since the last, and the context menu
// carries the chart's commands.
class CAzimuthElevationView : public CHostView {
    Q_OBJECT

public:
    static constexpr int kTickMs = 300;

    CAzimuthElevationView(CDocument* document, AppContext& app);

    CAzimuthElevationDoc* skyDocument() const;
    CSkyPlotWnd* plotWindow() const;


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
    void printPage(QPainter& painter, const QRect& pageRect, int dpi) override;
    // The chart's switches and threshold, and the PRN of each satellite slot
    // drawn (0 for an empty slot).
    QJsonObject shows() const override;

    // A mask read into the document: the next tick learns on top of it.
    void onUpdate(CView* sender) override;

protected:
    // One tick: copy, learn, record, and repaint if the picture changed; a
    // changed mask marks the document modified. Nothing at all while no
    // sentence and no setting came in.
    void onTick() override;
    void fillContextMenu(QMenu& menu) override;

private:
    void showProperties();
};

} // namespace orbilunex
