#include "tests/common/DialogTestUtil.h"

#include "views/skyplot/SkyPlotPropertySheet.h"

#include "tests/common/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace orbilunex {
namespace {

using orbilunex::test::buttonWithText;
using orbilunex::test::entries;
using orbilunex::test::labelOf;

const QString kInteger = QStringLiteral("Please enter an integer.");
const QString kRange = QStringLiteral("Please enter an integer between 0 and 99.");
const QString kTooLong = QStringLiteral("Please enter no more than 511 characters.");
const QString kMaskFilter = QStringLiteral("Mask Files (*.msk)");

// The scripted prompter, also remembering how each file chooser was asked.
struct RecordingPrompter : test::ScriptedPrompter {
    struct Request {
        QWidget* parent;
        QString caption, filter, suffix;
    };
    QList<Request> openRequests;

    QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter,
                           const QString& suffix) override
    {
        openRequests.append({parent, caption, filter, suffix});
        return ScriptedPrompter::chooseOpenFile(parent, caption, filter, suffix);
    }
};

SkyPlotSheetValues someValues()
{
    return {40, QStringLiteral("Roof antenna\nnorth wall blocks"), true,
            QStringLiteral("/tmp/roof.msk")};
}

void retype(QLineEdit* field, const QString& text)
{
    field->selectAll();
    field->insert(text);
}

