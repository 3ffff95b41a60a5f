#pragma once

#include "framework/HostView.h"
#include "survey/SurveyAccuracy.h"
#include "models/survey/plot/PlotExtents.h"
#include "models/survey/plot/PlotFrame.h"
#include "models/survey/plot/PlotMarks.h"
#include "survey/LiveFeed.h"
#include "views/survey/SurveyPlotPainter.h"

#include <QImage>

#include <chrono>

#include <functional>
#include <optional>
#include <vector>

namespace orbilunex {

class CSurveyDoc;
class CSurveyView;

// The plot's drawing surface: it shows the view's canvas and hands the
// mouse to the view. All the picture's state is the view's.
class CSurveyPlotWnd : public QWidget {
    Q_OBJECT

public:
    explicit CSurveyPlotWnd(CSurveyView& owner);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    CSurveyView& view;
};

// The survey window's top pane: every stored position as a dot on a grid
// scaled to the survey's extents, the least-squares and mean indicators,
// the CEP50 and R95 rings ("AccuracyCircles") and the stored reference
// point, a marker the user drops with the mouse, and the position under the
// mouse in the status bar. Its 100 ms tick is the survey's live feed.
//
// The picture lives in a canvas kept between ticks. A live sample draws one
// dot and redraws the exclusive-or marks around it; only a change of the
// extents, a resize or a change of the document walks every sample again.
// The rings are exclusive-or marks too; their figures take a walk over every
// sample, so a live sample refreshes them at most once a second (less often
// when the walk is long), and a full repaint always does.
// What is drawn, and how, is SurveyPlotPainter's, shared with the printed
// report; the view decides when and keeps the state between ticks.
class CSurveyView : public CHostView {
    Q_OBJECT

public:
    static constexpr int kTickMs = 100;

    CSurveyView(CSurveyDoc* document, AppContext& app);
    ~CSurveyView() override;

    CSurveyDoc* surveyDocument() const;
    void setPropertiesHandler(std::function<void()> handler);


    // Moves the reference marker to a client point (a left click).
    void moveMarker(PixelPoint point);
    // Shows the position under a client point and its distance from the
    // marker in the status bar (the mouse moving).
    void showReadout(PixelPoint point);

    // The picture as the window shows it, brought up to date first.
    const QImage& picture();

    const PlotExtents& extents() const { return plotExtents; }
    const SurveyPlotFrame& frame() const { return plotFrame; }
    PixelPoint marker() const { return markerAt; }
    // The figures the indicators are drawn from: the document's as they
    // stood before its newest live sample.
    const IndicatorFigures& lsfFigures() const { return lsfCopy; }
    const IndicatorFigures& meanFigures() const { return meanCopy; }
    // How often a live sample may refresh the rings' figures at most (a
    // second); zero refreshes them at every sample.
    void setAccuracyInterval(std::chrono::milliseconds interval)
    {
        accuracyInterval = interval;
        accuracyDue = {};
    }
    // The accuracy's marks as they stand on the canvas.
    const AccuracyMarks& accuracyMarksShown() const { return accuracyOnCanvas; }

    void onUpdate(CView* sender) override;
    // "extents": the box the plot is scaled to.
    QJsonObject shows() const override;

protected:
    // One tick of the live feed: at most one sample, from the state as it
    // stands, when the feed wants it. Past a look at the canvas, nothing
    // while no sentence and no setting came in.
    void onTick() override;
    void fillContextMenu(QMenu& menu) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class CSurveyPlotWnd;

    // Redraws the canvas from nothing at the window's size, walking every
    // sample: background, grid, dots, marker, indicators.
    void repaintFully();
    // The next paint redraws from nothing.
    void invalidatePicture();
    bool canvasCurrent() const;

    // The square and scales for the window's size and the extents.
    void rescale();
    // Exclusive-or marks: drawing one again erases it. The indicators are
    // placed from the copies, drawn, and erased where they were drawn.
    void toggleMarker();
    void placeIndicators();
    void drawIndicators();
    void eraseIndicators();
    // The accuracy's marks alone, drawn or erased where they stand.
    void toggleAccuracy();

    void takeEstimates();
    // The accuracy's figures from every sample, when the rings are on.
    void takeAccuracy();
    void surveyCleared();
    void surveyLoaded();

    CSurveyPlotWnd* surface;
    std::function<void()> propertiesHandler;
    SurveyLiveFeed feed;

    QImage canvas;
    bool stale = true;
    bool shownOnce = false;

    PlotExtents plotExtents;
    SurveyPlotFrame plotFrame;
    // The document's plot settings as the picture was last drawn with them.
    SurveyDotStyle dotStyle;
    // "Smooth drawing" as the canvas was last drawn with it.
    bool smooth = false;
    // How the canvas is drawn, at its resolution.
    SurveyPlotStyle canvasStyle;

    PixelPoint markerAt = kInitialSurveyMarker;
    IndicatorFigures lsfCopy;
    IndicatorFigures meanCopy;
    // The indicators as they stand on the canvas, so that they can be erased
    // exactly even if a flag or the figures changed since.
    std::optional<IndicatorGeometry> lsfOnCanvas;
    std::optional<IndicatorGeometry> meanOnCanvas;
    // "AccuracyCircles" and the stored reference as the canvas was last
    // drawn with them (the menu and the sheet redraw every view).
    bool circles = false;
    std::optional<PlotPosition> referenceAt;
    std::optional<AccuracyFigures> accuracyCopy;
    std::optional<ReceiverEstimate> receiverCopy; // the latest GST's, with the circles on
    AccuracyMarks accuracyOnCanvas;
    AccuracyScratch accuracyScratch;
    // When a live sample may refresh the rings' figures next.
    std::chrono::steady_clock::time_point accuracyDue{};
    std::chrono::milliseconds accuracyInterval{1000};
    // The square they are clipped to there.
    PixelRect indicatorSquare;
    SurveyPlotTrail trail;
};

} // namespace orbilunex
