#include "gauges/GaugeView.h"
#include "tests/common/FakeAppContext.h"
#include "gauges/altimeter/AltimeterKind.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <memory>

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

} // namespace
} // namespace orbilunex
