#include "tests/common/AppTestFixture.h"

#include "app/WindowKindList.h"
#include "framework/ChildFrame.h"
#include "framework/Document.h"
#include "framework/PlacementGeometry.h"
#include "views/navigation/NavigationKind.h"
#include "views/signalquality/SignalQualityKind.h"
#include "views/skyplot/SkyPlotKind.h"
#include "views/survey/SurveyKind.h"

#include <QGuiApplication>
#include <QImage>
#include <QMdiArea>
#include <QScreen>

#include <set>
#include <string>

using namespace orbilunex;
using namespace orbilunex::test;

namespace {

using AppLayoutTest = AppFixture;

std::string entry(int index, const MemorySettingsStore& settings)
{
    return settings.getString("WindowPosition", "WINDOW " + std::to_string(index), "");
}

TEST(WindowKindList, EveryKindHasItsOwnCodeNameCommandAndTitle)
{
    std::set<int> codes, commands;
    std::set<std::string> names, titles;
    for (const WindowKindDescriptor* descriptor : windowKindDescriptors()) {
        const WindowKind& kind = descriptor->kind;
        codes.insert(kind.code);
        commands.insert(kind.command);
        names.insert(kind.shortName);
        titles.insert(kind.title);
        EXPECT_NE(descriptor->drawIcon, nullptr) << kind.title;
        EXPECT_EQ(windowKindByCommand(kind.command), descriptor);
    }
    EXPECT_EQ(windowKinds().size(), 10);
    for (const auto* distinct : {&codes, &commands}) EXPECT_EQ(distinct->size(), 10u);
    for (const auto* distinct : {&names, &titles}) EXPECT_EQ(distinct->size(), 10u);
    EXPECT_STREQ(windowKinds().byCode(207)->title, "Azimuth & Elevation Window");
    EXPECT_STREQ(windowKinds().byTitle("Survey Window")->extension, ".pth");
    EXPECT_STREQ(windowKinds().byShortName("vspeed")->title, "Vertical Speed Window");
}

TEST_F(AppLayoutTest, FirstRunOpensOnlyTheMainWindowAndRecordsTheWorkingFolder)
{
    start();
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(frame().mdiArea()->subWindowList().isEmpty());
    EXPECT_FALSE(settings.getString("Application", "WorkingDir", "").empty());
    closeMainWindow();
    EXPECT_EQ(settings.getInt("WindowPosition", "NumOfWindows", -1), 0);
    EXPECT_TRUE(entry(0, settings).empty());
    EXPECT_TRUE(parsePlacement(settings.getString("WindowPosition", "Main", "")).has_value());
}

TEST_F(AppLayoutTest, ShowWindowOfKindNeverOpensASecond)
{
    start();
    CChildFrame* sky = app->showWindowOfKind(kSkyPlotKind.kind.code);
    ASSERT_NE(sky, nullptr);
    app->showWindowOfKind(kSurveyKind.kind.code);
    EXPECT_EQ(app->showWindowOfKind(kSkyPlotKind.kind.code), sky);
    EXPECT_EQ(frame().mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(frame().mdiArea()->currentSubWindow(), sky) << "brought forward";
    EXPECT_EQ(sky->windowTitle(), sky->document()->title()) << "the caption is the title";
    EXPECT_EQ(app->slot(kSkyPlotKind.kind.code), sky->document());

    // Closing empties the slot, so the kind can open again.
    sky->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(app->slot(kSkyPlotKind.kind.code), nullptr);
    EXPECT_NE(app->showWindowOfKind(kSkyPlotKind.kind.code), nullptr);
    EXPECT_EQ(frame().mdiArea()->subWindowList().size(), 2);
}

TEST_F(AppLayoutTest, LayoutRoundTripKeepsKindsOrderAndPlaces)
{
    start();
    const int kinds[] = {202, 207, 211};
    const QRect places[] = {QRect(10, 20, 300, 200), QRect(40, 60, 320, 240),
                            QRect(90, 30, 360, 280)};
    for (int i = 0; i < 3; ++i) app->showWindowOfKind(kinds[i])->setGeometry(places[i]);
    app->showWindowOfKind(kSkyPlotKind.kind.code); // now on top
    closeMainWindow();

    ASSERT_EQ(settings.getInt("WindowPosition", "NumOfWindows", -1), 3);
    // Bottom of the stack first: monitor, survey, then the sky plot on top.
    const int expectedOrder[] = {202, 211, 207};
    const QRect expectedPlace[] = {places[0], places[2], places[1]};
    for (int i = 0; i < 3; ++i) {
        int code = 0;
        WindowPlacement p;
        ASSERT_TRUE(parseWindowEntry(entry(i, settings), code, p)) << entry(i, settings);
        EXPECT_EQ(code, expectedOrder[i]);
        EXPECT_EQ(placementRect(p), expectedPlace[i]);
        EXPECT_EQ(p.showCommand, kShowNormal);
    }
    EXPECT_EQ(entry(0, settings), "202, 44, 0, 1, -1, -1, -1, -1, 10, 310, 20, 220")
        << "left, right, top, bottom";

    start();
    const auto windows = frame().mdiArea()->subWindowList(QMdiArea::StackingOrder);
    ASSERT_EQ(windows.size(), 3);
    for (int i = 0; i < 3; ++i) {
        auto* child = qobject_cast<CChildFrame*>(windows[i]);
        EXPECT_TRUE(child->windowTitle().startsWith(
            QString::fromUtf8(windowKinds().byCode(expectedOrder[i])->title)));
        EXPECT_EQ(child->geometry(), expectedPlace[i]);
    }
}

TEST_F(AppLayoutTest, RestoreSkipsRepeatsUnknownKindsAndBadEntries)
{
    settings.setString("WindowPosition", "Main", "44, 0, 1, -1, -1, -1, -1, 0, 900, 0, 700");
    settings.setInt("WindowPosition", "NumOfWindows", 5);
    settings.setString("WindowPosition", "WINDOW 0", "211, 44, 0, 1, -1, -1, -1, -1, 5, 305, 5, 205");
    settings.setString("WindowPosition", "WINDOW 1", "211, 44, 0, 1, -1, -1, -1, -1, 50, 450, 50, 350");
    settings.setString("WindowPosition", "WINDOW 2", "999, 44, 0, 1, -1, -1, -1, -1, 5, 305, 5, 205");
    settings.setString("WindowPosition", "WINDOW 3", "garbage");
    settings.setString("WindowPosition", "WINDOW 4", "340, 44, 0, 1, -1, -1, -1, -1, 20, 220, 30, 230");
    start();
    const auto windows = frame().mdiArea()->subWindowList(QMdiArea::StackingOrder);
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0]->windowTitle(), "Survey Window - [Survey Window]");
    EXPECT_EQ(windows[0]->geometry(), QRect(5, 5, 300, 200)) << "the first entry's place";
    EXPECT_EQ(windows[1]->windowTitle(), "Attitude");
}