void clickTab(CSkyPlotPropertySheet& sheet, int index)
{
    QTabBar* bar = sheet.tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Every file under the scratch home with its size and time: the sheet must
// leave them all alone.
QStringList filesUnderHome()
{
    QStringList files;
    QDirIterator it(QDir::homePath(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files << info.filePath() + ' ' + QString::number(info.size()) + ' '
                     + info.lastModified().toString(Qt::ISODateWithMs);
    }
    files.sort();
    return files;
}

// ---- what the sheet shows ----

TEST(SkyPlotPropertySheetTest, ShowsCaptionPagesInOrderLabelsAndButtons)
{
    RecordingPrompter prompter;
    CSkyPlotPropertySheet sheet(someValues(), prompter);
    EXPECT_EQ(sheet.windowTitle(), "Azimuth Elevarion Property Sheet");

    QTabWidget* tabs = sheet.tabs();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_NE(qobject_cast<CAzimuthElevationProperityPage1*>(tabs->widget(0)), nullptr);
    EXPECT_NE(qobject_cast<CAzimuthElevationProperityPage2*>(tabs->widget(1)), nullptr);
    EXPECT_EQ(tabs->tabText(0), "Physical GPS Mask Angle");
    EXPECT_EQ(tabs->tabText(1), "Auto Load");
    EXPECT_EQ(sheet.maskAnglePage()->windowTitle(), "Physical GPS Mask Angle");
    EXPECT_EQ(sheet.autoLoadPage()->windowTitle(), "Auto Load");
    EXPECT_EQ(tabs->currentIndex(), 0);

    const auto* page1 = sheet.maskAnglePage();
    EXPECT_EQ(labelOf(*page1, page1->snrThresholdEdit()), "SNR Threshold:");
    EXPECT_EQ(labelOf(*page1, page1->commentEdit()),
              "Comment (This comment printed when printing the azimuth mask):");
    const auto* page2 = sheet.autoLoadPage();
    EXPECT_EQ(page2->autoLoadBox()->text(), "Enable Auto Load");
    EXPECT_EQ(labelOf(*page2, page2->loadFileEdit()), "Load File:");
    EXPECT_EQ(page2->browseButton()->text(), "Browse...");

    EXPECT_EQ(sheet.okButton()->text(), "OK");
    EXPECT_TRUE(sheet.okButton()->isDefault());
    EXPECT_EQ(sheet.cancelButton()->text(), "Cancel");
    EXPECT_EQ(sheet.applyButton()->text(), "Apply");
    EXPECT_FALSE(sheet.applyButton()->isEnabled()) << "the sheet itself applies nothing";
}

struct FillCase {
    SkyPlotSheetValues values;
    const char* snrText;
    const char* legend;
};

TEST(SkyPlotPropertySheetTest, FillsTheFieldsFromTheValues)
{
    const FillCase cases[] = {
        {someValues(), "40", "the usual values"},
        {{0, QString(), false, QString()}, "0", "lowest threshold, all else empty or off"},
        {{99, QStringLiteral("one\n\ntwo "), true, QStringLiteral("rel/mask file.msk")}, "99",
         "blank line, trailing blank, relative path with a blank"},
        {{-5, QStringLiteral("x"), true, QString()}, "-5", "a stored value out of range is shown"},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.legend);
        RecordingPrompter prompter;
        CSkyPlotPropertySheet sheet(c.values, prompter);
        EXPECT_EQ(sheet.maskAnglePage()->snrThresholdEdit()->text(), c.snrText);
        EXPECT_EQ(sheet.maskAnglePage()->commentEdit()->toPlainText(), c.values.comment);
        EXPECT_EQ(sheet.autoLoadPage()->autoLoadBox()->isChecked(), c.values.autoLoad);
        EXPECT_EQ(sheet.autoLoadPage()->loadFileEdit()->text(), c.values.lastFile);

        const SkyPlotSheetValues back = sheet.values();
        EXPECT_EQ(back.snrThreshold, c.values.snrThreshold);
        EXPECT_EQ(back.comment, c.values.comment);
        EXPECT_EQ(back.autoLoad, c.values.autoLoad);
        EXPECT_EQ(back.lastFile, c.values.lastFile);
    }
}

TEST(CAzimuthElevationProperityPage1Test, CommentLineBreaksComeBackAsNewlines)
{
    // Comments saved elsewhere may break lines with CR LF or a lone CR.
    RecordingPrompter prompter;
    CSkyPlotPropertySheet sheet(SkyPlotSheetValues{40, QStringLiteral("a\r\nb\rc\nd"), true, {}},
                               prompter);
    EXPECT_EQ(sheet.values().comment, "a\nb\nc\nd");
    EXPECT_EQ(sheet.maskAnglePage()->commentEdit()->blockCount(), 4);
}

// ---- Auto Load: the enable rule and Browse ----

TEST(CAzimuthElevationProperityPage2Test, FileFieldAndBrowseFollowTheCheckBox)
{
    for (const bool initially : {true, false}) {
        SCOPED_TRACE(initially ? "opened ticked" : "opened unticked");
        RecordingPrompter prompter;
        SkyPlotSheetValues values = someValues();
        values.autoLoad = initially;
        CSkyPlotPropertySheet sheet(values, prompter);
        sheet.show();
        clickTab(sheet, 1);
        ASSERT_EQ(sheet.tabs()->currentIndex(), 1);
        CAzimuthElevationProperityPage2* page = sheet.autoLoadPage();
        EXPECT_EQ(page->loadFileEdit()->isEnabled(), initially);
        EXPECT_EQ(page->browseButton()->isEnabled(), initially);

        // Each click flips the box and the two controls with it.
        bool ticked = initially;
        for (int click = 0; click < 3; ++click) {
            QTest::mouseClick(page->autoLoadBox(), Qt::LeftButton);
            ticked = !ticked;
            EXPECT_EQ(page->autoLoadBox()->isChecked(), ticked) << "click " << click;
            EXPECT_EQ(page->loadFileEdit()->isEnabled(), ticked) << "click " << click;
            EXPECT_EQ(page->browseButton()->isEnabled(), ticked) << "click " << click;
        }
        EXPECT_EQ(sheet.values().autoLoad, ticked);
        EXPECT_EQ(sheet.values().lastFile, values.lastFile) << "a disabled field keeps its text";
    }
}

TEST(CAzimuthElevationProperityPage2Test, RuleIsAppliedAgainWhenThePageOpens)
{
    RecordingPrompter prompter;
    CSkyPlotPropertySheet sheet(someValues(), prompter);
    sheet.show();
    CAzimuthElevationProperityPage2* page = sheet.autoLoadPage();
    // Not a click: the controls wait for the page to come into view.
    page->autoLoadBox()->setChecked(false);
    EXPECT_TRUE(page->loadFileEdit()->isEnabled());
    clickTab(sheet, 1);
    EXPECT_FALSE(page->loadFileEdit()->isEnabled());
    EXPECT_FALSE(page->browseButton()->isEnabled());
}

TEST(CAzimuthElevationProperityPage2Test, BrowseReplacesTheFileOnlyWhenOneIsChosen)
{
    RecordingPrompter prompter;
    prompter.files = {QStringLiteral("/tmp/mask dir/north.msk"), QString()};
    prompter.messages.clear();
    CSkyPlotPropertySheet sheet(someValues(), prompter);
    sheet.show();
    clickTab(sheet, 1);
    CAzimuthElevationProperityPage2* page = sheet.autoLoadPage();

    QTest::mouseClick(page->browseButton(), Qt::LeftButton);
    EXPECT_EQ(page->loadFileEdit()->text(), "/tmp/mask dir/north.msk");
    EXPECT_TRUE(sheet.isVisible()) << "Browse does not close the sheet";

    QTest::mouseClick(page->browseButton(), Qt::LeftButton);
    EXPECT_EQ(page->loadFileEdit()->text(), "/tmp/mask dir/north.msk") << "cancel keeps the text";

    ASSERT_EQ(prompter.openRequests.size(), 2);
    for (const RecordingPrompter::Request& r : prompter.openRequests) {
        EXPECT_EQ(r.parent, &sheet);
        EXPECT_FALSE(r.caption.isEmpty());
        EXPECT_EQ(r.filter, kMaskFilter);
        EXPECT_EQ(r.suffix, "msk");
    }
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(sheet.values().lastFile, "/tmp/mask dir/north.msk");
}

// ---- validation of the threshold ----

enum class Focus { None, Threshold, Comment };

struct ThresholdCase {
    const char* text;
    const QString* message;  // nullptr: OK closes the sheet
    int value;               // read back after an accepted OK
    const char* legend;
};

const ThresholdCase thresholdCases[] = {
    {"", &kInteger, 0, "empty"},
    {"abc", &kInteger, 0, "letters"},
    {"12a", &kInteger, 0, "trailing letter"},
    {"4.5", &kInteger, 0, "fraction"},
    {"-1", &kRange, 0, "one below the range"},
    {"100", &kRange, 0, "one above the range"},
    {"99999999999", &kInteger, 0, "beyond the int range is no integer at all"},
    {"0", nullptr, 0, "lowest"},
    {"99", nullptr, 99, "highest"},
    {" 40 ", nullptr, 40, "blanks around"},
    {"+7", nullptr, 7, "plus sign"},
};

TEST(SkyPlotPropertySheetTest, OkChecksTheThresholdAndFocusesItOnItsPage)
{
    for (const ThresholdCase& c : thresholdCases) {
        // Start on either page: a refusal must bring the first one back.
        for (const int startPage : {0, 1}) {
            SCOPED_TRACE(std::string(c.legend) + (startPage ? ", OK on page 2" : ", OK on page 1"));
            RecordingPrompter prompter;
            prompter.messages.clear();
            CSkyPlotPropertySheet sheet(someValues(), prompter);
            sheet.setResult(-1);
            sheet.show();
            retype(sheet.maskAnglePage()->snrThresholdEdit(), QString::fromUtf8(c.text));
            if (startPage == 1) {
                // Going to page 2 checks page 1 too; get there with a good value.
                const QString typed = sheet.maskAnglePage()->snrThresholdEdit()->text();
                retype(sheet.maskAnglePage()->snrThresholdEdit(), QStringLiteral("40"));
                clickTab(sheet, 1);
                ASSERT_EQ(sheet.tabs()->currentIndex(), 1);
                retype(sheet.maskAnglePage()->snrThresholdEdit(), typed);
            }
            sheet.okButton()->setFocus();

            QTest::mouseClick(sheet.okButton(), Qt::LeftButton);

            if (!c.message) {
                EXPECT_TRUE(prompter.messages.isEmpty());
                EXPECT_EQ(sheet.validate(), "");
                EXPECT_EQ(sheet.result(), QDialog::Accepted);
                EXPECT_EQ(sheet.values().snrThreshold, c.value);
                continue;
            }
            QLineEdit* field = sheet.maskAnglePage()->snrThresholdEdit();
            EXPECT_EQ(prompter.messages, QStringList{*c.message});
            EXPECT_EQ(prompter.lastMessageParent, &sheet);
            EXPECT_EQ(sheet.validate(), *c.message);
            EXPECT_TRUE(sheet.isVisible()) << "the sheet stays open";
            EXPECT_EQ(sheet.result(), -1);
            EXPECT_EQ(sheet.tabs()->currentIndex(), 0);
            EXPECT_EQ(sheet.focusWidget(), field);
            EXPECT_EQ(field->selectedText(), field->text());
        }
    }
}

TEST(SkyPlotPropertySheetTest, LeavingTheFirstPageChecksIt)
{
    for (const ThresholdCase& c : thresholdCases) {
        SCOPED_TRACE(c.legend);
        RecordingPrompter prompter;
        prompter.messages.clear();
        CSkyPlotPropertySheet sheet(someValues(), prompter);
        sheet.show();
        retype(sheet.maskAnglePage()->snrThresholdEdit(), QString::fromUtf8(c.text));

        clickTab(sheet, 1);

        if (!c.message) {
            EXPECT_EQ(sheet.tabs()->currentIndex(), 1);
            EXPECT_TRUE(prompter.messages.isEmpty());
            // And back again: page 2 has nothing to check.
            clickTab(sheet, 0);
            EXPECT_EQ(sheet.tabs()->currentIndex(), 0);
            EXPECT_TRUE(prompter.messages.isEmpty());
            continue;
        }
        EXPECT_EQ(sheet.tabs()->currentIndex(), 0) << "the first page comes back";
        EXPECT_EQ(prompter.messages, QStringList{*c.message}) << "shown once";
        EXPECT_EQ(sheet.focusWidget(), sheet.maskAnglePage()->snrThresholdEdit());
        EXPECT_TRUE(sheet.isVisible());
    }
}

// ---- the comment and its 511 characters ----

TEST(CAzimuthElevationProperityPage1Test, EnterInTheCommentStartsANewLine)
{
    RecordingPrompter prompter;
    prompter.messages.clear();
    CSkyPlotPropertySheet sheet(SkyPlotSheetValues{40, QString(), true, QString()}, prompter);
    sheet.setResult(-1);
    sheet.show();
    QPlainTextEdit* comment = sheet.maskAnglePage()->commentEdit();
    comment->setFocus();
    QTest::keyClicks(comment, "top");
    QTest::keyClick(comment, Qt::Key_Return);
    QTest::keyClick(comment, Qt::Key_Enter);
    QTest::keyClicks(comment, "end");
    EXPECT_EQ(comment->toPlainText(), "top\n\nend");
    EXPECT_EQ(sheet.result(), -1) << "Enter does not press OK here";
    EXPECT_TRUE(sheet.isVisible());
}

struct LimitCase {
    int before;           // characters in the comment, the cursor at their end
    int selected;         // of them, selected at the end (replaced by the edit)
    QString added;        // typed or pasted there
    bool paste;
    int after;            // length afterwards
    const char* legend;
};

TEST(CAzimuthElevationProperityPage1Test, CommentStopsAt511CharactersWhileTypingAndPasting)
{
    const LimitCase cases[] = {
        {505, 0, QString(10, QLatin1Char('t')), false, 511, "typing runs into the limit"},
        {511, 0, QStringLiteral("x"), false, 511, "a key at the limit adds nothing"},
        {511, 0, QStringLiteral("\n"), false, 511, "nor does Enter"},
        {510, 0, QStringLiteral("\n"), false, 511, "a line break counts one"},
        {0, 0, QString(600, QLatin1Char('p')), true, 511, "a long paste into nothing"},
        {500, 0, QString(30, QLatin1Char('p')), true, 511, "a paste cut to the room left"},
        {511, 20, QString(30, QLatin1Char('p')), true, 511, "a paste over a selection"},
        {511, 20, QString(5, QLatin1Char('p')), true, 496, "a short replacement shrinks it"},
        {100, 0, QString(411, QLatin1Char('p')), true, 511, "exactly filling it"},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.legend);
        RecordingPrompter prompter;
        const QString start(c.before, QLatin1Char('a'));
        CSkyPlotPropertySheet sheet(SkyPlotSheetValues{40, start, true, QString()}, prompter);
        sheet.show();
        QPlainTextEdit* comment = sheet.maskAnglePage()->commentEdit();
        comment->setFocus();
        QTextCursor cursor = comment->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, c.selected);
        comment->setTextCursor(cursor);
        if (c.paste) {
            QApplication::clipboard()->setText(c.added);
            comment->paste();
        } else {
            for (const QChar ch : c.added) {
                if (ch == QLatin1Char('\n'))
                    QTest::keyClick(comment, Qt::Key_Return);
                else
                    QTest::keyClick(comment, ch.toLatin1());
            }
        }
        const QString text = comment->toPlainText();
        EXPECT_EQ(text.size(), c.after);
        // What stays is the old text, then the start of the addition.
        const QString kept = start.left(c.before - c.selected);
        EXPECT_EQ(text.left(kept.size()), kept);
        EXPECT_EQ(text.mid(kept.size()), c.added.left(c.after - kept.size()));
        EXPECT_EQ(sheet.validate(), "");
    }
}

