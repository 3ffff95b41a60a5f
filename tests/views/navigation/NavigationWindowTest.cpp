#include "settings/DisplaySettings.h"
#include "tests/common/FakeAppContext.h"
#include "tests/common/PixelProbe.h"
#include "views/navigation/NavigationDoc.h"
#include "views/navigation/NavigationView.h"
#include "views/navigation/NavigationKind.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QJsonObject>

#include <memory>

namespace orbilunex {
namespace {

using test::countPixels;
using test::FakeAppContext;
using test::savePicture;

constexpr int kWidth = 420;
constexpr int kHeight = 130;

bool isDark(QRgb rgb)
{
    return qGray(rgb) < 128;
}

std::string ggaWithAltitude(const char* altitude)
{
    return std::string("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,") + altitude +
           ",M,46.9,M,,";
}

class NavigationWindowTest : public ::testing::Test {
protected:
    NavigationWindowTest()
    {
        writeSetting(app.store, settings::display::kAltitudeUnits, altitudeMeters);
        tmpl.kind = &kNavigationKind.kind;
        document = std::make_unique<CNavigationDoc>(tmpl, app);
        view = std::make_unique<CNavigationView>(document.get(), app);
        view->resize(kWidth, kHeight);
        view->show();
    }

    QImage picture() const { return view->grab().toImage(); }

    // A full repaint, as after the user resizes the window.
    QImage repaintedFully()
    {
        view->resize(kWidth + 1, kHeight);
        view->resize(kWidth, kHeight);
        return picture();
    }

    FakeAppContext app;
    DocTemplate tmpl;
    std::unique_ptr<CNavigationDoc> document;
    std::unique_ptr<CNavigationView> view;
};

// Pixels dark in `image` where `reference` is not.
int darkBeyond(const QImage& image, const QImage& reference)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isDark(image.pixel(x, y)) && !isDark(reference.pixel(x, y))) ++count;
    return count;
}

TEST_F(NavigationWindowTest, ShowsTheTextItDrew)
{
    app.receive(ggaWithAltitude("545.4"));
    EXPECT_EQ(view->shows().value("text").toString(), "") << "nothing drawn yet";
    view->tick();
    EXPECT_EQ(view->shows().value("text").toString(),
              QString::fromUtf8("Latitude\t\tN 48\u00B0 07.0380\nLongitude:  \tE 011\u00B0 31.0000\n"
                                "Altitude:\t\t545.40   m     \n"));
}

TEST_F(NavigationWindowTest, TextIsDrawnOnTheButtonFace)
{
    app.receive(ggaWithAltitude("545.4"));
    const QImage image = repaintedFully();
    savePicture(image, "navigation.png");
    const QRgb face = view->palette().color(QPalette::Button).rgb();
    EXPECT_EQ(test::colourName(image.pixel(1, 1)), test::colourName(face));
    EXPECT_EQ(test::colourName(image.pixel(kWidth - 2, kHeight - 2)), test::colourName(face));
    // The first line: a 20-point font is some 26 pixels high here.
    EXPECT_GT(countPixels(image, QRect(3, 3, kWidth - 6, 22), isDark), 100);
}

TEST_F(NavigationWindowTest, ADarkPaletteGetsLightText)
{
    QPalette dark = view->palette();
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(255, 255, 255));
    view->setPalette(dark);
    app.receive(ggaWithAltitude("545.4"));
    const QImage image = repaintedFully();
    EXPECT_EQ(test::colourName(image.pixel(1, 1)), "#ff353535");
    EXPECT_GT(countPixels(image, QRect(3, 3, kWidth - 6, 22),
                          [](QRgb p) { return qGray(p) > 200; }),
              100)
        << "the text reads light on the dark face";
}

TEST_F(NavigationWindowTest, ShorterAltitudeOverwritesTheLongerOne)
{
    app.receive(ggaWithAltitude("12345.6"));
    view->tick();
    const QImage longer = picture();

    app.receive(ggaWithAltitude("5.0"));
    view->tick(); // drawn over the longer text, without erasing
    const QImage overwritten = picture();
    savePicture(overwritten, "navigation-overwritten.png");
    const QImage shorterAlone = repaintedFully();

    ASSERT_GT(darkBeyond(longer, shorterAlone), 0) << "the longer text reaches further";
    EXPECT_EQ(darkBeyond(overwritten, shorterAlone), 0) << "digits of the longer text left";
}

} // namespace
} // namespace orbilunex
