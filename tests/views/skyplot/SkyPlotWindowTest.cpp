#include "tests/common/AppTestFixture.h"
#include "tests/common/HangGuard.h"
#include "tests/common/NmeaSentence.h"
#include "tests/common/PixelProbe.h"

#include "framework/ChildFrame.h"
#include "models/skyplot/MaskFile.h"
#include "nmea/NmeaParser.h"
#include "settings/GeneralSettings.h"
#include "shell/Commands.h"
#include "views/skyplot/AzimuthElevationDoc.h"
#include "views/skyplot/AzimuthElevationView.h"
#include "views/skyplot/SkyPlotPropertySheet.h"
#include "views/skyplot/SkyPlotWnd.h"
#include "views/skyplot/SkyPlotKind.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMdiArea>

#include <functional>

#include <sys/stat.h>

using namespace orbilunex;
using namespace orbilunex::test;

namespace {

constexpr const char* kSection = "Azimuthelevation";

class SkyPlotWindowTest : public AppFixture {
protected:
    CAzimuthElevationView* openSky()
    {
        CChildFrame* child = app->showWindowOfKind(kSkyPlotKind.kind.code);
        return child ? static_cast<CAzimuthElevationView*>(child->view()) : nullptr;
    }

    // Feeds sentences to the main frame's parser, as a receiver would.
    void receive(const std::string& bodies)
    {
        const std::string stream = sentences(bodies);
        frame().dataPath().parser.feed(stream.data(), stream.size());
    }

    QString writeMask(const char* name, const std::string& comment, int azimuth, int elevation)
    {
        MaskCommentBlock block;
        setMaskCommentText(block, comment);
        SkyPlotModel model;
        model.mask[azimuth] = {azimuth, elevation, 1};
        const std::string bytes = storeMaskFile(block, model.mask);
        const QString path = folder.filePath(QString::fromUtf8(name));
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
};

TEST_F(SkyPlotWindowTest, TitleAndSettingsAtCreation)
{
    settings.setInt(kSection, "EnableTrails", 0);
    settings.setInt(kSection, "SNRThreshold", 35);
    settings.setInt(kSection, "EnableSatDetails", 0);
    start();
    CAzimuthElevationView* view = openSky();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->document()->title(),
              "Azimuth & Elevation Window - [Azimuth & Elevation Window]");
    const SkyPlotModel& model = view->plotWindow()->model();
    EXPECT_EQ(model.trailsEnabled, 0);
    EXPECT_EQ(model.snrThreshold, 35);
    EXPECT_EQ(model.detailsEnabled, 0);
    EXPECT_EQ(model.maskOutlineEnabled, 1) << "read only when the menu opens";
}

TEST_F(SkyPlotWindowTest, TickLearnsAndMarksTheDocumentModified)
{
    start();
    CAzimuthElevationView* view = openSky();
    receive("GPGSA,A,3,07,,,,,,,,,,,,1.5,1.0,1.1\n"
            "GPGSV,1,1,02,07,12,210,44,09,40,100,30");
    view->tick();
    const SkyPlotModel& model = view->plotWindow()->model();
    EXPECT_EQ(model.mask[210].lowestElevation, 12);
    EXPECT_EQ(model.mask[100].observed, 0) << "unused and weak";
    EXPECT_TRUE(view->document()->isModified());
    EXPECT_EQ(model.satellites[1].prn, 9);

    // The layout keeps the window (its caption is the decorated title).
    closeMainWindow();
    EXPECT_EQ(settings.getInt("WindowPosition", "NumOfWindows", 0), 1);
}

// Clearing empties the trails or the mask; the next tick fills them from the
// satellites in view although no sentence came since.
TEST_F(SkyPlotWindowTest, ClearedTrailsAndMaskAreFilledAgainAtTheNextTick)
{
    start();
    CAzimuthElevationView* view = openSky();
    const SkyPlotModel& model = view->plotWindow()->model();
    receive("GPGSA,A,3,07,,,,,,,,,,,,1.5,1.0,1.1\n"
            "GPGSV,1,1,01,07,12,210,44");
    view->tick();
    view->runCommand(CAzimuthElevationView::ClearTrails);
    view->runCommand(CAzimuthElevationView::ClearMask);
    ASSERT_EQ(model.trailNext[0], 0);
    ASSERT_EQ(model.mask[210].observed, 0);
    view->tick();
    EXPECT_EQ(model.trailNext[0], 1);
    EXPECT_EQ(model.mask[210].lowestElevation, 12);
}

TEST_F(SkyPlotWindowTest, MenuCommandsWriteTheirKeysAndMarksFollowTheSettings)
{
    start();
    CAzimuthElevationView* view = openSky();
    SkyPlotModel& model = view->plotWindow()->model();
    struct Case {
        CAzimuthElevationView::Command command;
        const char* key;
        int* flag;
    };
    const Case cases[] = {
        {CAzimuthElevationView::ToggleTrails, "EnableTrails", &model.trailsEnabled},
        {CAzimuthElevationView::ToggleMaskOutline, "EnableMaskAngle", &model.maskOutlineEnabled},
        {CAzimuthElevationView::ToggleDetails, "EnableSatDetails", &model.detailsEnabled},
    };
    for (const auto& c : cases) {
        view->runCommand(c.command);
        EXPECT_EQ(*c.flag, 0) << c.key;
        EXPECT_EQ(settings.getInt(kSection, c.key, -1), 0) << c.key;
        view->runCommand(c.command);
        EXPECT_EQ(*c.flag, 1) << c.key;
        EXPECT_EQ(settings.getInt(kSection, c.key, -1), 1) << c.key;
    }

    settings.setInt(kSection, "EnableTrails", 0);
    settings.setInt(kSection, "EnableMaskAngle", 0);
    std::unique_ptr<QMenu> menu(view->buildContextMenu());
    QStringList items;
    for (QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{"&Open...", "-", "&Enable Satellite Trails",
                                  "&Clear Satellite Trails", "-", "E&nable Physical Mask Angle",
                                  "C&lear Physical Mask Angle", "-", "Enable &Satellite Details",
                                  "&Properties"}));
    EXPECT_FALSE(menu->actions()[2]->isChecked());
    EXPECT_FALSE(menu->actions()[5]->isChecked());
    EXPECT_TRUE(menu->actions()[8]->isChecked());
    EXPECT_EQ(model.trailsEnabled, 0) << "the stored value is taken on";
    EXPECT_EQ(model.maskOutlineEnabled, 0);
}

