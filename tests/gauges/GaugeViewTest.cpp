#include "gauges/GaugeView.h"
#include "gauges/GaugeWnd.h"
#include "gauges/altimeter/AltimeterKind.h"
#include "gauges/altimeter/AltimeterView.h"
#include "gauges/compass/CompassKind.h"
#include "gauges/compass/CompassView.h"
#include "gauges/speedometer/SpeedometerKind.h"
#include "gauges/speedometer/SpeedometerView.h"
#include "gauges/verticalspeed/VerticalSpeedKind.h"
#include "gauges/verticalspeed/VerticalSpeedView.h"
#include "settings/GaugeSettings.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PaintCounter.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QJsonObject>
#include <QMenu>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace orbilunex {
namespace {

constexpr IntSetting kFilter{"Probe Gauge", "Filter", 0};

class ProbeGauge : public CGaugeView {
public:
    ProbeGauge(CDocument* document, AppContext& app, bool fastWhenNonZero)
        : CGaugeView(document, app, kFilter, fastWhenNonZero)
    {
    }

protected:
    void fillContextMenu(QMenu& menu) override { addFilterItem(menu); }
};

TEST(GaugeView, FilterSetsThePollAndTogglesBackToWhereItWas)
{
    struct Case {
        const char* stored;
        bool fastWhenNonZero;
        int firstPeriod;
        bool checked;
        const char* legend;
    };
    const Case cases[] = {
        {nullptr, false, 1000, false, "off by default"},
        {"1", false, 100, true, "on"},
        {"2", false, 1000, false, "only 1 is on"},
        {"2", true, 100, false, "where any value but 0 polls fast"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        test::FakeAppContext app;
        if (c.stored) app.store.setString(kFilter.section, kFilter.key, c.stored);
        DocTemplate tmpl;
        tmpl.kind = &kAltimeterKind.kind;
        CDocument document(tmpl, app);
        ProbeGauge view(&document, app, c.fastWhenNonZero);
        EXPECT_EQ(view.tickTimer().interval(), c.firstPeriod);
        std::unique_ptr<QMenu> menu(view.buildContextMenu());
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions()[0]->text(), "Enable &Filter");
        EXPECT_EQ(menu->actions()[0]->isChecked(), c.checked);

        const int first = readSetting(app.store, kFilter);
        menu->actions()[0]->trigger();
        EXPECT_EQ(view.filterFlag(), c.checked ? 0 : 1);
        EXPECT_EQ(view.tickTimer().interval(), c.checked ? 1000 : 100);
        EXPECT_EQ(readSetting(app.store, kFilter), view.filterFlag()) << "written at once";
        view.toggleFilter();
        if (first == 0 || first == 1) {
            EXPECT_EQ(readSetting(app.store, kFilter), first) << "twice: back to the start";
            EXPECT_EQ(view.tickTimer().interval(), c.firstPeriod);
        }
    }
}

// The polling gauges, each with sentences that give it a value, another
// sentence that keeps that value and one that changes it.
struct PollingGauge {
    const char* name;
    const WindowKindDescriptor* kind;
    IntSetting filter;
    std::function<std::unique_ptr<CGaugeView>(CDocument*, AppContext&)> open;
    const char* first;
    const char* same;
    const char* other;
};

const char* const kFix = "GPRMC,101500.00,A,4716.7820,N,01120.8885,E,12.5,45.0,080625,,,A";
const char* const kSameFix = "GPRMC,101501.00,A,4716.7820,N,01120.8885,E,12.5,45.0,080625,,,A";
const char* const kOtherFix = "GPRMC,101502.00,A,4716.7820,N,01120.8885,E,30.0,200.0,080625,,,A";

template <typename View>
std::function<std::unique_ptr<CGaugeView>(CDocument*, AppContext&)> opener(int compassStyle = -1)
{
    return [compassStyle](CDocument* document, AppContext& app) {
        if (compassStyle >= 0)
            writeSetting(app.settings(), settings::gauges::compass::kStyle, compassStyle);
        return std::unique_ptr<CGaugeView>(new View(document, app));
    };
}

const std::vector<PollingGauge>& pollingGauges()
{
    namespace g = settings::gauges;
    static const std::vector<PollingGauge> gauges = {
        {"speedometer", &kSpeedometerKind, g::speedometer::kFilter, opener<CSpeedometerView>(),
         kFix, kSameFix, kOtherFix},
        {"altimeter", &kAltimeterKind, g::altimeter::kFilter, opener<CAltimeterView>(),
         "GPGGA,120010,4807.038,N,01131.000,E,1,08,0.9,100.0,M,46.9,M,,",
         "GPGGA,120011,4807.038,N,01131.000,E,1,08,0.9,100.0,M,46.9,M,,",
         "GPGGA,120012,4807.038,N,01131.000,E,1,08,0.9,250.0,M,46.9,M,,"},
        {"vertical speed", &kVerticalSpeedKind, g::verticalspeed::kFilter,
         opener<CVerticalSpeedView>(),
         "GPGGA,120010,4807.038,N,01131.000,E,1,08,0.9,100.0,M,46.9,M,,\n"
         "GPGGA,120016,4807.038,N,01131.000,E,1,08,0.9,110.0,M,46.9,M,,",
         "GPGGA,120022,4807.038,N,01131.000,E,1,08,0.9,120.0,M,46.9,M,,",
         "GPGGA,120028,4807.038,N,01131.000,E,1,08,0.9,100.0,M,46.9,M,,"},
        {"heading tape", &kCompassKind, g::compass::kFilter,
         opener<CCompassView>(CCompassView::Tape), kFix, kSameFix, kOtherFix},
        {"bearing compass", &kCompassKind, g::compass::kFilter,
         opener<CCompassView>(CCompassView::Bearing),
         "GPRMB,A,0.42,R,HOME,DOCK,5103.81,N,11402.36,W,002.5,045.7,003.8,V\n"
         "GPRMC,101500.00,A,4716.7820,N,01120.8885,E,12.5,45.0,080625,,,A",
         "GPRMB,A,0.42,R,HOME,DOCK,5103.81,N,11402.36,W,002.5,045.7,003.8,V",
         "GPRMB,A,0.42,R,HOME,DOCK,5103.81,N,11402.36,W,002.5,145.7,003.8,V"},
    };
    return gauges;
}

// A gauge view on screen with its timer stopped, so that the test's own
// view.tick() is the only clock, and the paints its controls receive.
struct ShownGauge {
    ShownGauge(const PollingGauge& gauge, int filter)
    {
        writeSetting(app.store, gauge.filter, filter);
        tmpl.kind = &gauge.kind->kind;
        document = std::make_unique<CDocument>(tmpl, app);
        view = gauge.open(document.get(), app);
        view->tickTimer().stop();
        view->resize(200, 200);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        for (CGaugeWnd* control : view->findChildren<CGaugeWnd*>())
            counters.push_back(std::make_unique<test::PaintCounter>(control));
        paints();
    }

