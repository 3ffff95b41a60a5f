#include "gauges/attitude/AttitudeDoc.h"
#include "gauges/attitude/AttitudeView.h"
#include "gauges/attitude/AttitudeWnd.h"
#include "models/gauges/attitude/AttitudeLayout.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "gauges/attitude/AttitudeKind.h"

#include <gtest/gtest.h>

#include <QMenu>

#include <memory>

namespace orbilunex {
namespace {

TEST(AttitudeWnd, SkyIsBlueAboveTheHorizonAndNotBelowIt)
{
    struct Case {
        double roll;
        double pitch;
        const char* picture;
    };
    const Case cases[] = {
        {0, 0, "attitude-level.png"},
        {90, 0, nullptr},
        {-30, 10, "attitude-roll-30-pitch-10.png"},
    };
    const QSize size(300, 300);
    const DialGeometry dial = layoutDial({0, 0, size.width(), size.height()});
    const double u = dial.unit;
    const QRgb sky = kAttitudeSkyColour;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "roll " << c.roll << ", pitch " << c.pitch);
        CAttitudeWnd control;
        control.setAttitude(c.roll, c.pitch);
        const QImage picture = control.render(size);
        if (c.picture) test::savePicture(picture, c.picture);

        const AttitudeLayout layout = layoutAttitude(dial, c.roll, c.pitch);
        // A point `up` units above the horizon (below when negative) and
        // `side` units along it, clear of the ladder, its numbers and the
        // ground lines.
        auto at = [&](double up, double side) {
            const AttitudePoint onHorizon =
                attitudeMove({layout.horizonX, layout.horizonY}, side * u, c.roll + 90);
            const PixelPoint p = attitudePixel(attitudeMove(onHorizon, up * u, c.roll));
            return picture.pixel(p.x, p.y);
        };
        for (double side : {-45.0, 45.0}) {
            EXPECT_EQ(test::colourName(at(30, side)), test::colourName(sky)) << side;
            EXPECT_NE(at(-50, side), sky) << side;
        }
        EXPECT_EQ(test::colourName(at(5, -60)), test::colourName(sky)) << "just above";
        EXPECT_NE(at(-5, -60), sky) << "just below";
        // Between the inner circle and the rim, on the sky side: clipped away.
        const PixelPoint rim = dialPoint(dial, 85, c.roll + 8);
        EXPECT_NE(picture.pixel(rim.x, rim.y), sky);
    }
}

TEST(AttitudeView, HoldsLevelFlightWithoutTimerOrMenu)
{
    test::FakeAppContext app;
    DocTemplate tmpl;
    tmpl.kind = &kAttitudeKind.kind;
    CAttitudeDoc document(tmpl, app);
    CAttitudeView view(&document, app);
    EXPECT_EQ(view.indicator()->windowTitle(), "Attitude");
    EXPECT_FALSE(view.tickTimer().isActive());
    std::unique_ptr<QMenu> menu(view.buildContextMenu());
    EXPECT_TRUE(menu->isEmpty());
    const QJsonObject shows = view.shows();
    EXPECT_EQ(shows["roll"].toDouble(-1), 0);
    EXPECT_EQ(shows["pitch"].toDouble(-1), 0);
}

} // namespace
} // namespace orbilunex
