#include "settings/SurveySettings.h"
#include "survey/PathFile.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyPropertySheet.h"
#include "views/survey/SurveyKind.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextCursor>

#include <cstring>
#include <functional>
#include <memory>

namespace orbilunex {
namespace {

using test::FakeAppContext;

class SurveyPropertySheetTest : public ::testing::Test {
protected:
    SurveyPropertySheetTest()
    {
        tmpl.kind = &kSurveyKind.kind;
        doc = std::make_unique<CSurveyDoc>(tmpl, app);
    }

    // Runs the command with `script` playing the user on the open sheet;
    // the script returns whether the sheet was accepted.
    bool run(std::function<bool(CSurveyPropertySheet&)> script)
    {
        app.asker.dialogs.push_back([script](QDialog& dialog) {
            auto& sheet = dynamic_cast<CSurveyPropertySheet&>(dialog);
            return script(sheet);
        });
        return editSurveyProperties(*doc, nullptr);
    }

    static bool pressOk(CSurveyPropertySheet& sheet)
    {
        sheet.okButton()->click();
        return sheet.result() == QDialog::Accepted;
    }

    FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CSurveyDoc> doc;
};

TEST_F(SurveyPropertySheetTest, ValuesAreTakenOnOkOrOnCancelAfterApply)
{
    namespace keys = settings::survey;
    struct Case {
        const char* legend;
        bool clickLarge; // a page-1 change, which enables Apply
        bool pressApply;
        bool ok;         // else Cancel
        bool taken;
    };
    const Case cases[] = {
        {"OK takes the values", true, false, true, true},
        {"Cancel drops them", true, false, false, false},
        {"Apply then Cancel still takes them", true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        FakeAppContext context;
        CSurveyDoc survey(tmpl, context);
        SurveyModel& model = survey.survey();
        model.avgDopThreshold = 42;
        context.asker.dialogs.push_back([&](QDialog& dialog) {
            auto& sheet = dynamic_cast<CSurveyPropertySheet&>(dialog);
            EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Survey Window Properties"));
            EXPECT_FALSE(sheet.applyButton()->isEnabled());
            sheet.plotPage()->acquisitionBox()->click();
            EXPECT_FALSE(sheet.applyButton()->isEnabled()) << "acquisition alone: no Apply";
            if (c.clickLarge) sheet.plotPage()->largeButton()->click();
            EXPECT_TRUE(sheet.applyButton()->isEnabled());
            if (c.pressApply) {
                sheet.applyButton()->click();
                EXPECT_TRUE(sheet.applied());
                EXPECT_FALSE(sheet.applyButton()->isEnabled());
            }
            // Changes after Apply count too: the values as they stand.
            sheet.plotPage()->linesBox()->click();
            sheet.averagePage()->hdopEdit()->setText(QStringLiteral("1.5"));
            sheet.printingPage()->commentEdit()->setPlainText(QStringLiteral("roof, north\nmast"));
            if (c.ok) return pressOk(sheet);
            sheet.cancelButton()->click();
            return false;
        });
        EXPECT_EQ(editSurveyProperties(survey, nullptr), c.taken);

        EXPECT_EQ(model.acquisitionEnabled, !c.taken);
        EXPECT_EQ(model.plotIndicatorSize, c.taken ? 1 : 0);
        EXPECT_EQ(model.useLines, c.taken ? 0 : 1);
        EXPECT_EQ(model.hdopThreshold, c.taken ? 15 : 30);
        EXPECT_EQ(pathComment(model.headerBlock), c.taken ? "roof, north\nmast" : "");
        const MemorySettingsStore& store = context.store;
        if (c.taken) {
            EXPECT_EQ(store.getString(keys::kSection, "PlotIndicatorSize", ""), "1");
            EXPECT_EQ(readSetting(store, keys::kHdopThreshold), 15);
            EXPECT_EQ(readSetting(store, keys::kUseLines), 0);
            EXPECT_EQ(store.getString(keys::kSection, "AvgDOPThreshold", ""), "42")
                << "carried through as text";
        } else {
            EXPECT_FALSE(store.contains(keys::kSection, "HDOPThreshold"));
        }
    }
}

TEST_F(SurveyPropertySheetTest, ThresholdEditsShowTenthsAndReadBackTimesTen)
{
    EXPECT_EQ(dopLimitText(30), QStringLiteral(" 3.0"));
    EXPECT_EQ(dopLimitText(0), QStringLiteral(" 0.0"));
    EXPECT_EQ(dopLimitText(1234), QStringLiteral("123.4"));
    // Every limit comes back unchanged from the text it is shown as.
    int mismatches = 0;
    for (int limit = 0; limit <= 0xFFFF; ++limit)
        if (dopLimitFromText(dopLimitText(static_cast<std::uint16_t>(limit))) != limit)
            ++mismatches;
    EXPECT_EQ(mismatches, 0);

    const std::pair<const char*, int> typed[] = {
        {"2.55", 25},   {" 3.0", 30},  {"2,5", 20},   {"1e1", 100},
        {"abc", 0},     {"", 0},       {"0.09", 0},   {"-0.5", 65531},
        {"6553.6", 0},  {"7.7x", 77},
    };
    for (const auto& [text, limit] : typed)
        EXPECT_EQ(dopLimitFromText(QString::fromLatin1(text)), limit) << text;

    // Typing 2.55 stores 25, which the next sheet shows as 2.5.
    run([](CSurveyPropertySheet& sheet) {
        sheet.averagePage()->hdopEdit()->setText(QStringLiteral("2.55"));
        sheet.averagePage()->vdopEdit()->setText(QStringLiteral("oops"));
        return pressOk(sheet);
    });
    EXPECT_EQ(doc->survey().hdopThreshold, 25);
    EXPECT_EQ(doc->survey().vdopThreshold, 0) << "not a number: 0";
    QString shown;
    run([&](CSurveyPropertySheet& sheet) {
        shown = sheet.averagePage()->hdopEdit()->text();
        const char* pictures[] = {"survey-sheet-1.png", "survey-sheet-2.png",
                                  "survey-sheet-3.png"};
        for (int page = 0; page < 3; ++page) {
            sheet.tabs()->setCurrentIndex(page);
            test::savePicture(sheet.grab().toImage(), pictures[page]);
        }
        return false;
    });
    EXPECT_EQ(shown, QStringLiteral(" 2.5"));
}

TEST_F(SurveyPropertySheetTest, ACommentOverItsRoomIsRefusedAndCannotGrow)
{
    // A file may bring a longer comment than the sheet lets through.
    PathHeaderBlock& header = doc->survey().headerBlock;
    const std::string tooLong(600, 'c');
    std::memcpy(header.data() + kPathCommentOffset, tooLong.data(), tooLong.size());
    header[kPathCommentOffset + tooLong.size()] = 0;

    const bool taken = run([](CSurveyPropertySheet& sheet) {
        sheet.tabs()->setCurrentIndex(0);
        EXPECT_FALSE(pressOk(sheet)) << "refused, the sheet stays open";
        EXPECT_EQ(sheet.tabs()->currentWidget(), sheet.printingPage());
        QPlainTextEdit* edit = sheet.printingPage()->commentEdit();
        // Cut to 509, then a paste of 5 keeps its first 2.
        edit->setPlainText(QString(509, QLatin1Char('k')));
        edit->moveCursor(QTextCursor::End);
        edit->insertPlainText(QStringLiteral("ABCDE"));
        EXPECT_EQ(edit->toPlainText(), QString(509, QLatin1Char('k')) + QStringLiteral("AB"));
        return pressOk(sheet);
    });
    ASSERT_EQ(app.asker.messages.size(), 1);
    EXPECT_EQ(app.asker.messages[0], QStringLiteral("Please enter no more than 511 characters."));
    EXPECT_TRUE(taken);
    EXPECT_EQ(pathComment(header), std::string(509, 'k') + "AB");
    EXPECT_EQ(header[kPathCommentOffset + 511], 0) << "with its NUL";
}

} // namespace
} // namespace orbilunex