    // Paints since the last call, once pending ones are delivered.
    int paints()
    {
        int total = 0;
        for (auto& counter : counters) total += counter->settle();
        return total;
    }

    // One tick, and the paints it caused.
    int tick()
    {
        view->tick();
        return paints();
    }

    test::FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CDocument> document;
    std::unique_ptr<CGaugeView> view;
    std::vector<std::unique_ptr<test::PaintCounter>> counters;
};

TEST(GaugeView, WithoutTheFilterOnlyAVisibleChangeRepaints)
{
    for (const PollingGauge& gauge : pollingGauges()) {
        SCOPED_TRACE(gauge.name);
        ShownGauge shown(gauge, 0);
        shown.app.receive(gauge.first);
        EXPECT_GE(shown.tick(), 1) << "a first value";
        const QJsonObject first = shown.view->shows();

        for (int i = 0; i < 3; ++i) EXPECT_EQ(shown.tick(), 0) << "nothing new";
        shown.app.receive(gauge.same);
        EXPECT_EQ(shown.tick(), 0) << "a sentence, but the same value";
        EXPECT_EQ(shown.view->shows(), first);

        shown.app.receive(gauge.other);
        EXPECT_GE(shown.tick(), 1) << "another value";
        EXPECT_NE(shown.view->shows(), first);
    }
}

TEST(GaugeView, ASmoothedGaugeStopsRepaintingOnceSettledAndANewValueStartsItAgain)
{
    for (const PollingGauge& gauge : pollingGauges()) {
        SCOPED_TRACE(gauge.name);
        ShownGauge shown(gauge, 1);
        shown.app.receive(gauge.first);
        // The filter creeps toward the value: many repaints, then none.
        int ticks = 0;
        int repainted = 0;
        int quiet = 0;
        while (quiet < 10 && ticks < 500) {
            ++ticks;
            const int paints = shown.tick();
            repainted += paints > 0 ? 1 : 0;
            quiet = paints > 0 ? 0 : quiet + 1;
        }
        EXPECT_EQ(quiet, 10) << "still repainting after " << ticks << " ticks";
        EXPECT_GT(repainted, 3) << "the needle moved in steps";
        const QJsonObject settled = shown.view->shows();

        shown.app.receive(gauge.other);
        EXPECT_GE(shown.tick(), 1) << "a new value sets it moving";
        EXPECT_NE(shown.view->shows(), settled);
    }
}

} // namespace
} // namespace orbilunex
