#include "gauges/altimeter/AltimeterDoc.h"
#include "gauges/altimeter/AltimeterKind.h"
#include "gauges/altimeter/AltimeterView.h"
#include "gauges/altimeter/AltimeterWnd.h"
#include "gauges/attitude/AttitudeDoc.h"
#include "gauges/attitude/AttitudeKind.h"
#include "gauges/attitude/AttitudeView.h"
#include "gauges/attitude/AttitudeWnd.h"
#include "gauges/compass/BearingCompassWnd.h"
#include "gauges/compass/CompassDoc.h"
#include "gauges/compass/CompassKind.h"
#include "gauges/compass/CompassView.h"
#include "gauges/compass/CompassWnd.h"
#include "gauges/compass/SimpleCompassWnd.h"
#include "gauges/speedometer/SpeedometerDoc.h"
#include "gauges/speedometer/SpeedometerKind.h"
#include "gauges/speedometer/SpeedometerView.h"
#include "gauges/speedometer/SpeedometerWnd.h"
#include "gauges/verticalspeed/VerticalSpeedDoc.h"
#include "gauges/verticalspeed/VerticalSpeedKind.h"
#include "gauges/verticalspeed/VerticalSpeedView.h"
#include "gauges/verticalspeed/VerticalSpeedWnd.h"
#include "settings/GaugeSettings.h"
#include "settings/GeneralSettings.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
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

// A gauge window on its own document (the compass in its bearing style,
// the face with a dial and text).
template <typename Doc, typename View>
struct GaugeWindow {
    DocTemplate tmpl;
    Doc document;
    View view;
    GaugeWindow(AppContext& app, const WindowKindDescriptor& kind)
        : tmpl{&kind.kind, {}, {}}, document(tmpl, app), view(&document, app)
    {
    }
};

struct Opened {
    CHostView* view;
    CGaugeWnd* control;
};

struct WindowCase {
    const char* name;
    // Opens the window on `app`, kept alive by `keep`.
    std::function<Opened(test::FakeAppContext& app, std::shared_ptr<void>& keep)> open;
};

template <typename Doc, typename View>
GaugeWindow<Doc, View>& openWindow(test::FakeAppContext& app, const WindowKindDescriptor& kind,
                                   std::shared_ptr<void>& keep)
{
    auto window = std::make_shared<GaugeWindow<Doc, View>>(app, kind);
    keep = window;
    return *window;
}

const WindowCase kWindows[] = {
    {"speedometer",
     [](test::FakeAppContext& app, std::shared_ptr<void>& keep) -> Opened {
         auto& window = openWindow<CSpeedometerDoc, CSpeedometerView>(app, kSpeedometerKind, keep);
         return {&window.view, window.view.speedometer()};
     }},
    {"altimeter",
     [](test::FakeAppContext& app, std::shared_ptr<void>& keep) -> Opened {
         auto& window = openWindow<CAltimeterDoc, CAltimeterView>(app, kAltimeterKind, keep);
         return {&window.view, window.view.altimeter()};
     }},
    {"vertical speed",
     [](test::FakeAppContext& app, std::shared_ptr<void>& keep) -> Opened {
         auto& window =
             openWindow<CVerticalSpeedDoc, CVerticalSpeedView>(app, kVerticalSpeedKind, keep);
         return {&window.view, window.view.indicator()};
     }},
    {"compass",
     [](test::FakeAppContext& app, std::shared_ptr<void>& keep) -> Opened {
         writeSetting(app.settings(), settings::gauges::compass::kStyle, 1);
         auto& window = openWindow<CCompassDoc, CCompassView>(app, kCompassKind, keep);
         return {&window.view, &window.view.bearingCompass()};
     }},
    {"attitude",
     [](test::FakeAppContext& app, std::shared_ptr<void>& keep) -> Opened {
         auto& window = openWindow<CAttitudeDoc, CAttitudeView>(app, kAttitudeKind, keep);
         return {&window.view, window.view.indicator()};
     }},
};

std::set<QRgb> coloursOf(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    return colours;
}

TEST(GaugePicture, SmoothDrawingReachesEveryGaugeAtItsTickAndRedrawsTheDial)
{
    namespace general = settings::general;
    const QSize size(300, 300);
    for (const WindowCase& window : kWindows) {
        SCOPED_TRACE(window.name);
        test::FakeAppContext app;
        app.receive("GPRMC,095120.00,A,4716.7742,N,01120.8895,E,27.0,123.9,210526,3.6,E\n"
                    "GPRMB,A,0.42,R,HOME,DOCK,5103.81,N,11402.36,W,002.5,045.7,003.8,V");
        std::shared_ptr<void> keep;
        const Opened opened = window.open(app, keep);
        CGaugeWnd* control = opened.control;
        opened.view->tick();
        const QImage plain = control->render(size);
        ASSERT_FALSE(control->smooth());

        writeSetting(app.settings(), general::kSmoothDrawing, 1);
        opened.view->tick();
        EXPECT_TRUE(control->smooth());
        const QImage smooth = control->render(size);
        // Anti-aliased edges blend the colours either side of them: colours
        // the picture drawn to the pixel does not have.
        const std::set<QRgb> plainColours = coloursOf(plain);
        const int blended = test::countPixels(smooth, smooth.rect(), [&](QRgb p) {
            return plainColours.count(p) == 0;
        });
        EXPECT_GT(blended, 500);
        // Nothing kept from before the change: a dial drawn afresh (after a
        // resize) looks the same.
        control->render(size + QSize(1, 0));
        EXPECT_TRUE(control->render(size) == smooth) << "the dial kept from before";

        writeSetting(app.settings(), general::kSmoothDrawing, 0);
        opened.view->tick();
        EXPECT_TRUE(control->render(size) == plain) << "smoothing off again";
    }
}

} // namespace
} // namespace orbilunex
