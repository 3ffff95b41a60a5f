#include "gauges/LedIndicator.h"
#include "tests/common/PixelProbe.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

#include <string>
#include <vector>

namespace orbilunex {
namespace {

using test::colourName;
using test::countPixels;
using test::savePicture;

constexpr QRgb kBlue = 0xFF0000FF;

// What a mask-and-XOR blit of the strip cell leaves on `background` at
// `origin`: work = bg XOR cell, AND mask (all ones where the cell is
// magenta), XOR cell. An oracle independent of how the control draws.
QImage rasterOpComposition(const QImage& background, const QImage& strip, QPoint origin,
                           const QRect& source)
{
    QImage result = background.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QPoint at = origin + QPoint(x, y);
            if (!result.rect().contains(at)) continue;
            const QRgb cell = strip.pixel(source.x() + x, source.y() + y) & 0xFFFFFF;
            const QRgb mask = cell == (ledTransparentColour & 0xFFFFFF) ? 0xFFFFFF : 0;
            QRgb work = result.pixel(at) & 0xFFFFFF;
            work = ((work ^ cell) & mask) ^ cell;
            result.setPixel(at, 0xFF000000 | work);
        }
    return result;
}

// Runs the event loop until `done` holds, at most 10 s (timers only run
// late on a loaded machine). Qt Test's QTRY_ macros report to Qt Test, not
// to GoogleTest, so their failures would pass unseen here.
template <typename Done>
bool waitUntil(Done done)
{
    return QTest::qWaitFor(done, 10000);
}

// A checkerboard of two colours that are in no lamp, so that a wrong
// offset of the background shows.
QImage patternedBackground(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 255) : qRgb(0, 128, 128));
    return image;
}

// A parent filled with blue holding one lamp at `geometry`.
struct LampOnBlue {
    QWidget parent;
    CLedIndicator* lamp;

    explicit LampOnBlue(const QRect& geometry)
    {
        parent.resize(48, 48);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, QColor(kBlue));
        parent.setPalette(palette);
        parent.setAutoFillBackground(true);
        lamp = new CLedIndicator(&parent);
        lamp->setGeometry(geometry);
    }

    QImage picture() { return parent.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// ---- geometry -------------------------------------------------------------

struct CellCase {
    const char* legend;
    QRect client;
    int row, look, rowOffset, blinkPhase;
    QPoint origin;
    QRect source;
};

TEST(LedGeometryTest, PlacesTheCellAndPicksItsSource)
{
    const CellCase cases[] = {
        {"16 x 16 client: the cell fills it", QRect(0, 0, 16, 16), 0, 1, 128, 0, {0, 0},
         {16, 128, 16, 16}},
        {"24 x 20 client: centred", QRect(0, 0, 24, 20), 16, 0, 128, 0, {4, 2}, {0, 144, 16, 16}},
        {"odd slack rounds towards the top-left", QRect(0, 0, 31, 17), 48, 2, 128, 0, {7, 0},
         {32, 176, 16, 16}},
        {"10 px wide: top-left", QRect(0, 0, 10, 30), 0, 1, 0, 0, {0, 0}, {16, 0, 16, 16}},
        {"15 px wide is not wider than 15", QRect(0, 0, 15, 40), 0, 1, 0, 0, {0, 0}, {16, 0, 16, 16}},
        {"15 px tall is not taller than 15", QRect(0, 0, 40, 15), 0, 1, 0, 0, {0, 0}, {16, 0, 16, 16}},
        {"client not at the origin", QRect(5, 7, 26, 36), 32, 1, 0, 0, {10, 17}, {16, 32, 16, 16}},
        {"small client not at the origin", QRect(3, 4, 8, 8), 0, 0, 0, 0, {3, 4}, {0, 0, 16, 16}},
        {"blinking, phase 1: lit column", QRect(0, 0, 16, 16), 16, 3, 128, 1, {0, 0},
         {0, 144, 16, 16}},
        {"blinking, phase 0: idle column", QRect(0, 0, 16, 16), 16, 3, 128, 0, {0, 0},
         {16, 144, 16, 16}},
        {"row is a pixel offset, not a row number", QRect(0, 0, 16, 16), 5, 0, 0, 0, {0, 0},
         {0, 5, 16, 16}},
    };
    for (const CellCase& c : cases) {
        SCOPED_TRACE(c.legend);
        const LedCell cell = ledCell(c.client, c.row, c.look, c.rowOffset, c.blinkPhase);
        EXPECT_EQ(cell.origin, c.origin);
        EXPECT_EQ(cell.source, c.source);
    }
}

TEST(LedGeometryTest, ColumnFollowsTheLookAndTheBlinkPhase)
{
    struct Case {
        int look, blinkPhase, column;
    };
    const Case cases[] = {
        {0, 0, 0}, {0, 1, 0}, {1, 0, 1}, {1, 1, 1}, {2, 0, 2}, {2, 1, 2},
        {3, 1, 0}, {3, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "look " << c.look << " phase " << c.blinkPhase);
        EXPECT_EQ(ledColumn(c.look, c.blinkPhase), c.column);
    }
}

// ---- the strip --------------------------------------------------------------

TEST(LedStripTest, EveryCellIsARimmedDiscOnMagenta)
{
    const QImage strip = makeLedStrip();
    ASSERT_EQ(strip.size(), QSize(ledStripWidth, ledStripHeight));
    ASSERT_EQ(strip.size(), QSize(48, 192));
    for (int row = 0; row < ledStripRows; ++row)
        for (int column = 0; column < ledStripColumns; ++column) {
            SCOPED_TRACE(testing::Message() << "row " << row << " column " << column);
            const QPoint cell(column * 16, row * 16);
            for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15),
                                        QPoint(1, 1), QPoint(14, 14), QPoint(8, 0), QPoint(0, 8)})
                EXPECT_EQ(colourName(strip.pixel(cell + corner)), colourName(ledTransparentColour));
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const double dx = x + 0.5 - 8, dy = y + 0.5 - 8;
                    if (dx * dx + dy * dy <= 6.5 * 6.5) {
                        ASSERT_NE(strip.pixel(cell + QPoint(x, y)), ledTransparentColour)
                            << "hole at " << x << "," << y;
                    }
                }
            // The rim, one pixel in from the middle of each side, is dark.
            for (const QPoint side : {QPoint(8, 1), QPoint(1, 8), QPoint(14, 8), QPoint(8, 14)}) {
                const QColor rim = QColor::fromRgb(strip.pixel(cell + side));
                EXPECT_NE(rim.rgb(), ledTransparentColour);
                EXPECT_LT(rim.value(), 90) << rim.name().toStdString();
            }
        }
}