// Save after Clear wrote Untitled.msk into the working folder without a
// word, over whatever was there. Now it asks for a file through Save As;
// once one is chosen, Save writes to it without asking.
TEST_F(SkyPlotWindowTest, ClearMaskGivesAnUntitledDocumentThatSaveAsksAbout)
{
    const QString workingFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const QString loaded = writeMask("loaded.msk", "loaded", 5, 10);
    settings.setString(kSection, "LastAzimuthMaskFile", loaded.toStdString());
    start();
    CAzimuthElevationView* view = openSky();
    SkyPlotModel& model = view->plotWindow()->model();
    ASSERT_EQ(model.mask[5].observed, 1);
    view->runCommand(CAzimuthElevationView::ClearMask);
    EXPECT_EQ(model.mask[5].observed, 0);
    EXPECT_EQ(view->document()->title(), "Azimuth & Elevation Window - [Untitled]");
    EXPECT_TRUE(view->document()->pathName().isEmpty());

    const QString chosen = folder.filePath("chosen.msk");
    prompter.files.push_back(chosen);
    frame().runCommand(commands::kFileSave);
    EXPECT_TRUE(prompter.files.empty()) << "Save went through Save As";
    EXPECT_TRUE(QFileInfo::exists(chosen));
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("Untitled.msk")));

    model.mask[7] = {7, 20, 1};
    view->document()->setModifiedFlag();
    frame().runCommand(commands::kFileSave);
    EXPECT_FALSE(view->document()->isModified()) << "saved to the chosen file, nothing asked";
    QFile saved(chosen);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(),
              storeMaskFile(view->skyDocument()->commentBlock(), model.mask));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "loaded.msk, chosen.msk";
    QDir::setCurrent(workingFolder);
}

