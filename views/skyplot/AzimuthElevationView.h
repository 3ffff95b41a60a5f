#pragma once

#include "framework/HostView.h"

namespace orbilunex {

class CAzimuthElevationDoc;
class CSkyPlotWnd;

// Hosts the sky chart, which the document lends it: a 300 ms tick copies
// the satellites in and lets the chart learn and repaint, and the context
// menu carries the chart's commands.
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

protected:
    // One tick: copy, learn, record, repaint; a changed mask marks the
    // document modified.
    void onTick() override;
    void fillContextMenu(QMenu& menu) override;

private:
    void showProperties();
};

} // namespace orbilunex
