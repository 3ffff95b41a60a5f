#include "gauges/altimeter/AltimeterDoc.h"
#include "gauges/altimeter/AltimeterView.h"
#include "gauges/altimeter/AltimeterWnd.h"
#include "settings/DisplaySettings.h"
#include "tests/common/EventPump.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "gauges/altimeter/AltimeterKind.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QJsonArray>
#include <QMenu>

#include <memory>

namespace orbilunex {
namespace {

TEST(AltimeterWnd, WiderThanHighCentresTheDialAcross)
{
    CAltimeterWnd control;
    control.setValue(1250, QStringLiteral("ft"));
    const QSize size(400, 200);
    const QImage picture = control.render(size);
    test::savePicture(picture, "altimeter-wide.png");
    const GaugePalette palette = gaugePalette(control.palette());
    const DialGeometry dial = layoutDial({0, 0, size.width(), size.height()});
    ASSERT_EQ(dial.square, (PixelRect{105, 5, 295, 195}));
    auto at = [&](double radius, double degrees) {
        const PixelPoint p = dialPoint(dial, radius, degrees);
        return test::colourName(picture.pixel(p.x, p.y));
    };
    const std::string text = test::colourName(palette.text.rgb());
    // Both ends of the long side, between ticks and beyond the pointers:
    // button face, the outline, then the face.
    for (double degrees : {90.0, 270.0}) {
        SCOPED_TRACE(degrees);
        EXPECT_EQ(at(94, degrees), test::colourName(palette.background.rgb()));
        const PixelPoint rim = dialPoint(dial, 90, degrees);
        EXPECT_GT(test::countPixels(picture, QRect(rim.x - 2, rim.y - 2, 5, 5),
                                    [&](QRgb rgb) { return test::colourName(rgb) == text; }),
                  0);
        EXPECT_EQ(at(85, degrees), test::colourName(palette.face.rgb()));
    }
}

TEST(AltimeterView, TickShowsTheAltitudeAndThePointersInDrawingOrder)
{
    test::FakeAppContext app;
    writeSetting(app.store, settings::display::kAltitudeUnits, altitudeMeters);
    app.receive("GPGGA,101500.00,4716.7820,N,01120.8885,E,1,08,0.9,1250.0,M,47.0,M,,");
    DocTemplate tmpl;
    tmpl.kind = &kAltimeterKind.kind;
    CAltimeterDoc document(tmpl, app);
    CAltimeterView view(&document, app);
    std::unique_ptr<QMenu> menu(view.buildContextMenu());
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), "Enable &Filter");

    view.resize(300, 300);
    view.show();
    QObject::connect(&view.tickTimer(), &QTimer::timeout, &view,
                     [&view] { view.tickTimer().stop(); }); // one tick
    view.setTickInterval(0);
    ASSERT_TRUE(test::pumpUntil([&] { return !view.tickTimer().isActive(); }));
    const QJsonObject shows = view.shows();
    EXPECT_EQ(shows.value("value").toDouble(), 1250.0);
    EXPECT_EQ(shows.value("unit").toString(), "m");
    EXPECT_EQ(shows.value("filter").toInt(), 0);
    EXPECT_EQ(shows.value("needles").toArray(), (QJsonArray{90.0, 45.0, 4.5}))
        << "long, short, dot, as drawn";
    const QImage picture = view.altimeter()->render(QSize(300, 300));
    test::savePicture(picture, "altimeter.png");
}

} // namespace
} // namespace orbilunex