TEST_F(SkyPlotWindowTest, AutoLoadReadsTheLastMaskFile)
{
    const QString mask = writeMask("last.msk", "Roof antenna", 230, 41);
    settings.setString(kSection, "LastAzimuthMaskFile", mask.toStdString());
    start();
    CAzimuthElevationView* view = openSky();
    const SkyPlotModel& model = view->plotWindow()->model();
    EXPECT_EQ(model.mask[230].lowestElevation, 41);
    EXPECT_EQ(model.mask[230].observed, 1);
    EXPECT_EQ(view->plotWindow()->comment(), "Roof antenna");
    EXPECT_EQ(view->document()->pathName(), mask) << "Save writes back to it";
    EXPECT_EQ(view->document()->title(),
              "Azimuth & Elevation Window - [Azimuth & Elevation Window]");
    EXPECT_FALSE(view->document()->isModified());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(SkyPlotWindowTest, AutoLoadOffOrMissingFileLoadsNothingSilently)
{
    const QString mask = writeMask("off.msk", "x", 10, 20);
    settings.setString(kSection, "LastAzimuthMaskFile", mask.toStdString());
    settings.setInt(kSection, "EnableAutoLoad", 0);
    start();
    CAzimuthElevationView* view = openSky();
    EXPECT_EQ(view->plotWindow()->model().mask[10].observed, 0);
    view->parentWidget()->close();

    settings.setInt(kSection, "EnableAutoLoad", 1);
    settings.setString(kSection, "LastAzimuthMaskFile",
                       folder.filePath("missing.msk").toStdString());
    view = openSky();
    EXPECT_EQ(view->plotWindow()->model().mask[10].observed, 0);
    EXPECT_TRUE(view->document()->pathName().isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(SkyPlotWindowTest, OpenAndSaveThroughTheMainMenu)
{
    start();
    CAzimuthElevationView* view = openSky();
    view->plotWindow()->model().mask[42] = {42, 7, 1};
    view->document()->setModifiedFlag();
    frame().updateInterface();
    EXPECT_TRUE(frame().action(commands::kFileSave)->isEnabled());

    const QString saved = folder.filePath("saved.msk");
    prompter.files.push_back(saved);
    frame().runCommand(commands::kFileSaveAs);
    EXPECT_EQ(QFile(saved).size(), static_cast<qint64>(kMaskFileBytes));
    EXPECT_FALSE(view->document()->isModified());
    EXPECT_EQ(view->document()->title(), "Azimuth & Elevation Window - [saved.msk]");

    // Open: a missing file is refused, an existing one replaces the mask.
    view->plotWindow()->model().resetMask();
    prompter.files.push_back(folder.filePath("nothing.msk"));
    frame().runCommand(commands::kFileOpen);
    EXPECT_TRUE(prompter.messages.contains("Could Not Open File"));
    prompter.files.push_back(saved);
    frame().runCommand(commands::kFileOpen);
    EXPECT_EQ(view->plotWindow()->model().mask[42].lowestElevation, 7);
}

TEST_F(SkyPlotWindowTest, ShortMaskFileIsReportedAndKeepsWhatWasRead)
{
    QString mask = writeMask("short.msk", "c", 3, 30);
    QFile file(mask);
    file.resize(static_cast<qint64>(kMaskCommentBytes + 12 * 5));
    start();
    CAzimuthElevationView* view = openSky();
    prompter.files.push_back(mask);
    view->runCommand(CAzimuthElevationView::OpenMask);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains("short.msk"));
    EXPECT_EQ(view->plotWindow()->model().mask[3].lowestElevation, 30) << "read before the end";
}

// A pipe as the auto-loaded file held the window's opening (and the
// program's start) until someone wrote to it; /dev/zero through Open grew
// the process by gigabytes. Both are refused with a message naming them.
TEST_F(SkyPlotWindowTest, MaskFilesThatAreNotPlainFilesAreRefused)
{
    const QString pipe = folder.filePath("pipe.msk");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    settings.setString(kSection, "LastAzimuthMaskFile", pipe.toStdString());
    start();
    CAzimuthElevationView* view = nullptr;
    {
        HangGuard guard("opening the sky plot with a pipe to load", std::chrono::seconds(20));
        view = openSky();
    }
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->document()->pathName().isEmpty());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].contains(pipe)) << prompter.messages[0].toStdString();
    EXPECT_TRUE(prompter.messages[0].contains("not a regular file"));

    const QString saved = writeMask("kept.msk", "kept", 12, 34);
    prompter.files.push_back(saved);
    view->runCommand(CAzimuthElevationView::OpenMask);
    for (const QString& device : {pipe, QStringLiteral("/dev/zero")}) {
        prompter.files.push_back(device);
        HangGuard guard("opening " + device.toStdString(), std::chrono::seconds(20));
        view->runCommand(CAzimuthElevationView::OpenMask);
        EXPECT_TRUE(prompter.messages.last().contains(device));
        EXPECT_EQ(view->document()->pathName(), saved) << "the document stays as it was";
        EXPECT_EQ(view->plotWindow()->model().mask[12].lowestElevation, 34);
    }
    EXPECT_EQ(prompter.messages.size(), 3);
}