TEST(CAzimuthElevationProperityPage1Test, ATooLongCommentIsShownWholeAndRefusedByOk)
{
    RecordingPrompter prompter;
    prompter.messages.clear();
    const QString stored = QString(600, QLatin1Char('s'));
    CSkyPlotPropertySheet sheet(SkyPlotSheetValues{40, stored, true, QString()}, prompter);
    sheet.setResult(-1);
    sheet.show();
    QPlainTextEdit* comment = sheet.maskAnglePage()->commentEdit();
    EXPECT_EQ(comment->toPlainText(), stored) << "nothing is cut when filling";
    EXPECT_EQ(sheet.validate(), kTooLong);

    // It cannot grow.
    comment->setFocus();
    comment->moveCursor(QTextCursor::End);
    QTest::keyClicks(comment, "more");
    EXPECT_EQ(comment->toPlainText(), stored);

    // Leaving the page is refused, and so is OK.
    const char* const ways[] = {"leaving the page", "OK"};
    for (const char* way : ways) {
        SCOPED_TRACE(way);
        prompter.messages.clear();
        sheet.okButton()->setFocus();
        if (way == ways[0])
            clickTab(sheet, 1);
        else
            QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
        EXPECT_EQ(prompter.messages, QStringList{kTooLong});
        EXPECT_EQ(sheet.result(), -1);
        EXPECT_EQ(sheet.tabs()->currentIndex(), 0);
        EXPECT_EQ(sheet.focusWidget(), comment);
        EXPECT_EQ(comment->textCursor().selectedText().size(), stored.size());
    }

    // Shortened to the limit, OK goes through.
    QTextCursor cursor = comment->textCursor();
    cursor.clearSelection();
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, 89);
    cursor.removeSelectedText();
    EXPECT_EQ(sheet.validate(), "");
    prompter.messages.clear();
    QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.values().comment, QString(511, QLatin1Char('s')));
}

