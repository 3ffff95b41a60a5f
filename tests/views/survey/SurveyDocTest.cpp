#include "tests/common/FakeAppContext.h"
#include "tests/common/HangGuard.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyKind.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

#include <sys/stat.h>

namespace orbilunex {
namespace {

using test::FakeAppContext;

class SurveyDocTest : public ::testing::Test {
protected:
    SurveyDocTest() { tmpl.kind = &kSurveyKind.kind; }

    std::unique_ptr<CSurveyDoc> newDocument()
    {
        auto doc = std::make_unique<CSurveyDoc>(tmpl, app);
        doc->setTitle(QStringLiteral("Survey Window"));
        return doc;
    }

    static void addSamples(CSurveyDoc& doc, int count)
    {
        for (int i = 0; i < count; ++i)
            doc.addSample(47.2768 + i * 1e-6, 11.3481 - i * 2e-6, 600.5 + i * 0.01, 17,
                          i % 3 == 0 ? 0 : 1, static_cast<std::uint16_t>(8 + i % 30), 13);
    }

    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
    FakeAppContext app;
    DocTemplate tmpl;
};

TEST_F(SurveyDocTest, SavedAndReopenedGivesTheSameBytes)
{
    auto doc = newDocument();
    addSamples(*doc, 120);
    EXPECT_TRUE(doc->isModified());
    const QString first = folder.filePath(QStringLiteral("first.pth"));
    ASSERT_TRUE(doc->onSaveDocument(first));
    EXPECT_EQ(bytesOf(first).size(), 2048 + 62 * 120);

    auto reopened = newDocument();
    app.asker.answers.push_back(Prompter::Answer::No); // keep acquiring
    ASSERT_TRUE(reopened->onOpenDocument(first));
    EXPECT_EQ(reopened->survey().sampleCount(), 120u);
    EXPECT_FALSE(reopened->isModified());
    EXPECT_TRUE(reopened->survey().acquisitionEnabled);
    const QString second = folder.filePath(QStringLiteral("second.pth"));
    ASSERT_TRUE(reopened->onSaveDocument(second));
    EXPECT_EQ(bytesOf(second), bytesOf(first));
}

TEST_F(SurveyDocTest, FileOpenAsksReadsAndNamesTheWindow)
{
    auto source = newDocument();
    addSamples(*source, 10);
    const QString path = folder.filePath(QStringLiteral("pier.pth"));
    ASSERT_TRUE(source->onSaveDocument(path));

    auto doc = newDocument();
    int loaded = 0;
    QObject::connect(doc.get(), &CSurveyDoc::surveyLoaded, [&loaded] { ++loaded; });
    app.asker.files.push_back(path);
    app.asker.answers.push_back(Prompter::Answer::Yes); // disable acquisition
    doc->onFileOpen(app.asker, nullptr);
    EXPECT_EQ(app.asker.questions, QStringList{"Disable Position Acquisition?"});
    EXPECT_FALSE(doc->survey().acquisitionEnabled);
    EXPECT_EQ(doc->survey().sampleCount(), 10u);
    EXPECT_EQ(doc->title(), "Survey Window - [pier.pth]");
    EXPECT_EQ(doc->pathName(), path);
    EXPECT_EQ(loaded, 1);

    // A second file: acquisition is off, so nothing is asked.
    app.asker.files.push_back(path);
    doc->onFileOpen(app.asker, nullptr);
    EXPECT_EQ(app.asker.questions.size(), 1);

    app.asker.files.push_back(folder.filePath(QStringLiteral("missing.pth")));
    doc->onFileOpen(app.asker, nullptr);
    EXPECT_EQ(app.asker.messages.last(), "Could Not Open File");
    EXPECT_EQ(doc->survey().sampleCount(), 10u) << "the survey is left as it was";

    // A pipe is refused, not waited on.
    const QString fifo = folder.filePath(QStringLiteral("pipe.pth"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    app.asker.files.push_back(fifo);
    {
        test::HangGuard guard("opening a pipe as a path file", std::chrono::seconds(20));
        doc->onFileOpen(app.asker, nullptr);
    }
    EXPECT_TRUE(app.asker.messages.last().contains("not a regular file"));
    EXPECT_EQ(doc->survey().sampleCount(), 10u);
}

// A header announcing fewer samples than the file holds loaded those
// without a word; now the window says so and leaves the file alone.
TEST_F(SurveyDocTest, SamplesBeyondTheHeadersCountAreSaid)
{
    auto source = newDocument();
    addSamples(*source, 12);
    const QString path = folder.filePath(QStringLiteral("pier.pth"));
    ASSERT_TRUE(source->onSaveDocument(path));
    QByteArray bytes = bytesOf(path);
    bytes[36] = 9;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    auto doc = newDocument();
    app.asker.answers.push_back(Prompter::Answer::No); // keep acquiring
    ASSERT_TRUE(doc->onOpenDocument(path));
    EXPECT_EQ(doc->survey().sampleCount(), 9u);
    EXPECT_EQ(app.asker.messages,
              QStringList{"pier.pth holds 12 samples but its header announces 9; only 9 were "
                          "loaded."});
    EXPECT_FALSE(doc->isModified()) << "nothing asks to save over the file";
    EXPECT_EQ(bytesOf(path), bytes);
}

TEST_F(SurveyDocTest, EraseAsksAndKeepsTheComment)
{
    auto doc = newDocument();
    addSamples(*doc, 5);
    doc->survey().headerBlock[40] = 'C';
    int cleared = 0;
    QObject::connect(doc.get(), &CSurveyDoc::surveyCleared, [&cleared] { ++cleared; });
    doc->eraseCommand(nullptr); // answered No
    EXPECT_EQ(doc->survey().sampleCount(), 5u);
    EXPECT_EQ(cleared, 0);

    app.asker.answers.push_back(Prompter::Answer::Yes);
    doc->eraseCommand(nullptr);
    EXPECT_EQ(app.asker.questions.last(),
              "This command will clear and erase all survey data. do you really want to "
              "continue?");
    EXPECT_EQ(doc->survey().sampleCount(), 0u);
    EXPECT_EQ(doc->survey().headerBlock[40], 'C');
    EXPECT_EQ(doc->title(), "Survey Window - [Untitled]");
    EXPECT_EQ(cleared, 1);
}

// Save after Erase wrote Untitled.pth into the working folder without a
// word; now a survey without a chosen file is saved through Save As, and
// one with a chosen file still saves to it without asking.
TEST_F(SurveyDocTest, SaveAfterEraseGoesThroughSaveAs)
{
    const QString workingFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    auto doc = newDocument();
    doc->setPathName(folder.filePath(QStringLiteral("pier.pth")));
    app.asker.answers.push_back(Prompter::Answer::Yes);
    doc->eraseCommand(nullptr);
    EXPECT_TRUE(doc->pathName().isEmpty());

    addSamples(*doc, 3);
    EXPECT_FALSE(doc->doSave(app.asker, nullptr, false)) << "Save As cancelled";
    const QString chosen = folder.filePath(QStringLiteral("chosen.pth"));
    app.asker.files.push_back(chosen);
    ASSERT_TRUE(doc->doSave(app.asker, nullptr, false));
    EXPECT_TRUE(app.asker.files.empty());

    addSamples(*doc, 1);
    ASSERT_TRUE(doc->doSave(app.asker, nullptr, false)) << "to the chosen file, nothing asked";
    EXPECT_EQ(bytesOf(chosen).size(), 2048 + 62 * 4);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"chosen.pth"});
    QDir::setCurrent(workingFolder);
}

TEST_F(SurveyDocTest, MenuHasTheSixCommandsWithTheirMarks)
{
    app.store.setInt("Survey Configuration", "EnablePALSFSD", 0);
    app.store.setInt("Survey Configuration", "AccuracyCircles", 1);
    auto doc = newDocument();
    QWidget parent;
    QMenu menu;
    int propertiesRun = 0;
    fillSurveyMenu(menu, *doc, &parent, [&propertiesRun] { ++propertiesRun; });
    QStringList items;
    for (QAction* action : menu.actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{"&Open...", "&Erase and Clear Screen", "-",
                                  "E&nable Least Squares Fit Average Indicator",
                                  "Enable Position &Average Indicator", "Accuracy &Circles", "-",
                                  "&Properties"}));
    EXPECT_FALSE(menu.actions()[3]->isChecked());
    EXPECT_TRUE(menu.actions()[4]->isChecked());
    EXPECT_TRUE(menu.actions()[5]->isChecked());
    menu.actions()[3]->trigger();
    EXPECT_EQ(app.store.getInt("Survey Configuration", "EnablePALSFSD", -1), 1)
        << "written at once";
    menu.actions()[5]->trigger();
    EXPECT_EQ(app.store.getInt("Survey Configuration", "AccuracyCircles", -1), 0)
        << "written at once";
    menu.actions()[7]->trigger();
    EXPECT_EQ(propertiesRun, 1);
}

} // namespace
} // namespace orbilunex