TEST(LedStripTest, StatusRowsShowTheirColourLitDimAndOff)
{
    struct Case {
        const char* legend;
        int row;
        int hueFrom, hueTo; // degrees, of the lit and dim looks
    };
    const Case cases[] = {
        {"no fix: red", ledRowNoFix, -15, 15},
        {"fix: amber", ledRowFix, 30, 50},
        {"differential fix: green", ledRowDifferentialFix, 100, 140},
    };
    const QImage strip = makeLedStrip();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        const int y = ledStatusRowOffset + c.row + 9;
        const QColor lit = QColor::fromRgb(strip.pixel(0 * 16 + 9, y));
        const QColor dim = QColor::fromRgb(strip.pixel(1 * 16 + 9, y));
        const QColor off = QColor::fromRgb(strip.pixel(2 * 16 + 9, y));
        for (const QColor& colour : {lit, dim}) {
            int hue = colour.hsvHue();
            if (hue > 180) hue -= 360;
            EXPECT_GE(hue, c.hueFrom) << colour.name().toStdString();
            EXPECT_LE(hue, c.hueTo) << colour.name().toStdString();
            EXPECT_GT(colour.hsvSaturation(), 150) << colour.name().toStdString();
        }
        EXPECT_GT(lit.value(), 200);
        EXPECT_LT(dim.value(), lit.value() / 2);
        EXPECT_LT(off.hsvSaturation(), 30) << "off is grey";
        // The lit lamp has a highlight towards its upper left.
        EXPECT_GT(QColor::fromRgb(strip.pixel(6, y - 9 + 5)).lightness(), lit.lightness());
    }
}

TEST(LedStripTest, TransparentCellsClearOnlyMagenta)
{
    const QImage strip = makeLedStrip();
    const QImage cells = makeTransparentCells(strip);
    ASSERT_EQ(cells.size(), strip.size());
    int clear = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) {
            const QRgb source = strip.pixel(x, y);
            const QRgb made = cells.pixel(x, y);
            if (source == ledTransparentColour) {
                ++clear;
                ASSERT_EQ(qAlpha(made), 0) << x << "," << y;
            } else {
                ASSERT_EQ(colourName(made), colourName(source)) << x << "," << y;
            }
        }
    EXPECT_GT(clear, 36 * 4) << "at least the four corners of every cell";
}