TEST(SkyPlotPropertySheetTest, ThresholdIsCheckedBeforeTheComment)
{
    RecordingPrompter prompter;
    prompter.messages.clear();
    CSkyPlotPropertySheet sheet(SkyPlotSheetValues{40, QString(512, QLatin1Char('c')), true, QString()}, prompter);
    sheet.show();
    retype(sheet.maskAnglePage()->snrThresholdEdit(), QStringLiteral("x"));
    EXPECT_EQ(sheet.validate(), kInteger);
    QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.messages, QStringList{kInteger});
    EXPECT_EQ(sheet.focusWidget(), sheet.maskAnglePage()->snrThresholdEdit());
}

// ---- what comes back, and what does not happen ----

TEST(SkyPlotPropertySheetTest, ValuesAfterEditsAreWhatTheFieldsHold)
{
    RecordingPrompter prompter;
    prompter.files = {QStringLiteral("/tmp/chosen.msk")};
    prompter.messages.clear();
    CSkyPlotPropertySheet sheet(someValues(), prompter);
    sheet.show();

    CAzimuthElevationProperityPage1* page1 = sheet.maskAnglePage();
    page1->snrThresholdEdit()->setFocus();
    page1->snrThresholdEdit()->selectAll();
    QTest::keyClicks(page1->snrThresholdEdit(), "33");
    page1->commentEdit()->setFocus();
    page1->commentEdit()->selectAll();
    QTest::keyClicks(page1->commentEdit(), "new");
    QTest::keyClick(page1->commentEdit(), Qt::Key_Return);
    QTest::keyClicks(page1->commentEdit(), "text");

    clickTab(sheet, 1);
    CAzimuthElevationProperityPage2* page2 = sheet.autoLoadPage();
    QTest::mouseClick(page2->browseButton(), Qt::LeftButton);
    QTest::mouseClick(page2->autoLoadBox(), Qt::LeftButton);

    QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
    ASSERT_EQ(sheet.result(), QDialog::Accepted);
    const SkyPlotSheetValues v = sheet.values();
    EXPECT_EQ(v.snrThreshold, 33);
    EXPECT_EQ(v.comment, "new\ntext");
    EXPECT_FALSE(v.autoLoad);
    EXPECT_EQ(v.lastFile, "/tmp/chosen.msk");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(SkyPlotPropertySheetTest, NeitherOkNorCancelDoesAnythingButClose)
{
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "OK" : "Cancel");
        const QStringList filesBefore = filesUnderHome();
        RecordingPrompter prompter;
        prompter.messages.clear();
        CSkyPlotPropertySheet sheet(someValues(), prompter);
        sheet.show();
        retype(sheet.maskAnglePage()->snrThresholdEdit(), QStringLiteral("12"));
        // Cancel must not check: leave a bad value behind for it.
        if (!confirm) retype(sheet.maskAnglePage()->snrThresholdEdit(), QStringLiteral("bad"));
        QTest::mouseClick(confirm ? sheet.okButton() : sheet.cancelButton(), Qt::LeftButton);

        EXPECT_EQ(sheet.result(), confirm ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_FALSE(sheet.isVisible());
        EXPECT_TRUE(prompter.messages.isEmpty());
        EXPECT_TRUE(prompter.questions.isEmpty());
        EXPECT_TRUE(prompter.messages.isEmpty());
        EXPECT_TRUE(prompter.openRequests.isEmpty());
        EXPECT_EQ(prompter.dialogsRun, 0);
        EXPECT_EQ(filesUnderHome(), filesBefore) << "no settings or files written";
    }
}

