#include "framework/PictureCanvas.h"
#include "models/skyplot/SkyPlotModel.h"
#include "views/navigation/NavigationPainter.h"
#include "views/signalquality/SignalQualityPainter.h"
#include "tests/common/PixelProbe.h"
#include "views/skyplot/SkyPlotPainter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPalette>

#include <functional>
#include <memory>

namespace orbilunex {
namespace {

// A picture drawn at ratio 2 into a canvas of `logical` size, and the same at 1.
using Painter = std::function<void(QPainter&, const QRect&)>;

QImage draw(const Painter& paint, const QSize& logical, qreal ratio)
{
    QImage canvas = pictureCanvas(logical, ratio);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    paint(painter, QRect(QPoint(0, 0), logical));
    return canvas;
}

TEST(PictureRatio, EveryPainterDrawsFinerThanItsPictureStretched)
{
    auto sky = std::make_shared<SkyPlotModel>();
    SignalQualityModel bars;
    bars.barCount = 4;
    for (int i = 0; i < 4; ++i) bars.bars[i] = {5 + i, 20 + 10 * i, i % 2, SystemGps};
    const SignalQualityPalette barColours = signalQualityPalette(QPalette());
    NavigationPicture text;
    text.text = "Latitude N 47\xc2\xb0 16.3214\nLongitude E 011\xc2\xb0 20.8438";
    text.fontTenths = 160;

    struct Row {
        const char* legend;
        QSize logical;
        Painter paint;
    };
    const Row rows[] = {
        {"sky plot", {240, 200},
         [&](QPainter& p, const QRect& r) { paintSkyPlot(p, r, *sky, SkyPlotPalette()); }},
        {"signal bars", {200, 120},
         [&](QPainter& p, const QRect& r) { paintSignalQuality(p, r, bars, barColours); }},
        {"navigation text", {300, 90},
         [&](QPainter& p, const QRect& r) { paintNavigation(p, r, text, NavigationPalette()); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const QImage one = draw(row.paint, row.logical, 1.0);
        const QImage two = draw(row.paint, row.logical, 2.0);
        ASSERT_EQ(two.size(), row.logical * 2);
        const QImage stretched =
            one.scaled(one.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        ASSERT_EQ(test::mixedBlocks(stretched), 0) << "a stretched picture has no finer detail";
        // Edges of text and curves: a few hundred blocks at least, not a
        // stray pixel or two.
        EXPECT_GT(test::mixedBlocks(two), 200);
    }
}

} // namespace
} // namespace orbilunex
