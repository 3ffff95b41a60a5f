#include "views/survey/SurveyKind.h"

#include "settings/SurveySettings.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveySplitterFrame.h"

#include <QPainter>

namespace orbilunex {

namespace {

using namespace icons;

void drawIcon(QPainter& p)
{
    p.setPen(pen(kInk));
    p.drawLine(QPointF(8.5, 1), QPointF(8.5, 15));
    p.drawLine(QPointF(1, 8.5), QPointF(15, 8.5));
    // Dots on whole units fill whole pixels at 16.
    constexpr QPointF dots[] = {{4, 4}, {12, 4}, {6, 12}, {12, 12},
                                {6, 6}, {11, 7}, {3, 10}, {10, 10}};
    for (const QPointF& d : dots) dot(p, d, 1.2, QColor(kWindowAccent));
}

} // namespace

const WindowKindDescriptor kSurveyKind = {
    {
        211, "Survey Window", 33782, "survey", // code, title, command, short name
        "Path Files (*.pth)", ".pth", // file type
        settings::survey::kSection, // settings section
        "Sur&vey", // menu item, help line, tool tip
        "Averages positions over time",
        "Survey",
        4, 2, 3, // orders: menu, open by title, save layout
        640, 560, // a new window: the plot, the chart and the statistics all readable
    },
    drawIcon,
    newDocument<CSurveyDoc>,
    newView<CSurveySplitterFrame>,
};

} // namespace orbilunex
