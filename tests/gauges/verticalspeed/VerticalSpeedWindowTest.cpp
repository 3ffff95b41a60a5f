#include "gauges/verticalspeed/VerticalSpeedDoc.h"
#include "gauges/verticalspeed/VerticalSpeedView.h"
#include "gauges/verticalspeed/VerticalSpeedWnd.h"
#include "models/gauges/DialGeometry.h"
#include "settings/GaugeSettings.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "gauges/verticalspeed/VerticalSpeedKind.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QJsonArray>
#include <QMenu>

#include <memory>

namespace orbilunex {
namespace {

namespace keys = settings::gauges::verticalspeed;

QRgb pixelAt(const QImage& image, const PixelPoint& p)
{
    return image.pixel(p.x, p.y);
}

TEST(VerticalSpeedWnd, NeedleAndHubStandAtTheComputedAngle)
{
    struct Case {
        double fullScale;
        double value;
        double held;
        double degrees;
        const char* legend;
    };
    const Case cases[] = {
        {2000, 1000, 1000, 345, "1000 ft/min climbing"},
        {2000, -3000, -2000, 120, "past full scale descending: pinned, and held"},
        {0, 250, 250, 0, "no full scale: twelve o'clock"},
    };
    const QSize size(300, 300);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        CVerticalSpeedWnd control;
        const QRgb needle = gaugePalette(control.palette()).needle.rgb();
        control.setFullScale(c.fullScale);
        control.setValue(c.value, QStringLiteral("ft/min"));
        EXPECT_EQ(control.picture().value, c.held);
        const QImage picture = control.render(size);
        ASSERT_TRUE(control.drawn().has_value());
        EXPECT_DOUBLE_EQ(*control.drawn(), c.degrees);

        const DialGeometry dial = layoutDial({0, 0, size.width(), size.height()});
        // Near the kite's tip, on the needle line, and on the hub beside the line.
        EXPECT_EQ(test::colourName(pixelAt(picture, dialPoint(dial, 56, c.degrees))),
                  test::colourName(needle));
        EXPECT_EQ(test::colourName(pixelAt(picture, dialPoint(dial, 30, c.degrees))),
                  test::colourName(needle));
        EXPECT_EQ(test::colourName(pixelAt(picture, dialPoint(dial, 3, c.degrees + 90))),
                  test::colourName(needle));
        // Nowhere near a quarter turn away.
        EXPECT_NE(pixelAt(picture, dialPoint(dial, 56, c.degrees + 90)), needle);
        if (c.value == 1000) test::savePicture(picture, "vspeed-1000-of-2000.png");
    }
}

TEST(VerticalSpeedView, PollsTheRateAndPicksTheFullScaleFromTheMenu)
{
    test::FakeAppContext app;
    writeSetting(app.store, keys::kMaxVertSpeed, 400);
    DocTemplate tmpl;
    tmpl.kind = &kVerticalSpeedKind.kind;
    CVerticalSpeedDoc document(tmpl, app);
    CVerticalSpeedView view(&document, app);
    CVerticalSpeedWnd& control = *view.indicator();
    EXPECT_EQ(control.windowTitle(), "VerticalSpeed");
    EXPECT_EQ(control.picture().fullScale, 400);
    EXPECT_FALSE(view.allowsPrinting());

    // 10 m up in 6 s: 100 m/min, 328.08 ft/min, within the 400 scale.
    app.receive("GPGGA,120010,4807.038,N,01131.000,E,1,08,0.9,100.0,M,46.9,M,,\n"
                "GPGGA,120016,4807.038,N,01131.000,E,1,08,0.9,110.0,M,46.9,M,,");
    view.tick();
    control.render(QSize(200, 200));
    const QJsonObject shows = view.shows();
    EXPECT_NEAR(shows["value"].toDouble(), 328.083989501, 1e-6);
    EXPECT_EQ(shows["unit"].toString(), "ft/min");
    EXPECT_EQ(shows["fullScale"].toDouble(), 400);
    ASSERT_EQ(shows["needles"].toArray().size(), 1);
    EXPECT_NEAR(shows["needles"][0].toDouble(), 270 + 150 * 328.083989501 / 400, 1e-6);
    EXPECT_EQ(shows["filter"].toInt(), 0);

    auto scaleItems = [&view] {
        std::unique_ptr<QMenu> menu(view.buildContextMenu());
        const QList<QAction*> items = menu->actions();
        EXPECT_EQ(items.size(), 3);
        EXPECT_TRUE(items[1]->isSeparator());
        EXPECT_EQ(items[2]->text(), "Enable &Filter");
        QMenu* scales = items[0]->menu();
        EXPECT_EQ(items[0]->text(), "Max Vertical Speed");
        QStringList texts, checked;
        for (QAction* item : scales->actions()) {
            texts << item->text();
            if (item->isChecked()) checked << item->text();
        }
        EXPECT_EQ(texts, QStringList({"5", "400", "1200", "2000", "4000", "6000"}));
        return std::make_pair(std::move(menu), checked);
    };
    {
        auto [menu, checked] = scaleItems();
        EXPECT_EQ(checked, QStringList{"400"});
        menu->actions()[0]->menu()->actions()[5]->trigger();
    }
    EXPECT_EQ(readSetting(app.store, keys::kMaxVertSpeed), 6000);
    EXPECT_EQ(control.picture().fullScale, 6000);

    // Another window changed the store: the marks follow it, not this dial.
    writeSetting(app.store, keys::kMaxVertSpeed, 5);
    EXPECT_EQ(scaleItems().second, QStringList{"5"});
    EXPECT_EQ(control.picture().fullScale, 6000);

    // In metres the dial reads m/sec, a hundredth of the choice at full scale.
    app.store.setInt("Settings", "AltitudeElevationUnits", 1);
    view.tick();
    EXPECT_EQ(control.picture().fullScale, 60);
    EXPECT_EQ(control.picture().unit, "m/sec");
    EXPECT_NEAR(control.picture().value, 10.0 / 6, 1e-9) << "10 m in 6 s";
}

} // namespace
} // namespace orbilunex
