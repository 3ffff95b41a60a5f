#include "gauges/speedometer/SpeedometerDoc.h"
#include "gauges/speedometer/SpeedometerView.h"
#include "gauges/speedometer/SpeedometerWnd.h"
#include "settings/DisplaySettings.h"
#include "settings/GaugeSettings.h"
#include "tests/common/EventPump.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "gauges/speedometer/SpeedometerKind.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QJsonArray>
#include <QMenu>

#include <memory>
#include <vector>

namespace orbilunex {
namespace {

namespace gauge = settings::gauges::speedometer;

TEST(SpeedometerWnd, NeedleTipAndHubInTheHighlightAtTheirAngle)
{
    struct Case {
        double maxSpeed;
        double speed;
        double pointsAt; // where the tip must be
        double notAt;    // where a needle stopped at full scale or misread would be
    };
    const Case cases[] = {{10, 12.5, 90, 0}, {150, 112.5, 270, 90}, {0, 5, 0, 90}};
    const QSize size(300, 300);
    const DialGeometry dial = layoutDial({0, 0, size.width(), size.height()});
    // The hub is a dot D/20 pixels across: lit behind the centre, where the
    // needle does not reach, out to its edge and no further.
    const double hubRadius = dial.diameter / 20 / 2 / dial.unit;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.speed);
        CSpeedometerWnd control;
        control.setFullScale(c.maxSpeed);
        control.setValue(c.speed, QStringLiteral("KT"));
        const QImage picture = control.render(size);
        const std::string needle = test::colourName(gaugePalette(control.palette()).needle.rgb());
        auto at = [&](double radius, double degrees) {
            const PixelPoint p = dialPoint(dial, radius, degrees);
            return test::colourName(picture.pixel(p.x, p.y));
        };
        EXPECT_EQ(at(60, c.pointsAt), needle);
        EXPECT_NE(at(60, c.notAt), needle);
        EXPECT_EQ(at(0, 0), needle);
        EXPECT_EQ(at(hubRadius * 0.6, c.pointsAt + 180), needle);
        EXPECT_NE(at(hubRadius * 2, c.pointsAt + 180), needle);
        if (c.maxSpeed == 150) test::savePicture(picture, "speedometer.png");
    }
}

TEST(SpeedometerWnd, TheKeptDialFollowsTheFullScaleTheUnitAndTheSize)
{
    struct Case {
        double maxSpeed;
        const char* unit;
        QSize size;
        const char* legend;
    };
    const Case cases[] = {
        {150, "KT", {300, 300}, "first draw"},
        {10, "KT", {300, 300}, "a new full scale relabels the scale"},
        {10, "km/h", {300, 300}, "a new unit resizes the read-out box"},
        {10, "km/h", {401, 257}, "a new size"},
    };
    CSpeedometerWnd kept;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        kept.setFullScale(c.maxSpeed);
        kept.setValue(7.5, QString::fromLatin1(c.unit));
        CSpeedometerWnd fresh;
        fresh.setFullScale(c.maxSpeed);
        fresh.setValue(7.5, QString::fromLatin1(c.unit));
        EXPECT_EQ(kept.render(c.size), fresh.render(c.size));
    }
}

class SpeedometerViewTest : public ::testing::Test {
protected:
    std::unique_ptr<CSpeedometerView> open()
    {
        tmpl.kind = &kSpeedometerKind.kind;
        documents.push_back(std::make_unique<CSpeedometerDoc>(tmpl, app));
        return std::make_unique<CSpeedometerView>(documents.back().get(), app);
    }

    // The "&Maximum Speed" items checked in a menu opened now.
    static QStringList checkedScales(CSpeedometerView& view)
    {
        std::unique_ptr<QMenu> menu(view.buildContextMenu());
        QStringList checked;
        for (QAction* item : menu->actions()[0]->menu()->actions())
            if (item->isChecked()) checked << item->text();
        return checked;
    }

    test::FakeAppContext app;
    DocTemplate tmpl;
    std::vector<std::unique_ptr<CSpeedometerDoc>> documents;
};

TEST_F(SpeedometerViewTest, MaximumSpeedItemStoresAndIsCheckedAtTheNextOpening)
{
    auto view = open();
    EXPECT_FALSE(view->allowsPrinting());
    std::unique_ptr<QMenu> menu(view->buildContextMenu());
    const QList<QAction*> top = menu->actions();
    ASSERT_EQ(top.size(), 3);
    ASSERT_NE(top[0]->menu(), nullptr);
    EXPECT_EQ(top[0]->text(), "&Maximum Speed");
    EXPECT_TRUE(top[1]->isSeparator());
    EXPECT_EQ(top[2]->text(), "Enable &Filter");
    const QList<QAction*> items = top[0]->menu()->actions();
    QStringList texts;
    for (QAction* item : items) texts << item->text();
    EXPECT_EQ(texts, QStringList({"&500", "&250", "&200", "&150", "&100", "&50", "&20", "&10"}));
    EXPECT_EQ(checkedScales(*view), QStringList{"&150"}) << "the default";

    items[5]->trigger();
    EXPECT_EQ(readSetting(app.store, gauge::kMaxSpeed), 50);
    EXPECT_EQ(view->speedometer()->picture().fullScale, 50.0);
    EXPECT_EQ(checkedScales(*view), QStringList{"&50"});

    writeSetting(app.store, gauge::kMaxSpeed, -1);
    EXPECT_EQ(open()->speedometer()->picture().fullScale, 4294967295.0) << "read as unsigned";
}

TEST_F(SpeedometerViewTest, TickShowsTheConvertedSpeedAndTheNeedleDrawn)
{
    writeSetting(app.store, settings::display::kUnits, unitsNautical);
    writeSetting(app.store, gauge::kMaxSpeed, 10);
    app.receive("GPRMC,101500.00,A,4716.7820,N,01120.8885,E,12.5,45.0,080625,,,A");
    auto view = open();
    view->resize(300, 300);
    view->show();
    QObject::connect(&view->tickTimer(), &QTimer::timeout, view.get(),
                     [&view] { view->tickTimer().stop(); }); // one tick
    view->setTickInterval(0);
    ASSERT_TRUE(test::pumpUntil([&] { return !view->tickTimer().isActive(); }));
    const QJsonObject shows = view->shows();
    EXPECT_EQ(shows.value("value").toDouble(), 12.5);
    EXPECT_EQ(shows.value("unit").toString(), "KT");
    EXPECT_EQ(shows.value("fullScale").toDouble(), 10.0);
    EXPECT_EQ(shows.value("needles").toArray(), QJsonArray{450.0}) << "as drawn";
    EXPECT_EQ(shows.value("filter").toInt(), 0);
}

} // namespace
} // namespace orbilunex