TEST_F(AppLayoutTest, RenamedWindowIsNotSaved)
{
    start();
    app->showWindowOfKind(kNavigationKind.kind.code)
        ->setWindowTitle(QStringLiteral("Something else"));
    app->showWindowOfKind(kSignalQualityKind.kind.code);
    closeMainWindow();
    ASSERT_EQ(settings.getInt("WindowPosition", "NumOfWindows", -1), 1);
    EXPECT_EQ(entry(0, settings).substr(0, 4), "204,");
}

TEST_F(AppLayoutTest, DamagedLayoutNeverStopsTheStart)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* legend;
        const char* main;
        const char* count;
        const char* window;
    };
    const Case cases[] = {
        {"main window far off every screen", "44, 0, 1, -1, -1, -1, -1, 50000, 50800, 40000, 40600",
         "1", "202, 44, 0, 1, -1, -1, -1, -1, -9000, -8700, -9000, -8800"},
        {"negative sizes", "44, 0, 1, -1, -1, -1, -1, 800, 100, 600, 50", "1",
         "202, 44, 0, 1, -1, -1, -1, -1, 300, 10, 300, 10"},
        {"absurd sizes", "44, 0, 1, -1, -1, -1, -1, 0, 2000000000, 0, 2000000000", "1",
         "202, 44, 0, 1, -1, -1, -1, -1, 0, 1999999999, 0, 1999999999"},
        {"hidden show command", "44, 0, 0, -1, -1, -1, -1, 10, 810, 10, 610", "1",
         "202, 44, 0, 0, -1, -1, -1, -1, 10, 210, 10, 210"},
        {"count that is not a number", "44, 0, 1, -1, -1, -1, -1, 10, 810, 10, 610", "many", ""},
        {"huge count", "44, 0, 1, -1, -1, -1, -1, 10, 810, 10, 610", "2000000000",
         "202, 44, 0, 1, -1, -1, -1, -1, 10, 210, 10, 210"},
    };
    for (const auto& c : cases) {
        settings.setString("WindowPosition", "Main", c.main);
        settings.setString("WindowPosition", "NumOfWindows", c.count);
        settings.setString("WindowPosition", "WINDOW 0", c.window);
        start();
        EXPECT_TRUE(frame().isVisible()) << c.legend;
        EXPECT_TRUE(screen.intersects(frame().geometry())) << c.legend;
        EXPECT_LE(frame().width(), screen.width()) << c.legend;
        EXPECT_GE(frame().width(), 40) << c.legend;
        for (QMdiSubWindow* window : frame().mdiArea()->subWindowList()) {
            EXPECT_GE(window->width(), 40) << c.legend;
            EXPECT_LE(window->width(), 20000) << c.legend;
            EXPECT_GE(window->x() + window->width(), 48) << c.legend << ": reachable";
            EXPECT_GE(window->y(), 0) << c.legend << ": title bar reachable";
        }
        app.reset();
    }
}

