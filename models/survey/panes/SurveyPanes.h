#pragma once

namespace orbilunex {

// The survey window's split: the plot above; the altitude chart and the
// statistics side by side below. The user's split is stored ("FramePane",
// the plot's height; "FramePane2", the chart's width) and honoured only as
// far as it leaves each pane room to be read, so that a small window still
// shows lines of statistics and a chart with its labels, and a larger one
// gets the stored split back.
constexpr int kSurveyMinLowerHeight = 120; // a few lines of statistics
constexpr int kSurveyMinChartWidth = 60;   // the chart's labels
constexpr int kSurveyMinStatsWidth = 120;

struct SurveyPaneSplit {
    int plotHeight;
    int chartWidth;
};

// The first pane's size when `space` pixels are shared between two panes:
// `stored` held between `firstMinimum` and what leaves the second pane
// `secondMinimum`. Where the space cannot give both their minimum, it is
// shared in the ratio of the minimums. Never negative.
int fitPane(int space, int stored, int firstMinimum, int secondMinimum);

// The plot's height out of `height` pixels (the row splitter's handle
// excluded) and the chart's width out of `width` (the lower splitter's
// handle excluded), from the stored sizes.
SurveyPaneSplit surveyPaneSplit(int height, int width, int storedPlotHeight,
                                int storedChartWidth);

} // namespace orbilunex
