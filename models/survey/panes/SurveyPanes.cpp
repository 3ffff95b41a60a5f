#include "models/survey/panes/SurveyPanes.h"

#include <algorithm>

namespace orbilunex {

int fitPane(int space, int stored, int firstMinimum, int secondMinimum)
{
    if (space <= 0) return 0;
    const int both = firstMinimum + secondMinimum;
    if (space < both)
        return both > 0 ? static_cast<int>(static_cast<long long>(space) * firstMinimum / both)
                        : 0;
    return std::clamp(stored, firstMinimum, space - secondMinimum);
}

SurveyPaneSplit surveyPaneSplit(int height, int width, int storedPlotHeight,
                                int storedChartWidth)
{
    // The plot may be as small as the user made it; the lower row may not.
    return {fitPane(height, storedPlotHeight, 0, kSurveyMinLowerHeight),
            fitPane(width, storedChartWidth, kSurveyMinChartWidth, kSurveyMinStatsWidth)};
}

} // namespace orbilunex