TEST(PlacementGeometry, ReachableRect)
{
    const QRect area(0, 0, 1000, 800);
    const QSize fallback(480, 360);
    struct Case {
        const char* legend;
        QRect wanted;
        bool fit;
        QRect expected;
    };
    const Case cases[] = {
        {"inside stays", QRect(10, 20, 300, 200), false, QRect(10, 20, 300, 200)},
        {"off to the right comes back", QRect(5000, 20, 300, 200), false,
         QRect(1000 - 48, 20, 300, 200)},
        {"above the top comes down", QRect(10, -500, 300, 200), false, QRect(10, 0, 300, 200)},
        {"too small gets the fallback", QRect(10, 20, 5, 5), false, QRect(10, 20, 480, 360)},
        {"main window fits its screen", QRect(900, 700, 300, 200), true, QRect(700, 600, 300, 200)},
        {"main window larger than its screen", QRect(0, 0, 3000, 2000), true, QRect(0, 0, 1000, 800)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reachableRect(c.wanted, area, fallback, c.fit), c.expected) << c.legend;
}

TEST_F(AppLayoutTest, ModifiedDocumentAsksBeforeClosing)
{
    start();
    CChildFrame* child = app->showWindowOfKind(kSkyPlotKind.kind.code);
    child->document()->setModifiedFlag();
    prompter.answers.push_back(Prompter::Answer::Cancel);
    EXPECT_FALSE(child->close());
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_EQ(prompter.questions[0], QStringLiteral("Save changes to %1?").arg(child->document()->title()));
    EXPECT_EQ(app->slot(kSkyPlotKind.kind.code), child->document());

    prompter.answers.push_back(Prompter::Answer::No);
    EXPECT_TRUE(child->close());
    QCoreApplication::processEvents();
    EXPECT_EQ(app->slot(kSkyPlotKind.kind.code), nullptr);
}

} // namespace
