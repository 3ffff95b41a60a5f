#include "gauges/compass/CompassDoc.h"
#include "gauges/compass/CompassView.h"
#include "models/gauges/compass/CompassLayout.h"
#include "settings/DisplaySettings.h"
#include "settings/GaugeSettings.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "gauges/compass/CompassKind.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QJsonArray>
#include <QMenu>

#include <memory>

namespace orbilunex {
namespace {

namespace keys = settings::gauges::compass;

// A compass window on a fake application, sized as a user might leave it.
struct CompassWindow {
    explicit CompassWindow(int style = 0, int filter = 0)
    {
        writeSetting(app.store, keys::kStyle, style);
        writeSetting(app.store, keys::kFilter, filter);
        tmpl.kind = &kCompassKind.kind;
        document = std::make_unique<CCompassDoc>(tmpl, app);
        view = std::make_unique<CCompassView>(document.get(), app);
        view->show();
        view->resize(300, 200);
    }

    test::FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CCompassDoc> document;
    std::unique_ptr<CCompassView> view;
};

bool sameColour(QRgb pixel, const QColor& colour)
{
    return pixel == colour.rgb();
}

TEST(CompassTape, TicksHangAndTheBlueLineStandsAtTheHeading)
{
    CCompassWnd tape;
    tape.setHeading(0);
    const QSize size(400, 100);
    const QImage picture = tape.render(size);
    test::savePicture(picture, "compass-tape.png");
    const HeadingTapeLayout layout = layoutHeadingTape({0, 0, 400, 100}, 0);
    const QColor blue(kHeadingLineColour);
    const QColor face = gaugePalette(tape.palette()).background;
    const int x = layout.headingColumn;

    for (int y : {0, 30, 60, 99})
        EXPECT_EQ(test::colourName(picture.pixel(x, y)), test::colourName(blue.rgb())) << y;
    // Below the ticks and labels only the blue line is blue.
    EXPECT_EQ(test::countPixels(picture, QRect(1, 90, 398, 1),
                                [&](QRgb p) { return sameColour(p, blue); }),
              1);

    // The "N" under the line: black beside it, on the label's face.
    const int black = test::countPixels(picture, QRect(x - 15, 50, 31, 30),
                                        [](QRgb p) { return p == qRgb(0, 0, 0); });
    EXPECT_GT(black, 20);

    // 10 degrees right: a tick half the height long, its end exclusive.
    const int ten = layout.ticks[56].column;
    ASSERT_EQ(layout.ticks[56].degree, 10);
    EXPECT_EQ(picture.pixel(ten, 49), qRgb(0, 0, 0));
    EXPECT_EQ(test::colourName(picture.pixel(ten, 50)), test::colourName(face.rgb()));

    // The sunken frame keeps its sides: ticks are clipped from them.
    const QColor shadow = tape.palette().color(QPalette::Dark);
    const QColor light = tape.palette().color(QPalette::Light);
    EXPECT_EQ(test::colourName(picture.pixel(0, 5)), test::colourName(shadow.rgb()));
    EXPECT_EQ(test::colourName(picture.pixel(399, 5)), test::colourName(light.rgb()));
}

TEST(BearingCompass, PointerStandsAtTheRelativeBearing)
{
    CBearingCompassWnd compass;
    compass.setRangeUnit(QStringLiteral("nmi"));
    compass.setValues(90, 45, QStringLiteral("DOCK"), 2.5);
    const QImage picture = compass.render(QSize(300, 300));
    test::savePicture(picture, "compass-bearing.png");
    EXPECT_EQ(compass.drawn(), 315);

    const GaugePalette colours = gaugePalette(compass.palette());
    const DialGeometry dial = layoutDial({0, 0, 300, 300});
    auto at = [&](double radius, double degrees) {
        const PixelPoint p = dialPoint(dial, radius, degrees);
        return test::colourName(picture.pixel(p.x, p.y));
    };
    const std::string needle = test::colourName(colours.needle.rgb());
    EXPECT_EQ(at(20, 315), needle) << "the line";
    EXPECT_EQ(at(47, 315), needle) << "inside the head";
    EXPECT_EQ(at(0, 0), needle) << "the hub";
    EXPECT_EQ(at(47, 45), test::colourName(colours.face.rgb())) << "not at the true bearing";
    EXPECT_EQ(at(75, 0), test::colourName(colours.text.rgb())) << "the lubber line";
}

TEST(SimpleCompass, DigitsAndTheCaret)
{
    EXPECT_EQ(headingText(7), QString::fromUtf8("007\u00b0"));

    CSimpleCompassWnd compass;
    compass.setHeading(7);
    const QImage picture = compass.render(QSize(300, 300));
    test::savePicture(picture, "compass-simple.png");
    const DialGeometry dial = layoutDial({0, 0, 300, 300});
    const HeadingCaret caret = headingCaret(dial);
    const QColor needle = gaugePalette(compass.palette()).needle;
    const int midX = (caret.tip.x + caret.right.x) / 2;
    const int midY = (caret.tip.y + caret.right.y) / 2;
    EXPECT_EQ(test::colourName(picture.pixel(midX, midY)), test::colourName(needle.rgb()));
    EXPECT_EQ(test::countPixels(picture, picture.rect(),
                                [&](QRgb p) { return sameColour(p, needle); }),
              test::countPixels(picture, QRect(QPoint(caret.left.x - 5, caret.tip.y - 5),
                                               QPoint(caret.right.x + 5, caret.left.y + 5)),
                                [&](QRgb p) { return sameColour(p, needle); }))
        << "the caret is the only thing in the highlight colour";
}

TEST(CompassView, TheStyleMenuShowsOneControlAndStoresIt)
{
    CompassWindow window(1);
    CCompassView& view = *window.view;
    EXPECT_TRUE(view.bearingCompass().isVisibleTo(&view));
    EXPECT_FALSE(view.tape().isVisibleTo(&view));
    EXPECT_FALSE(view.simpleCompass().isVisibleTo(&view));
    EXPECT_EQ(view.tape().windowTitle(), "Compass");
    EXPECT_EQ(view.bearingCompass().windowTitle(), "Bearing Compass");
    EXPECT_EQ(view.simpleCompass().windowTitle(), "Simple Compass");
    for (QWidget* control : {static_cast<QWidget*>(&view.tape()),
                             static_cast<QWidget*>(&view.bearingCompass()),
                             static_cast<QWidget*>(&view.simpleCompass())})
        EXPECT_EQ(control->geometry(), QRect(0, 0, 300, 200)) << "hidden ones too";

    std::unique_ptr<QMenu> menu(view.buildContextMenu());
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[1]->text(), "Enable &Filter");
    QMenu* styles = menu->actions()[0]->menu();
    ASSERT_NE(styles, nullptr);
    EXPECT_EQ(menu->actions()[0]->text(), "&Compass Style");
    ASSERT_EQ(styles->actions().size(), 3);
    const char* texts[] = {"Normal", "&Bearing", "&Simple"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(styles->actions()[i]->text(), texts[i]);
        EXPECT_EQ(styles->actions()[i]->isChecked(), i == 1) << texts[i];
    }