TEST(LedStripTest, AtRatioTwoTheLampsAreFinerThanAtOneStretched)
{
    const QImage single = makeLedStrip();
    const QImage fine = makeLedStrip(2.0);
    ASSERT_EQ(fine.size(), single.size() * 2);
    EXPECT_EQ(fine.devicePixelRatio(), 2.0);
    // The rim and the disc's edge carry detail finer than a 2x2 block, and
    // the hard outer edge keeps each lamp where it was: a block all magenta
    // or all lamp agrees with its 1x pixel, but for a ring of pixels whose
    // centre the disc's edge splits.
    int splitBlocks = 0, keyDisagrees = 0;
    for (int y = 0; y < single.height(); ++y)
        for (int x = 0; x < single.width(); ++x) {
            const QRgb a = fine.pixel(2 * x, 2 * y), b = fine.pixel(2 * x + 1, 2 * y),
                       c = fine.pixel(2 * x, 2 * y + 1), d = fine.pixel(2 * x + 1, 2 * y + 1);
            if (a != b || a != c || a != d) ++splitBlocks;
            else if ((a == ledTransparentColour) != (single.pixel(x, y) == ledTransparentColour))
                ++keyDisagrees;
        }
    const int cells = ledStripRows * ledStripColumns;
    EXPECT_GT(splitBlocks, cells * 100) << "of " << cells * 16 * 16 << " blocks";
    EXPECT_LT(keyDisagrees, cells * 8);

    // Drawn at its logical size: a 16-unit cell fills 32 x 32 pixels of a 2x picture.
    QImage picture(QSize(20, 20) * 2, QImage::Format_RGB32);
    picture.setDevicePixelRatio(2.0);
    picture.fill(kBlue);
    {
        QPainter painter(&picture);
        paintLedCell(painter, ledCell(QRect(0, 0, 20, 20), ledRowFix, ledLookLit, 0, 0),
                     makeTransparentCells(fine));
    }
    EXPECT_EQ(colourName(picture.pixel(2 * 2 + 16, 2 * 2 + 16)),
              colourName(fine.pixel(16, 2 * ledRowFix + 16)));
    EXPECT_NE(picture.pixel(2 * 2 + 28, 2 * 2 + 16), kBlue) << "the rim on the right, at 2x";
    EXPECT_EQ(picture.pixel(2 * 2 + 32, 2 * 2 + 16), kBlue) << "right of the cell";
}

// ---- the control's state and timers ------------------------------------------

TEST(CLedIndicatorTest, StartsIdleWithoutTimers)
{
    CLedIndicator lamp;
    const CLedIndicator::State& s = lamp.state();
    EXPECT_EQ(s.row, 0);
    EXPECT_EQ(s.look, 1);
    EXPECT_EQ(s.rowOffset, 0);
    EXPECT_EQ(s.flashActive, 0);
    EXPECT_EQ(s.blinkPeriod, 500);
    EXPECT_EQ(lamp.column(), 1);
    EXPECT_FALSE(lamp.flashEndTimer().isActive());
    EXPECT_FALSE(lamp.blinkTimer().isActive());
    EXPECT_EQ(lamp.sizeHint(), QSize(16, 16));
}

TEST(CLedIndicatorTest, SetStoresAndStartsOrStopsBlinking)
{
    CLedIndicator lamp;
    lamp.set(48, ledLookBlink, 128);
    EXPECT_EQ(lamp.state().row, 48);
    EXPECT_EQ(lamp.state().look, 3);
    EXPECT_EQ(lamp.state().rowOffset, 128);
    EXPECT_EQ(lamp.state().blinkPhase, 1);
    EXPECT_EQ(lamp.column(), 0) << "blinking starts lit";
    EXPECT_TRUE(lamp.blinkTimer().isActive());
    EXPECT_EQ(lamp.blinkTimer().interval(), 500);

    lamp.set(16, ledLookOff, 64);
    EXPECT_EQ(lamp.state().row, 16);
    EXPECT_EQ(lamp.state().rowOffset, 64);
    EXPECT_EQ(lamp.column(), 2);
    EXPECT_FALSE(lamp.blinkTimer().isActive());
}

