#include "gauges/altimeter/AltimeterWnd.h"
#include "gauges/attitude/AttitudeWnd.h"
#include "gauges/compass/BearingCompassWnd.h"
#include "gauges/compass/CompassWnd.h"
#include "gauges/compass/SimpleCompassWnd.h"
#include "gauges/speedometer/SpeedometerWnd.h"
#include "gauges/verticalspeed/VerticalSpeedWnd.h"
#include "tests/common/PixelProbe.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace orbilunex {
namespace {

// Every gauge control, with a reading that puts needles, numbers and
// labels on its picture.
struct GaugeCase {
    const char* name;
    std::function<std::unique_ptr<CGaugeWnd>()> make;
};

const GaugeCase kGauges[] = {
    {"speedometer",
     [] {
         auto control = std::make_unique<CSpeedometerWnd>();
         control->setFullScale(150);
         control->setValue(112.5, QStringLiteral("KT"));
         return std::unique_ptr<CGaugeWnd>(std::move(control));
     }},
    {"altimeter",
     [] {
         auto control = std::make_unique<CAltimeterWnd>();
         control->setValue(1250, QStringLiteral("m"));
         return std::unique_ptr<CGaugeWnd>(std::move(control));
     }},
    {"vertical speed",
     [] {
         auto control = std::make_unique<CVerticalSpeedWnd>();
         control->setFullScale(2000);
         control->setValue(1000, QStringLiteral("FPM"));
         return std::unique_ptr<CGaugeWnd>(std::move(control));
     }},
    {"heading tape",
     [] {
         auto control = std::make_unique<CCompassWnd>();
         control->setHeading(123);
         return std::unique_ptr<CGaugeWnd>(std::move(control));
     }},
    {"bearing compass",
     [] {
         auto control = std::make_unique<CBearingCompassWnd>();
         control->setRangeUnit(QStringLiteral("NM"));
         control->setValues(123, 200, QStringLiteral("HOME"), 4.2);
         return std::unique_ptr<CGaugeWnd>(std::move(control));
     }},
    {"simple compass",
     [] {
         auto control = std::make_unique<CSimpleCompassWnd>();
         control->setHeading(123);
         return std::unique_ptr<CGaugeWnd>(std::move(control));
     }},
    {"attitude",
     [] {
         auto control = std::make_unique<CAttitudeWnd>();
         control->setAttitude(-30, 10);
         return std::unique_ptr<CGaugeWnd>(std::move(control));
     }},
};

// Pixels of a 1x picture that differ from their right or lower neighbour:
// how much edge the picture has.
int edgePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1)) ++count;
        }
    return count;
}

TEST(GaugePicture, AtRatioTwoEveryGaugeIsDrawnFinerThanItsPictureAtOneStretched)
{
    const QSize size(300, 300);
    for (const GaugeCase& gauge : kGauges) {
        SCOPED_TRACE(gauge.name);
        const std::unique_ptr<CGaugeWnd> control = gauge.make();
        const QImage single = control->render(size, 1.0);
        const QImage fine = control->render(size, 2.0);
        ASSERT_EQ(fine.size(), size * 2);
        EXPECT_EQ(fine.devicePixelRatio(), 2.0);

        // A 2x2 block whose pixels differ carries detail a stretched 1x
        // picture cannot: the dial, its scale and its text edges must all
        // have it, not the moving parts alone.
        int splitBlocks = 0;
        int moved = 0; // blocks all of one colour that is not the 1x pixel's
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QRgb a = fine.pixel(2 * x, 2 * y), b = fine.pixel(2 * x + 1, 2 * y),
                           c = fine.pixel(2 * x, 2 * y + 1), d = fine.pixel(2 * x + 1, 2 * y + 1);
                if (a != b || a != c || a != d) ++splitBlocks;
                else if (a != single.pixel(x, y)) ++moved;
            }
        const int edges = edgePixels(single);
        EXPECT_GT(splitBlocks, edges / 2) << "edge pixels at 1x: " << edges;
        // The same picture in the same place: text and shapes keep their
        // logical size (doubled text moves thousands of blocks), so away
        // from edges 2x agrees with 1x.
        EXPECT_LT(moved, size.width() * size.height() / 50);
        if (std::string(gauge.name) == "speedometer") test::savePicture(fine, "speedometer-x2.png");
    }
}

} // namespace
} // namespace orbilunex
