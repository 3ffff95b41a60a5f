// Quitting never loses a document: every save question comes before any
// window closes, and a run nobody attends writes what is unsaved aside.

#include "tests/common/AppTestFixture.h"

#include "framework/ChildFrame.h"
#include "framework/Document.h"
#include "survey/PathFile.h"
#include "views/skyplot/SkyPlotKind.h"
#include "views/survey/SurveyKind.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <fstream>
#include <vector>

using namespace orbilunex;
using namespace orbilunex::test;

namespace {

using QuitTest = AppFixture;
using Answer = Prompter::Answer;

TEST_F(QuitTest, EveryQuestionComesBeforeAnythingCloses)
{
    const QString surveyFile = folder.filePath("survey.pth");
    const QString maskFile = folder.filePath("mask.msk");
    const struct {
        const char* legend;
        std::vector<Answer> answers;
        QStringList files; // Save As answers
        bool quits;
        int questions;
    } rows[] = {
        {"No, then Cancel at the second", {Answer::No, Answer::Cancel}, {}, false, 2},
        {"Yes, then Save As cancelled", {Answer::Yes}, {}, false, 1},
        {"Yes, then Save As fails (a folder)", {Answer::Yes}, {folder.path()}, false, 1},
        {"No to both", {Answer::No, Answer::No}, {}, true, 2},
        {"Yes to both, through Save As", {Answer::Yes, Answer::Yes}, {surveyFile, maskFile}, true, 2},
    };
    for (const auto& r : rows) {
        start();
        CDocument* survey = app->showWindowOfKind(kSurveyKind.kind.code)->document();
        CDocument* sky = app->showWindowOfKind(kSkyPlotKind.kind.code)->document();
        survey->setModifiedFlag();
        sky->setModifiedFlag();
        prompter.questions.clear();
        prompter.answers.assign(r.answers.begin(), r.answers.end());
        prompter.files.assign(r.files.begin(), r.files.end());

        EXPECT_EQ(frame().close(), r.quits) << r.legend;
        QCoreApplication::processEvents();
        EXPECT_EQ(prompter.questions.size(), r.questions) << r.legend << ": each asked once";
        if (r.quits) {
            EXPECT_EQ(app->slot(kSurveyKind.kind.code), nullptr) << r.legend;
            EXPECT_EQ(app->slot(kSkyPlotKind.kind.code), nullptr) << r.legend;
            continue;
        }
        EXPECT_TRUE(frame().isVisible()) << r.legend;
        EXPECT_EQ(app->slot(kSurveyKind.kind.code), survey) << r.legend << ": nothing closed";
        EXPECT_EQ(app->slot(kSkyPlotKind.kind.code), sky) << r.legend;
        EXPECT_TRUE(survey->isModified()) << r.legend;
        EXPECT_TRUE(sky->isModified()) << r.legend;
    }
    EXPECT_GT(QFileInfo(surveyFile).size(), 0);
    EXPECT_GT(QFileInfo(maskFile).size(), 0);
}

struct ProgramRun {
    int exitCode = -1;
    QString errors;
};

// The program on the sample log with the survey open, quitting by itself.
ProgramRun runUnattended(const QTemporaryDir& folder, const QString& stateHome)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), folder.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), stateHome);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORBILUNEX_PROGRAM),
                  {"--play", QStringLiteral(SAMPLE_DATA_DIR) + "/sample.nmea", "--speed",
                   "fastest", "--open", "survey", "--quit-after", "3", "--settings",
                   folder.filePath(QStringLiteral("settings.conf"))});
    ProgramRun run;
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.errors = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

// --quit-after with a survey gathering samples waited for ever at the save
// question; now the survey is written to the state folder and named.
TEST(UnattendedQuit, UnsavedSurveyGoesToTheStateFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString state = folder.filePath(QStringLiteral("state"));
    const ProgramRun run = runUnattended(folder, state);
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QDir recovery(state + QStringLiteral("/orbilunex"));
    const QStringList written = recovery.entryList({QStringLiteral("Survey-*.pth")}, QDir::Files);
    ASSERT_EQ(written.size(), 1) << run.errors.toStdString();
    const QString path = recovery.filePath(written[0]);
    EXPECT_TRUE(run.errors.contains(QStringLiteral(" written to ") + path))
        << run.errors.toStdString();

    MemorySettingsStore settings;
    SurveyModel survey(settings);
    struct : PathReadPrompts {
        bool disableAcquisition() override { return false; }
        void oldFormatNotice() override {}
    } prompts;
    std::ifstream in(QFile::encodeName(path).toStdString(), std::ios::binary);
    EXPECT_EQ(readPathFile(in, survey, prompts).status, PathReadResult::Status::Ok);
    EXPECT_GT(survey.sampleCount(), 0u);
}

TEST(UnattendedQuit, ARecoveryFileThatCannotBeWrittenIsSaidAndFails)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // A plain file where the state folder should be: nothing can go under it.
    const QString blocker = folder.filePath(QStringLiteral("state"));
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));
    const ProgramRun run = runUnattended(folder, blocker);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.exitCode, -1) << "it ended by itself";
    EXPECT_TRUE(run.errors.contains(QStringLiteral("unsaved Survey Window could not be written")))
        << run.errors.toStdString();
}

} // namespace
