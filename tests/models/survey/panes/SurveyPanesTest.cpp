#include "models/survey/panes/SurveyPanes.h"

#include <gtest/gtest.h>

using namespace orbilunex;

namespace {

TEST(SurveyPanes, StoredSplitHoldsWhereItLeavesEachPaneItsRoom)
{
    struct Row {
        const char* legend;
        int height, width, storedPlot, storedChart;
        int plot, chart;
    };
    const Row rows[] = {
        {"a large window: the stored split", 795, 895, 300, 150, 300, 150},
        {"the default window: statistics keep 120 rows", 330, 470, 300, 150, 210, 150},
        {"a chart stored too narrow widens to its labels", 200, 200, 300, 20, 80, 60},
        {"the chart no wider than leaves the statistics theirs", 400, 300, 100, 250, 100, 180},
        {"a plot the user made tiny stays tiny", 400, 400, 5, 150, 5, 150},
        {"too small for both minimums: shared in their ratio", 90, 90, 300, 150, 0, 30},
        {"nothing to share", 0, -4, 300, 150, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const SurveyPaneSplit split =
            surveyPaneSplit(row.height, row.width, row.storedPlot, row.storedChart);
        EXPECT_EQ(split.plotHeight, row.plot);
        EXPECT_EQ(split.chartWidth, row.chart);
    }
}

} // namespace