TEST(CLedIndicatorTest, BlinkingAlternatesOnItsTimer)
{
    CLedIndicator lamp;
    lamp.set(16, ledLookBlink, 128);
    ASSERT_EQ(lamp.column(), 0);
    QElapsedTimer clock;
    clock.start();
    // Timers never fire early beyond their coarse 5 %; a loaded machine
    // only makes them late, so only a lower bound is checked.
    for (const int next : {1, 0, 1}) {
        const qint64 before = clock.elapsed();
        ASSERT_TRUE(waitUntil([&] { return lamp.column() == next; })) << "to column " << next;
        EXPECT_GE(clock.elapsed() - before, 400);
    }
    EXPECT_EQ(lamp.state().look, ledLookBlink);
}

TEST(CLedIndicatorTest, FlashShowsLitThenReturnsToIdle)
{
    CLedIndicator lamp;
    lamp.set(0, ledLookBlink, 128);
    lamp.flash(100);
    EXPECT_EQ(lamp.state().look, 0);
    EXPECT_EQ(lamp.state().flashActive, 1);
    EXPECT_EQ(lamp.column(), 0);
    EXPECT_FALSE(lamp.blinkTimer().isActive()) << "a flash stops blinking";
    EXPECT_TRUE(lamp.flashEndTimer().isActive());
    EXPECT_EQ(lamp.flashEndTimer().interval(), 100);

    ASSERT_TRUE(waitUntil([&] { return lamp.state().look == 1; })) << "the flash never ended";
    EXPECT_EQ(lamp.state().flashActive, 0);
    EXPECT_EQ(lamp.column(), 1);
    EXPECT_FALSE(lamp.flashEndTimer().isActive());
    EXPECT_FALSE(lamp.blinkTimer().isActive());
    EXPECT_EQ(lamp.state().row, 0);
    EXPECT_EQ(lamp.state().rowOffset, 128);
}

TEST(CLedIndicatorTest, FlashDuringAFlashRestartsTheTime)
{
    CLedIndicator lamp;
    lamp.flash(3000);
    // Let at least half a second of the first flash pass.
    ASSERT_TRUE(waitUntil([&] { return lamp.flashEndTimer().remainingTime() <= 2500; }));
    ASSERT_EQ(lamp.state().flashActive, 1);
    lamp.flash(3000);
    EXPECT_GT(lamp.flashEndTimer().remainingTime(), 2500) << "the time starts again";
    EXPECT_EQ(lamp.state().look, 0);
    EXPECT_EQ(lamp.state().flashActive, 1);
}

TEST(CLedIndicatorTest, NegativeFlashTimeEndsAtOnce)
{
    CLedIndicator lamp;
    lamp.flash(-20);
    EXPECT_EQ(lamp.state().look, 0);
    ASSERT_TRUE(waitUntil([&] { return lamp.state().flashActive == 0; }));
    EXPECT_EQ(lamp.state().look, 1);
}

// ---- pixels -------------------------------------------------------------------

