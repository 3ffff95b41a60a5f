#pragma once

#include "framework/HostView.h"
#include "models/survey/elevation/ElevationChart.h"
#include "views/survey/SurveyElevationPainter.h"

#include <QImage>

#include <functional>

class QPainter;

namespace orbilunex {

class CSurveyDoc;
class CSurveyElevationView;

// The altitude chart's drawing window: shows the view's canvas and hands the
// mouse position to the view.
class CSurveyElevationWnd : public QWidget {
    Q_OBJECT

public:
    explicit CSurveyElevationWnd(CSurveyElevationView& owner);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    CSurveyElevationView& view;
};

// The survey window's altitude strip chart. The picture lives on a canvas
// kept between paints: each followed fix adds one segment and redraws the
// indicator lines by exclusive-or, and the whole chart is drawn again only
// when the range, the scale, the size or the document changes. The drawing
// is SurveyElevationPainter's, shared with the printed report; what to draw
// on each tick is the ElevationChart model's.
class CSurveyElevationView : public CHostView {
    Q_OBJECT

public:
    static constexpr int kTickMs = 100;

    CSurveyElevationView(CSurveyDoc* document, AppContext& app);
    ~CSurveyElevationView() override;

    CSurveyDoc* surveyDocument() const;
    const ElevationChart& chart() const { return elevation; }

    // What "&Properties" in the context menu runs.
    void setPropertiesHandler(std::function<void()> handler);

    // The chart as the window shows it, brought up to date first.
    const QImage& picture();

    // The altitude under the mouse at client y, in the status bar.
    void showCursorAltitude(int y);

    // Rescales and draws everything again.
    void onUpdate(CView* sender) override;

protected:
    // One tick: follows the receiver's newest fix (see ElevationChart::follow).
    // Past a look at the canvas, nothing while no sentence and no setting
    // came in.
    void onTick() override;
    void fillContextMenu(QMenu& menu) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class CSurveyElevationWnd;

    // Marks the canvas for a full redraw at the next paint.
    void invalidateAll();
    void redrawAllAndRescale();
    void bringUpToDate();
    void paintEverything();
    SurveyElevationStyle chartStyle() const;
    // The button face with the level lines and their labels.
    void paintBackground(QPainter& painter, const SurveyElevationStyle& style);

    ElevationChart elevation;
    QImage canvas;
    bool stale = true;
    // "Smooth drawing" as the canvas was last drawn with it.
    bool smooth = false;
    std::function<void()> propertiesHandler;
    CSurveyElevationWnd* window;
};

} // namespace orbilunex