    styles->actions()[2]->trigger();
    EXPECT_EQ(view.style(), 2);
    EXPECT_EQ(readSetting(window.app.store, keys::kStyle), 2);
    EXPECT_TRUE(view.simpleCompass().isVisibleTo(&view));
    EXPECT_FALSE(view.bearingCompass().isVisibleTo(&view));
    EXPECT_FALSE(view.tape().isVisibleTo(&view));

    std::unique_ptr<QMenu> again(view.buildContextMenu());
    QMenu* stylesAgain = again->actions()[0]->menu();
    stylesAgain->actions()[0]->trigger();
    EXPECT_EQ(readSetting(window.app.store, keys::kStyle), 0);
    EXPECT_TRUE(view.tape().isVisibleTo(&view));
    EXPECT_FALSE(view.simpleCompass().isVisibleTo(&view));
}

TEST(CompassView, FeedsOnlyTheShownStyleAndReportsIt)
{
    const char* course = "GPRMC,095120.00,A,4716.7742,N,01120.8895,E,27.0,123.9,210526,3.6,E";
    const char* route = "GPRMB,A,0.42,R,HOME,DOCK,5103.81,N,11402.36,W,002.5,045.7,003.8,V";

    CompassWindow bearing(1);
    writeSetting(bearing.app.store, settings::display::kUnits, unitsMetric);
    bearing.app.receive(std::string(course) + "\n" + route);
    bearing.view->tick();
    const BearingCompassPicture& drawn = bearing.view->bearingCompass().picture();
    EXPECT_EQ(drawn.heading, 123);
    EXPECT_EQ(drawn.bearing, 45);
    EXPECT_EQ(drawn.waypoint, "DOCK");
    EXPECT_DOUBLE_EQ(drawn.range, 2.5 * 1.852) << "nautical miles to kilometres";
    EXPECT_EQ(drawn.rangeUnit, "km");
    EXPECT_EQ(bearing.view->tape().picture().heading, 0) << "the hidden tape is not fed";
    test::savePicture(bearing.view->grab().toImage(), "compass-window-bearing.png");
    const QJsonObject shows = bearing.view->shows();
    EXPECT_EQ(shows["style"].toInt(), 1);
    EXPECT_EQ(shows["value"].toInt(), 123);
    EXPECT_EQ(shows["unit"].toString(), "km");
    EXPECT_DOUBLE_EQ(shows["heading"].toDouble(), 123.9);
    EXPECT_EQ(shows["bearing"].toInt(), 45);
    EXPECT_EQ(shows["waypoint"].toString(), "DOCK");
    EXPECT_EQ(shows["needles"].toArray(), QJsonArray({282}));
    EXPECT_EQ(shows["filter"].toInt(), 0);

    // An unknown style shows and feeds nothing.
    CompassWindow none(3);
    none.app.receive(course);
    none.view->tick();
    EXPECT_FALSE(none.view->tape().isVisibleTo(none.view.get()));
    EXPECT_FALSE(none.view->bearingCompass().isVisibleTo(none.view.get()));
    EXPECT_FALSE(none.view->simpleCompass().isVisibleTo(none.view.get()));
    EXPECT_EQ(none.view->tape().picture().heading, 0);
    EXPECT_EQ(none.view->simpleCompass().picture().heading, 0);
    EXPECT_TRUE(none.view->shows()["value"].isNull());
}

TEST(CompassView, SmoothsOnlyWithTheFilterOn)
{
    CompassWindow window(2, 1);
    window.app.receive("GPRMC,095120.00,A,4716.7742,N,01120.8895,E,27.0,10.0,210526,3.6,E");
    window.view->tick();
    EXPECT_DOUBLE_EQ(window.view->smoothedHeading(), 2.0) << "a fifth of the way from 0";
    EXPECT_EQ(window.view->simpleCompass().picture().heading, 2);
    window.view->toggleFilter();
    window.view->tick();
    EXPECT_DOUBLE_EQ(window.view->smoothedHeading(), 10.0);
    EXPECT_EQ(window.view->simpleCompass().picture().heading, 10);
}

} // namespace
} // namespace orbilunex
