#include "settings/DisplaySettings.h"
#include "settings/SurveySettings.h"
#include "survey/AccuracySettings.h"
#include "tests/common/FakeAppContext.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyKind.h"
#include "views/survey/SurveyStatsView.h"

#include <GeographicLib/LocalCartesian.hpp>

#include <gtest/gtest.h>

#include <QJsonObject>

#include <memory>
#include <string>

namespace orbilunex {
namespace {

using test::FakeAppContext;

constexpr double kLatitude = 47.2768;
constexpr double kLongitude = 11.3481;
constexpr double kDegreesPerMetreNorth = 1.0 / 111'200.0; // near enough at 47 degrees

class SurveyAccuracyPaneTest : public ::testing::Test {
protected:
    SurveyAccuracyPaneTest()
    {
        tmpl.kind = &kSurveyKind.kind;
        doc = std::make_unique<CSurveyDoc>(tmpl, app);
        writeSetting(app.store, settings::display::kUnits, unitsMetric);
    }

    // The pane shown and drawn as it stands now.
    std::unique_ptr<CSurveyStatsView> drawnPane()
    {
        auto view = std::make_unique<CSurveyStatsView>(doc.get(), app);
        view->resize(600, 300);
        view->show();
        view->textWindow()->grab();
        return view;
    }

    static std::string valueOf(const SurveyStatsPane& pane, const std::string& label)
    {
        for (const SurveyStatsRow& row : pane.rows)
            if (row.label == label) return row.value.empty() ? "(heading)" : row.value;
        return "(no row)";
    }

    FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CSurveyDoc> doc;
};

// Rule: at least 4 horizontal samples and 2DRMS at most 6.5 m. One sample
// 10 m north of the others and one over the HDOP limit: with n accepted
// samples 2DRMS is 20 sqrt(n - 1) / n m, 6.61 at 8 and 6.29 at 9, so the
// tenth sample given (the ninth accepted) ends the acquisition.
TEST_F(SurveyAccuracyPaneTest, StopRuleEndsAcquisitionOnTheSampleThatMeetsIt)
{
    namespace keys = settings::survey;
    writeSetting(app.store, keys::kStopRule, 1);
    writeSetting(app.store, keys::kStopSamples, 4);
    writeSetting(app.store, keys::kStopTwoDrms, std::string("6.5"));
    ASSERT_TRUE(doc->survey().acquisitionEnabled);

    for (int i = 1; i <= 10; ++i) {
        const double north = i == 1 ? 10.0 * kDegreesPerMetreNorth : 0.0;
        const std::uint16_t hdop10 = i == 2 ? 50 : 12;
        doc->addSample(kLatitude + north, kLongitude, 600.0, 18, 1, hdop10, 12);
        EXPECT_EQ(doc->survey().acquisitionEnabled, i < 10) << "sample " << i;
        EXPECT_EQ(doc->surveyComplete(), i == 10) << "sample " << i;
    }
    EXPECT_EQ(app.statusText.rfind("Survey complete", 0), 0u) << app.statusText;
    EXPECT_NE(app.statusText.find("6.2"), std::string::npos) << app.statusText;

    const auto view = drawnPane();
    ASSERT_TRUE(view->textWindow()->lastDrawn().has_value());
    EXPECT_EQ(valueOf(*view->textWindow()->lastDrawn(), "Survey complete"), "(heading)");
    EXPECT_TRUE(view->shows().value(QStringLiteral("surveyComplete")).toBool());

    // An erase starts the rule afresh: the far sample is gone with the rest,
    // so four samples at one point meet it.
    app.asker.answers.push_back(Prompter::Answer::Yes);
    doc->eraseCommand(nullptr);
    EXPECT_FALSE(doc->surveyComplete());
    doc->survey().acquisitionEnabled = true;
    for (int i = 1; i <= 4; ++i) {
        doc->addSample(kLatitude, kLongitude, 600.0, 18, 1, 12, 12);
        EXPECT_EQ(doc->survey().acquisitionEnabled, i < 4) << "after the erase, sample " << i;
    }
    view->tick();
    view->textWindow()->grab();
    EXPECT_TRUE(view->shows().value(QStringLiteral("surveyComplete")).toBool());
}

// Four samples round a point, the reference 3 m west and 4 m south of it
// and 1.5 m below: the mean lies 5 m from the reference at 36.87 degrees.
// The report gives the figures the pane drew, not the survey as it is now.
TEST_F(SurveyAccuracyPaneTest, ShowsCarriesTheAccuracyThePaneDrew)
{
    const GeographicLib::LocalCartesian atMean(kLatitude, kLongitude, 600.0);
    ReferencePoint reference;
    double ignored = 0.0;
    atMean.Reverse(-3.0, -4.0, 0.0, reference.latitude, reference.longitude, ignored);
    reference.altitude = 598.5;
    storeReference(app.store, reference);

    const double d = 2e-5;
    doc->addSample(kLatitude + d, kLongitude, 599.0, 18, 1, 12, 12);
    doc->addSample(kLatitude - d, kLongitude, 601.0, 18, 1, 12, 12);
    doc->addSample(kLatitude, kLongitude + d, 599.0, 18, 1, 12, 12);
    doc->addSample(kLatitude, kLongitude - d, 601.0, 18, 1, 12, 12);

    const auto view = drawnPane();
    ASSERT_TRUE(view->textWindow()->lastDrawn().has_value());
    const SurveyStatsPane& pane = *view->textWindow()->lastDrawn();
    EXPECT_EQ(valueOf(pane, "   Mean Horizontal:"), "5.000 m");
    EXPECT_EQ(valueOf(pane, "   Mean Bearing:"), "36.87\u00B0");
    EXPECT_EQ(valueOf(pane, "   Mean Vertical:"), "1.500 m");
    EXPECT_EQ(valueOf(pane, "   \u03C3Up:"), "1.155 m");

    doc->addSample(kLatitude + 1e-3, kLongitude, 650.0, 18, 1, 12, 12); // not drawn yet
    const QJsonObject shows = view->shows();
    ASSERT_TRUE(pane.accuracy.has_value());
    const SurveyAccuracy& drawn = pane.accuracy->figures;
    EXPECT_EQ(shows.value(QStringLiteral("horizontalSamples")).toInt(), 4);
    EXPECT_EQ(shows.value(QStringLiteral("verticalSamples")).toInt(), 4);
    EXPECT_EQ(shows.value(QStringLiteral("cep50")).toDouble(), drawn.cep50.value());
    EXPECT_EQ(shows.value(QStringLiteral("r95")).toDouble(), drawn.r95.value());
    EXPECT_EQ(shows.value(QStringLiteral("drms")).toDouble(), drawn.drms.value());
    EXPECT_EQ(shows.value(QStringLiteral("twoDrms")).toDouble(), drawn.twoDrms.value());
    EXPECT_NEAR(shows.value(QStringLiteral("sigmaUp")).toDouble(), 1.1547005, 1e-6);
    EXPECT_FALSE(shows.value(QStringLiteral("surveyComplete")).toBool(true));

    const QJsonObject mean = shows.value(QStringLiteral("referenceError"))
                                 .toObject()
                                 .value(QStringLiteral("mean"))
                                 .toObject();
    EXPECT_NEAR(mean.value(QStringLiteral("east")).toDouble(), 3.0, 1e-4);
    EXPECT_NEAR(mean.value(QStringLiteral("north")).toDouble(), 4.0, 1e-4);
    EXPECT_NEAR(mean.value(QStringLiteral("up")).toDouble(), 1.5, 1e-4);
    EXPECT_NEAR(mean.value(QStringLiteral("horizontal")).toDouble(), 5.0, 1e-4);
    EXPECT_NEAR(mean.value(QStringLiteral("bearing")).toDouble(), 36.8699, 1e-3);
    const QJsonObject lsf = shows.value(QStringLiteral("referenceError"))
                                .toObject()
                                .value(QStringLiteral("leastSquares"))
                                .toObject();
    EXPECT_TRUE(lsf.value(QStringLiteral("horizontal")).isDouble());

    // Too few samples for a spread: null in the report, "n/a" on the pane;
    // no reference, no reference block.
    storeReference(app.store, std::nullopt);
    app.asker.answers.push_back(Prompter::Answer::Yes);
    doc->eraseCommand(nullptr);
    doc->addSample(kLatitude, kLongitude, 600.0, 18, 1, 12, 12);
    view->tick();
    view->textWindow()->grab();
    const QJsonObject single = view->shows();
    EXPECT_TRUE(single.value(QStringLiteral("cep50")).isNull());
    EXPECT_TRUE(single.value(QStringLiteral("sigmaUp")).isNull());
    EXPECT_FALSE(single.contains(QStringLiteral("referenceError")));
    EXPECT_EQ(valueOf(*view->textWindow()->lastDrawn(), "   2DRMS:"), "n/a");
    EXPECT_EQ(valueOf(*view->textWindow()->lastDrawn(), "Reference"), "(no row)");
}

} // namespace
} // namespace orbilunex
