#include "framework/HostView.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PaintCounter.h"
#include "views/navigation/NavigationDoc.h"
#include "views/navigation/NavigationKind.h"
#include "views/navigation/NavigationView.h"
#include "views/signalquality/SignalBarsWnd.h"
#include "views/signalquality/SignalQualityDoc.h"
#include "views/signalquality/SignalQualityKind.h"
#include "views/signalquality/SignalQualityView.h"
#include "views/skyplot/AzimuthElevationDoc.h"
#include "views/skyplot/AzimuthElevationView.h"
#include "views/skyplot/SkyPlotKind.h"
#include "views/skyplot/SkyPlotWnd.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyElevationView.h"
#include "views/survey/SurveyKind.h"
#include "views/survey/SurveyStatsView.h"
#include "views/survey/SurveyView.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

// Every heap block the process takes is counted, Qt's as well as the
// program's (operator new ends in malloc too), so that a test can tell a
// stretch of code that allocates nothing.
namespace {
long allocations = 0;
}

extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* malloc(std::size_t size)
{
    ++allocations;
    return __libc_malloc(size);
}

namespace orbilunex {
namespace {

using test::FakeAppContext;
using test::PaintCounter;

// One window as a test drives it: its document, its view (declared after
// it, so gone first) and the widget its picture is painted on.
struct Window {
    std::unique_ptr<CDocument> document;
    std::unique_ptr<CHostView> view;
    QWidget* canvas = nullptr;
};

template <typename Doc, typename View>
Window open(FakeAppContext& app, const DocTemplate& tmpl,
            const std::function<QWidget*(View&)>& canvas)
{
    Window window;
    auto document = std::make_unique<Doc>(tmpl, app);
    auto view = std::make_unique<View>(document.get(), app);
    window.canvas = canvas(*view);
    window.document = std::move(document);
    window.view = std::move(view);
    return window;
}

constexpr const char* kFix =
    "GPGGA,101500,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";

struct Kind {
    const char* name;
    const WindowKind* kind;
    std::function<Window(FakeAppContext&, const DocTemplate&)> open;
    // Sentences that change what the window shows.
    const char* news;
};

const Kind kKinds[] = {
    {"sky plot", &kSkyPlotKind.kind,
     [](FakeAppContext& app, const DocTemplate& tmpl) {
         return open<CAzimuthElevationDoc, CAzimuthElevationView>(
             app, tmpl, [](CAzimuthElevationView& v) -> QWidget* { return v.plotWindow(); });
     },
     "GPGSA,A,3,07,,,,,,,,,,,,1.5,1.0,1.1\nGPGSV,1,1,01,07,40,210,44"},
    {"signal bars", &kSignalQualityKind.kind,
     [](FakeAppContext& app, const DocTemplate& tmpl) {
         return open<CSignalQualityDoc, CSignalQualityView>(
             app, tmpl, [](CSignalQualityView& v) -> QWidget* { return v.barsWindow(); });
     },
     "GPGSV,1,1,01,07,40,210,44"},
    {"navigation", &kNavigationKind.kind,
     [](FakeAppContext& app, const DocTemplate& tmpl) {
         return open<CNavigationDoc, CNavigationView>(
             app, tmpl, [](CNavigationView& v) -> QWidget* { return v.child(); });
     },
     kFix},
    {"survey plot", &kSurveyKind.kind,
     [](FakeAppContext& app, const DocTemplate& tmpl) {
         return open<CSurveyDoc, CSurveyView>(
             app, tmpl, [](CSurveyView& v) -> QWidget* { return v.child(); });
     },
     kFix},
    {"survey altitude chart", &kSurveyKind.kind,
     [](FakeAppContext& app, const DocTemplate& tmpl) {
         return open<CSurveyDoc, CSurveyElevationView>(
             app, tmpl, [](CSurveyElevationView& v) -> QWidget* { return v.child(); });
     },
     kFix},
    {"survey statistics", &kSurveyKind.kind,
     [](FakeAppContext& app, const DocTemplate& tmpl) {
         return open<CSurveyDoc, CSurveyStatsView>(
             app, tmpl, [](CSurveyStatsView& v) -> QWidget* { return v.textWindow(); });
     },
     "GPGSA,A,3,05,11,12,,,,,,,,,,1.8,1.1,1.5"},
};

// A window paints only for a picture that changed: not at the ticks in which
// nothing came in (which allocate nothing either), nor for a sentence or a
// setting it does not show; but at once for one it does.
TEST(IdleTickTest, AWindowRepaintsOnlyWhenWhatItShowsChanged)
{
    for (const Kind& k : kKinds) {
        SCOPED_TRACE(k.name);
        FakeAppContext app;
        DocTemplate tmpl;
        tmpl.kind = k.kind;
        Window window = k.open(app, tmpl);
        window.view->resize(400, 300);
        window.view->show();
        PaintCounter paints(window.canvas);
        window.view->tick();
        ASSERT_GT(paints.settle(), 0) << "shown";

        const long before = allocations;
        for (int i = 0; i < 3; ++i) window.view->tick();
        EXPECT_EQ(allocations - before, 0) << "idle ticks allocate nothing";
        EXPECT_EQ(paints.settle(), 0) << "idle ticks";

        // Course and speed, and a setting no window here reads.
        app.receive("GPVTG,054.7,T,034.4,M,005.5,N,010.2,K");
        app.store.setInt("Unrelated", "Key", 1);
        window.view->tick();
        window.view->tick();
        EXPECT_EQ(paints.settle(), 0) << "nothing shown changed";

        app.receive(k.news);
        window.view->tick();
        EXPECT_GT(paints.settle(), 0) << "what it shows changed";
        window.view->tick();
        EXPECT_EQ(paints.settle(), 0) << "and was drawn once";
    }
}

} // namespace
} // namespace orbilunex