TEST(CLedIndicatorPixelTest, LampShowsItsCellOverTheParent)
{
    struct Case {
        const char* legend;
        int row, look;
    };
    const Case cases[] = {
        {"no fix, idle", ledRowNoFix, 1},       {"no fix, lit", ledRowNoFix, 0},
        {"fix, idle", ledRowFix, 1},            {"fix, lit", ledRowFix, 0},
        {"differential, idle", ledRowDifferentialFix, 1},
        {"differential, lit", ledRowDifferentialFix, 0},
        {"differential, off", ledRowDifferentialFix, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        LampOnBlue scene(QRect(5, 3, 24, 20));
        scene.lamp->set(c.row, c.look, ledStatusRowOffset);
        const QImage picture = scene.picture();
        const QPoint cell = QPoint(5, 3) + QPoint(4, 2);
        const QRgb expected = scene.lamp->strip().pixel(c.look * 16 + 8, 128 + c.row + 8);
        EXPECT_EQ(colourName(picture.pixel(cell + QPoint(8, 8))), colourName(expected));
        EXPECT_EQ(colourName(picture.pixel(cell)), colourName(kBlue)) << "cell corner is transparent";
        EXPECT_EQ(colourName(picture.pixel(cell + QPoint(15, 15))), colourName(kBlue));
        EXPECT_EQ(colourName(picture.pixel(cell + QPoint(-1, 8))), colourName(kBlue)) << "left of the cell";
    }
}

TEST(CLedIndicatorPixelTest, WholeCellMatchesTheMaskAndXorComposition)
{
    struct Case {
        const char* legend;
        QSize size;
        int row;
        void (*drive)(CLedIndicator&);
    };
    const Case cases[] = {
        {"centred, idle no fix", {20, 18}, ledRowNoFix, [](CLedIndicator&) {}},
        {"centred, flashing fix", {16, 16}, ledRowFix, [](CLedIndicator& l) { l.flash(60000); }},
        {"10 px wide, idle differential", {10, 30}, ledRowDifferentialFix,
         [](CLedIndicator&) {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        CLedIndicator lamp;
        lamp.resize(c.size);
        lamp.set(c.row, ledLookIdle, ledStatusRowOffset);
        c.drive(lamp);
        const QImage before = patternedBackground(c.size);
        QImage picture = before;
        lamp.render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());
        const LedCell cell = ledCell(lamp.rect(), c.row, lamp.state().look, ledStatusRowOffset,
                                     lamp.state().blinkPhase);
        const QImage expected = rasterOpComposition(before, lamp.strip(), cell.origin, cell.source);
        int lampPixels = 0;
        for (int y = 0; y < c.size.height(); ++y)
            for (int x = 0; x < c.size.width(); ++x) {
                ASSERT_EQ(colourName(picture.pixel(x, y)), colourName(expected.pixel(x, y))) << x << "," << y;
                lampPixels += picture.pixel(x, y) != before.pixel(x, y);
            }
        EXPECT_GT(lampPixels, 40) << "the lamp was drawn at all";
    }
}

TEST(CLedIndicatorPixelTest, NarrowControlDrawsAtItsTopLeft)
{
    LampOnBlue scene(QRect(6, 4, 10, 30));
    scene.lamp->set(ledRowNoFix, ledLookLit, ledStatusRowOffset);
    const QImage picture = scene.picture();
    const QImage& strip = scene.lamp->strip();
    EXPECT_EQ(colourName(picture.pixel(6 + 5, 4 + 8)), colourName(strip.pixel(5, 128 + 8)));
    EXPECT_EQ(colourName(picture.pixel(6 + 9, 4 + 8)), colourName(strip.pixel(9, 128 + 8)));
    EXPECT_EQ(colourName(picture.pixel(6, 4)), colourName(kBlue));
    EXPECT_EQ(colourName(picture.pixel(6 + 10, 4 + 8)), colourName(kBlue)) << "clipped to the control";
    EXPECT_EQ(colourName(picture.pixel(6 + 5, 4 + 20)), colourName(kBlue)) << "nothing below the cell";
}

TEST(CLedIndicatorPixelTest, BlinkingLampChangesItsPicture)
{
    LampOnBlue scene(QRect(0, 0, 16, 16));
    scene.lamp->set(ledRowFix, ledLookBlink, ledStatusRowOffset);
    const QImage& strip = scene.lamp->strip();
    const QRgb lit = strip.pixel(8, 144 + 8), idle = strip.pixel(16 + 8, 144 + 8);
    ASSERT_NE(lit, idle);
    EXPECT_EQ(colourName(scene.picture().pixel(8, 8)), colourName(lit));
    ASSERT_TRUE(waitUntil([&] { return scene.lamp->column() == 1; }));
    EXPECT_EQ(colourName(scene.picture().pixel(8, 8)), colourName(idle));
}

TEST(CLedIndicatorPixelTest, SavesPicturesToLookAt)
{
    const QImage strip = makeLedStrip();
    savePicture(strip.scaled(strip.size() * 8, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                "led-strip-x8.png");

    // The three receive-lamp colours, lit and idle, on a status-bar grey.
    QWidget bar;
    bar.resize(6 * 20, 20);
    QPalette palette = bar.palette();
    palette.setColor(QPalette::Window, QColor(212, 208, 200));
    bar.setPalette(palette);
    bar.setAutoFillBackground(true);
    int x = 0;
    for (const int row : {ledRowNoFix, ledRowFix, ledRowDifferentialFix})
        for (const int look : {ledLookLit, ledLookIdle}) {
            auto* lamp = new CLedIndicator(&bar);
            lamp->setGeometry(x, 0, 20, 20);
            lamp->set(row, look, ledStatusRowOffset);
            x += 20;
        }
    const QImage picture = bar.grab().toImage();
    EXPECT_EQ(colourName(picture.pixel(0, 0) | 0xFF000000), colourName(qRgb(212, 208, 200)));
    EXPECT_NE(picture.pixel(10, 10), picture.pixel(0, 0));
    savePicture(picture, "led-lamps.png");
    savePicture(picture.scaled(picture.size() * 6, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                "led-lamps-x6.png");
}

} // namespace
} // namespace orbilunex
