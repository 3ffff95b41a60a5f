#include "app/RecordFileDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>


namespace orbilunex {
namespace {

class RecordFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString pathOf(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    static QPushButton* acceptButton(const QFileDialog& dialog)
    {
        const auto* box = dialog.findChild<QDialogButtonBox*>();
        if (!box) return nullptr;
        for (QAbstractButton* button : box->buttons())
            if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
                return qobject_cast<QPushButton*>(button);
        return nullptr;
    }

    QTemporaryDir dir;
};

TEST_F(RecordFileDialogTest, IsASaveDialogForNmeaFilesWithARecordButton)
{
    CRecordFileDialog dialog(nullptr, dir.path());
    EXPECT_EQ(dialog.windowTitle(), "Record NMEA");
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.nameFilters(), QStringList{"NMEA Files (*.txt)"});
    EXPECT_EQ(dialog.defaultSuffix(), "txt");
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());

    // The widget dialog's own controls, not just its properties.
    QPushButton* record = acceptButton(dialog);
    ASSERT_NE(record, nullptr) << "Qt's own dialog, not a native one";
    EXPECT_EQ(record->text(), "Record");
    const auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->currentText(), "NMEA Files (*.txt)");

    // A typed name must not turn the button back into "Save".
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, QStringLiteral("today"));
    EXPECT_EQ(record->text(), "Record");
    EXPECT_TRUE(record->isEnabled());
}

TEST_F(RecordFileDialogTest, PanelShowsTheDurationLabelFieldAndCheckBox)
{
    CRecordFileDialog dialog(nullptr, dir.path());
    QString label = QStringLiteral("<no label>");
    for (const QLabel* l : dialog.findChildren<QLabel*>())
        if (l->buddy() == dialog.durationEdit()) label = l->text();
    EXPECT_EQ(label, "Record duration (hours):");
    EXPECT_EQ(dialog.infiniteBox()->text(), "Infinite");
}

// One step on the panel and the state it must leave.
struct PanelStep {
    enum Action { Start, ClickInfinite, Type } action;
    const char* typed; // for Type
    bool checked;
    bool editable;
    const char* text;
    int hours;
    const char* legend;
};

const PanelStep panelSteps[] = {
    {PanelStep::Start, nullptr, true, false, "Infinite", 0, "opens infinite"},
    {PanelStep::ClickInfinite, nullptr, false, true, "1", 1, "unchecking offers one hour"},
    {PanelStep::Type, "24", false, true, "24", 24, "typed hours"},
    {PanelStep::Type, "  12", false, true, "  12", 12, "leading blanks skipped"},
    {PanelStep::Type, "-3", false, true, "-3", -3, "negative kept as negative"},
    {PanelStep::Type, "abc", false, true, "abc", 0, "letters give 0, no limit"},
    {PanelStep::Type, "7h", false, true, "7h", 7, "reading stops at the letter"},
    {PanelStep::Type, "", false, true, "", 0, "empty gives 0"},
    {PanelStep::Type, "48", false, true, "48", 48, "hours again"},
    {PanelStep::ClickInfinite, nullptr, true, false, "Infinite", 0, "checking writes Infinite"},
    {PanelStep::ClickInfinite, nullptr, false, true, "1", 1, "unchecking again: 1, not 48"},
};

TEST_F(RecordFileDialogTest, InfiniteCheckBoxAndDurationFieldWorkTogether)
{
    CRecordFileDialog dialog(nullptr, dir.path());
    dialog.show();
    for (const PanelStep& step : panelSteps) {
        SCOPED_TRACE(step.legend);
        switch (step.action) {
        case PanelStep::Start:
            break;
        case PanelStep::ClickInfinite:
            QTest::mouseClick(dialog.infiniteBox(), Qt::LeftButton);
            break;
        case PanelStep::Type:
            dialog.durationEdit()->selectAll();
            QTest::keyClick(dialog.durationEdit(), Qt::Key_Delete);
            QTest::keyClicks(dialog.durationEdit(), QString::fromLatin1(step.typed));
            break;
        }
        EXPECT_EQ(dialog.infiniteBox()->isChecked(), step.checked);
        EXPECT_EQ(dialog.durationEdit()->isEnabled(), step.editable);
        EXPECT_EQ(dialog.durationEdit()->text(), step.text);
        EXPECT_EQ(dialog.durationHours(), step.hours);
    }
}

TEST_F(RecordFileDialogTest, SelectedPathIsTheChosenFileWithTheTxtSuffix)
{
    struct Case {
        const char* chosen;
        const char* expected;
        const char* legend;
    };
    const Case cases[] = {
        {"drive.txt", "drive.txt", "name with the suffix"},
        {"drive", "drive.txt", "suffix added to a bare name"},
        {"drive.nmea", "drive.nmea", "another suffix is kept"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        CRecordFileDialog dialog(nullptr, dir.path());
        QSignalSpy chosen(&dialog, &QFileDialog::fileSelected);
        dialog.selectFile(pathOf(c.chosen));
        EXPECT_EQ(dialog.selectedPath(), pathOf(c.expected));

        QTest::mouseClick(acceptButton(dialog), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << "a new file needs no confirmation";
        ASSERT_EQ(chosen.count(), 1);
        EXPECT_EQ(chosen.at(0).at(0).toString(), pathOf(c.expected));
        EXPECT_FALSE(QFile::exists(pathOf(c.expected))) << "the dialog creates nothing";
    }
}

TEST_F(RecordFileDialogTest, TypedNameTakesTxtOnlyWithoutAnExtension)
{
    struct Case {
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {
        {"drive", "drive.txt"},
        {"drive.txt", "drive.txt"},
        {"drive.nmea", "drive.nmea"},
        {"drive.log", "drive.log"},
        {"tour.de.france", "tour.de.france"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        CRecordFileDialog dialog(nullptr, dir.path());
        dialog.show();
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        QTest::keyClicks(name, QString::fromLatin1(c.typed));
        QTest::mouseClick(acceptButton(dialog), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.selectedPath(), pathOf(c.expected));
    }
}

TEST_F(RecordFileDialogTest, ReplacingAnExistingFileNeedsConfirmation)
{
    QFile existing(pathOf("old.txt"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    struct Case {
        QMessageBox::StandardButton answer;
        int result; // -1: still open
        const char* legend;
    };
    const Case cases[] = {
        {QMessageBox::No, -1, "No keeps the dialog open"},
        {QMessageBox::Yes, QDialog::Accepted, "Yes accepts"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        CRecordFileDialog dialog(nullptr, dir.path());
        dialog.setResult(-1);
        dialog.selectFile(pathOf("old.txt"));
        QString question;
        // The confirmation is modal: answer it from the event loop it runs.
        QTimer::singleShot(0, &dialog, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            question = box->text();
            box->button(c.answer)->click();
        });
        QTest::mouseClick(acceptButton(dialog), Qt::LeftButton);
        EXPECT_TRUE(question.contains(QStringLiteral("old.txt"))) << question.toStdString();
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_EQ(dialog.selectedPath(), pathOf("old.txt"));
    }
}

} // namespace
} // namespace orbilunex
