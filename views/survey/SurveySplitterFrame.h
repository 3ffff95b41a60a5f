#pragma once

#include "framework/Document.h"

class QSplitter;

namespace orbilunex {

class CSurveyDoc;
class CSurveyElevationView;
class CSurveyStatsView;
class CSurveyView;

// The survey window's three panes: the position plot on top ("FramePane"
// pixels high), and below it the altitude chart ("FramePane2" pixels wide)
// beside the statistics. The stored split holds as far as the window leaves
// each pane room to be read (see surveyPaneSplit); a split the user drags
// is stored at once.
class CSurveySplitterFrame : public CView {
    Q_OBJECT

public:
    CSurveySplitterFrame(CDocument* document, AppContext& app);

    CSurveyDoc* surveyDocument() const;
    CSurveyView* plotView() const { return plot; }
    CSurveyElevationView* elevationView() const { return elevation; }
    CSurveyStatsView* statsView() const { return stats; }

    // What the panes hold, merged, and the document's path name.
    QJsonObject shows() const override;

    // "&Properties": the sheet, then the survey rebuilt when confirmed.
    void showProperties();

    // "Survey Settings" in the main window: the survey menu but Open.
    // File > "Export Survey...".
    QString exportMenuText() const override;
    void exportData() override;

    QString frameMenuTitle() const override;
    void fillFrameMenu(QMenu& menu) override;

    // The survey report, on one page, whichever pane is active.
    void printPage(QPainter& painter, const QRect& pageRect, int dpi) override;

    // The split the window has now, from the stored one.
    int plotHeight() const;
    int chartWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applySplit();

    QSplitter* rows;
    QSplitter* lower;
    int storedPlotHeight = 0;
    int storedChartWidth = 0;
    CSurveyView* plot;
    CSurveyElevationView* elevation;
    CSurveyStatsView* stats;
};

} // namespace orbilunex
