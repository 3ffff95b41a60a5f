#include "settings/SurveySettings.h"
#include "survey/AccuracySettings.h"
#include "tests/common/FakeAppContext.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyKind.h"
#include "views/survey/SurveyPropertySheet.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <optional>
#include <vector>

namespace orbilunex {
namespace {

using test::FakeAppContext;

// The Accuracy page stores a reference typed in any format, the survey's
// mean exactly, or none; a text that does not read, half a reference or a
// bad stop rule is refused with its message and nothing is stored.
TEST(SurveyAccuracyPage, StoresWhatReadsAndRefusesTheRestWithAMessage)
{
    namespace texts = surveysheettexts;
    const ReferencePoint before{47.123456789012, 8.987654321098, 432.125};
    const StopRule ruleBefore{3600, 2};
    struct Case {
        const char* legend;
        // nullptr: left as shown; "": emptied.
        const char* latitude;
        const char* longitude;
        const char* altitude;
        const char* samples;
        const char* twoDrms;
        bool useMean;
        const char* message; // nullptr: accepted
        std::optional<ReferencePoint> stored;
        StopRule rule;
    };
    const Case cases[] = {
        {"untouched: the stored point exactly", nullptr, nullptr, nullptr, nullptr, nullptr,
         false, nullptr, before, ruleBefore},
        {"degrees and minutes, decimal longitude", "S 48° 07.0380", "e 11.5", " 512.25 ", "100",
         "1.5", false, nullptr, ReferencePoint{-(48 + 7.038 / 60), 11.5, 512.25}, {100, 1.5}},
        {"the mean (worked out below)", nullptr, nullptr, nullptr, nullptr, nullptr, true,
         nullptr, std::nullopt, ruleBefore},
        {"emptied: no reference", "", "", "", nullptr, nullptr, false, nullptr, std::nullopt,
         ruleBefore},
        {"latitude out of range", "N 91", nullptr, nullptr, nullptr, nullptr, false,
         texts::kBadLatitude, before, ruleBefore},
        {"an east longitude as a latitude", "E 11.5", nullptr, nullptr, nullptr, nullptr, false,
         texts::kBadLatitude, before, ruleBefore},
        {"longitude not a position", nullptr, "11,5", nullptr, nullptr, nullptr, false,
         texts::kBadLongitude, before, ruleBefore},
        {"altitude not a number", nullptr, nullptr, "high", nullptr, nullptr, false,
         texts::kBadAltitude, before, ruleBefore},
        {"half a reference", "N 48", "", "", nullptr, nullptr, false,
         texts::kIncompleteReference, before, ruleBefore},
        {"one sample", nullptr, nullptr, nullptr, "1", nullptr, false, texts::kBadStopSamples,
         before, ruleBefore},
        {"a fraction of a sample", nullptr, nullptr, nullptr, "2.5", nullptr, false,
         texts::kBadStopSamples, before, ruleBefore},
        {"a negative 2DRMS", nullptr, nullptr, nullptr, "10", "-0.1", false,
         texts::kBadStopTwoDrms, before, ruleBefore},
        {"a 2DRMS that is no number", nullptr, nullptr, nullptr, nullptr, "two", false,
         texts::kBadStopTwoDrms, before, ruleBefore},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        FakeAppContext app;
        DocTemplate tmpl;
        tmpl.kind = &kSurveyKind.kind;
        CSurveyDoc doc(tmpl, app);
        doc.survey().addSample(48.1, 11.5, 500, 15, 1, 10, 10);
        doc.survey().addSample(48.1000123, 11.5000321, 502.5, 15, 1, 10, 10);
        storeReference(app.settings(), before);
        writeSetting(app.settings(), settings::survey::kStopRule, 1);

        app.asker.dialogs.push_back([&](QDialog& dialog) {
            auto& sheet = dynamic_cast<CSurveyPropertySheet&>(dialog);
            CSurveyPropertyPage4& page = *sheet.accuracyPage();
            EXPECT_EQ(page.latitudeEdit()->text(), QStringLiteral("N 47° 07.4074"));
            if (c.useMean) page.useMeanButton()->click();
            auto type = [](QLineEdit* field, const char* text) {
                if (text) field->setText(QString::fromUtf8(text));
            };
            type(page.latitudeEdit(), c.latitude);
            type(page.longitudeEdit(), c.longitude);
            type(page.altitudeEdit(), c.altitude);
            type(page.stopSamplesEdit(), c.samples);
            type(page.stopTwoDrmsEdit(), c.twoDrms);
            sheet.okButton()->click();
            if (sheet.result() == QDialog::Accepted) return true;
            EXPECT_EQ(sheet.tabs()->currentWidget(), &page);
            sheet.cancelButton()->click();
            return false;
        });
        EXPECT_EQ(editSurveyProperties(doc, nullptr), c.message == nullptr);

        if (c.message) {
            EXPECT_EQ(app.asker.messages, QStringList{QString::fromUtf8(c.message)});
        } else {
            EXPECT_TRUE(app.asker.messages.isEmpty()) << app.asker.messages.join('|').toStdString();
        }
        std::optional<ReferencePoint> expected = c.stored;
        if (c.useMean) {
            AccuracyScratch scratch;
            const SurveyAccuracy mean = surveyAccuracy(doc.survey(), scratch);
            expected = ReferencePoint{mean.centreLatitude, mean.centreLongitude,
                                      mean.centreAltitude};
        }
        const std::optional<ReferencePoint> stored = storedReference(app.settings());
        ASSERT_EQ(stored.has_value(), expected.has_value());
        if (stored) {
            // Exactly: a typed text reads to the same double as the table's
            // arithmetic, and a shown point is kept, not its rounded text.
            EXPECT_EQ(stored->latitude, expected->latitude);
            EXPECT_EQ(stored->longitude, expected->longitude);
            EXPECT_EQ(stored->altitude, expected->altitude);
        }
        const std::optional<StopRule> rule = storedStopRule(app.settings());
        ASSERT_TRUE(rule.has_value());
        EXPECT_EQ(rule->minimumSamples, c.rule.minimumSamples);
        EXPECT_EQ(rule->maximumTwoDrms, c.rule.maximumTwoDrms);
    }
}

} // namespace
} // namespace orbilunex