// Save wrote the file in place: a pipe held the window until a reader
// came, a failed write left a damaged file. Now the contents go where a
// link leads (the link stays), and a pipe is refused with the reason.
TEST_F(SkyPlotWindowTest, SaveGoesThroughLinksAndRefusesPipes)
{
    const QString target = writeMask("target.msk", "old", 1, 1);
    const QString link = folder.filePath("link.msk");
    const QString pipe = folder.filePath("save-pipe.msk");
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    start();
    CAzimuthElevationView* view = openSky();
    view->plotWindow()->model().mask[42] = {42, 7, 1};

    prompter.files.push_back(link);
    frame().runCommand(commands::kFileSaveAs);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(),
              storeMaskFile(view->skyDocument()->commentBlock(), view->plotWindow()->model().mask));

    view->document()->setModifiedFlag();
    prompter.files.push_back(pipe);
    {
        HangGuard guard("saving into a pipe", std::chrono::seconds(20));
        frame().runCommand(commands::kFileSaveAs);
    }
    ASSERT_FALSE(prompter.messages.isEmpty());
    EXPECT_TRUE(prompter.messages.last().contains(pipe)) << prompter.messages.last().toStdString();
    EXPECT_TRUE(prompter.messages.last().contains("not a regular file"));
    EXPECT_TRUE(view->document()->isModified());
    EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile()) << "still a pipe";
}

TEST_F(SkyPlotWindowTest, PropertiesApplyInOrderAndMarkModified)
{
    start();
    CAzimuthElevationView* view = openSky();
    prompter.dialogs.push_back([&](QDialog& d) {
        auto& sheet = dynamic_cast<CSkyPlotPropertySheet&>(d);
        EXPECT_EQ(sheet.values().snrThreshold, 40);
        return true; // unchanged
    });
    view->runCommand(CAzimuthElevationView::Properties);
    EXPECT_TRUE(view->document()->isModified()) << "confirming always counts as a change";
    EXPECT_EQ(settings.getInt(kSection, "SNRThreshold", -1), 40);
    EXPECT_EQ(settings.getInt(kSection, "EnableAutoLoad", -1), 1);
    EXPECT_TRUE(settings.contains(kSection, "LastAzimuthMaskFile"));
}

TEST_F(SkyPlotWindowTest, WindowShowsTheChart)
{
    start();
    CAzimuthElevationView* view = openSky();
    view->parentWidget()->resize(420, 440);
    const QImage picture = view->plotWindow()->grab().toImage();
    ASSERT_GT(picture.width(), 100);
    // Just off the centre, between spokes: the black sky.
    const QPoint inside(picture.width() / 2 + 7, picture.height() / 2 + 19);
    EXPECT_EQ(picture.pixelColor(inside), QColor(0, 0, 0));
    EXPECT_EQ(picture.pixelColor(1, 1).rgb(), view->palette().color(QPalette::Button).rgb());
}

// The window keeps its canvas, clip disc and point lists from paint to
// paint; what the last picture left there never shows in the next.
TEST_F(SkyPlotWindowTest, ARepaintOnTheKeptCanvasIsAFreshPicture)
{
    start();
    CAzimuthElevationView* view = openSky();
    view->parentWidget()->resize(420, 440);
    CSkyPlotWnd* plot = view->plotWindow();
    struct Step {
        const char* legend;
        std::function<void()> run;
    };
    const Step steps[] = {
        {"satellites, a mask", [&] {
             receive("GPGSA,A,3,07,09,,,,,,,,,,,1.5,1.0,1.1\n"
                     "GPGSV,1,1,02,07,12,210,44,09,40,100,45");
         }},
        {"one moved, one gone", [&] {
             receive("GPGSA,A,3,07,,,,,,,,,,,,1.5,1.0,1.1\nGPGSV,1,1,01,07,20,250,44");
         }},
        {"trails cleared", [&] { view->runCommand(CAzimuthElevationView::ClearTrails); }},
        {"a smaller window", [&] { view->parentWidget()->resize(300, 330); }},
    };
    for (const Step& step : steps) {
        step.run();
        view->tick();
        const QImage shown = plot->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shown == plot->render(plot->size())) << step.legend;
    }
}

// "Smooth drawing" reaches the chart at the next tick, and smooths its
// circles and text: colours between the disc's black and the lines' grey
// and white appear that the classic picture lacks.
TEST_F(SkyPlotWindowTest, SmoothDrawingReachesTheChartAtTheNextTick)
{
    start();
    CAzimuthElevationView* view = openSky();
    ASSERT_NE(view, nullptr);
    view->tick();
    const auto colours = [](const QImage& image) {
        return test::distinctColours(image, image.rect());
    };
    const int classic = colours(view->plotWindow()->render(QSize(240, 200)));
    EXPECT_FALSE(view->plotWindow()->smooth());

    writeSetting(settings, settings::general::kSmoothDrawing, 1);
    view->tick();
    ASSERT_TRUE(view->plotWindow()->smooth());
    EXPECT_GT(colours(view->plotWindow()->render(QSize(240, 200))), classic + 20);
}


} // namespace