// ---- pictures ----

// Shows each page as the sheet would, checks that its controls lie inside it
// without overlapping, and with ORBILUNEX_GUI_PICTURES set saves the whole
// sheet as skyplot-sheet-<n>.png for a person to look at.
TEST(SkyPlotPropertySheetTest, PagesLayOutTheirControlsApart)
{
    RecordingPrompter prompter;
    SkyPlotSheetValues values = someValues();
    values.autoLoad = false;
    CSkyPlotPropertySheet sheet(values, prompter);
    sheet.show();
    for (int index = 0; index < 2; ++index) {
        SCOPED_TRACE(index);
        clickTab(sheet, index);
        QApplication::processEvents();
        QWidget* page = sheet.tabs()->widget(index);
        ASSERT_TRUE(page->isVisible());
        QList<QWidget*> controls;
        for (QWidget* w : page->findChildren<QWidget*>())
            if (w->parentWidget() == page) controls << w;
        EXPECT_EQ(controls.size(), 4) << "two labels and two fields; or box, label, field, button";
        for (int i = 0; i < controls.size(); ++i) {
            const QRect a(controls[i]->mapTo(page, QPoint(0, 0)), controls[i]->size());
            EXPECT_TRUE(page->rect().contains(a)) << i;
            EXPECT_FALSE(a.isEmpty()) << i;
            for (int j = i + 1; j < controls.size(); ++j) {
                const QRect b(controls[j]->mapTo(page, QPoint(0, 0)), controls[j]->size());
                EXPECT_FALSE(a.intersects(b)) << i << " overlaps " << j;
            }
        }
        const QPixmap picture = sheet.grab();
        EXPECT_EQ(picture.size(), sheet.size());
        const QString folder = qEnvironmentVariable("ORBILUNEX_GUI_PICTURES");
        if (!folder.isEmpty()) {
            EXPECT_TRUE(picture.save(
                QDir(folder).filePath(QStringLiteral("skyplot-sheet-%1.png").arg(index + 1))));
        }
    }
}

} // namespace
} // namespace orbilunex
