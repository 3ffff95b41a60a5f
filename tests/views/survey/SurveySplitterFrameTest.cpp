#include "models/survey/panes/SurveyPanes.h"
#include "settings/SurveySettings.h"
#include "tests/common/FakeAppContext.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyKind.h"
#include "views/survey/SurveySplitterFrame.h"
#include "views/survey/SurveyStatsView.h"

#include <gtest/gtest.h>

#include <QSplitter>

#include <memory>

namespace orbilunex {
namespace {

TEST(SurveySplitterFrame, SmallWindowsKeepThePanesReadableAndTheStoredSplit)
{
    test::FakeAppContext app;
    DocTemplate tmpl;
    tmpl.kind = &kSurveyKind.kind;
    CSurveyDoc doc(tmpl, app);
    auto frame = std::make_unique<CSurveySplitterFrame>(&doc, app);
    frame->show();

    // The default window: the stored 300-pixel plot would leave the
    // statistics and the chart 30 pixels; they get 120.
    frame->resize(480, 360);
    EXPECT_GE(frame->statsView()->height(), kSurveyMinLowerHeight);
    EXPECT_EQ(frame->plotHeight() + frame->statsView()->height() +
                  frame->findChild<QSplitter*>()->handleWidth(),
              360);
    EXPECT_EQ(readSetting(app.store, settings::survey::kFramePane), 300) << "kept as stored";

    // A larger window gets the stored split back.
    frame->resize(900, 800);
    EXPECT_EQ(frame->plotHeight(), 300);
    EXPECT_EQ(frame->chartWidth(), 150);

    // A split the user drags is stored, and holds from then on.
    auto* rows = frame->findChild<QSplitter*>();
    ASSERT_EQ(rows->orientation(), Qt::Vertical);
    rows->setSizes({420, 800 - 420 - rows->handleWidth()});
    emit rows->splitterMoved(420, 1);
    EXPECT_EQ(readSetting(app.store, settings::survey::kFramePane), 420);
    frame->resize(900, 700);
    EXPECT_EQ(frame->plotHeight(), 420);
}

} // namespace
} // namespace orbilunex
