#include "app/ToolIcons.h"

#include "shell/Commands.h"
#include "gauges/altimeter/AltimeterKind.h"
#include "gauges/attitude/AttitudeKind.h"
#include "views/commandmonitor/CommandMonitorKind.h"
#include "gauges/compass/CompassKind.h"
#include "views/navigation/NavigationKind.h"
#include "views/signalquality/SignalQualityKind.h"
#include "views/skyplot/SkyPlotKind.h"
#include "gauges/speedometer/SpeedometerKind.h"
#include "views/survey/SurveyKind.h"
#include "gauges/verticalspeed/VerticalSpeedKind.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace orbilunex {
namespace {

using namespace commands;

// The buttons of the four tool bars, in order, without separators.
const std::vector<int> kToolBarCommands = {
    kFileOpen, kFileSave, kEditCut, kEditCopy, kEditPaste, kFilePrint, kAppAbout, kContextHelp,
    kCommandMonitorKind.kind.command, kSignalQualityKind.kind.command, kSkyPlotKind.kind.command,
    kNavigationKind.kind.command, kSurveyKind.kind.command, kCompassKind.kind.command,
    kAltimeterKind.kind.command, kSpeedometerKind.kind.command, kVerticalSpeedKind.kind.command,
    kAttitudeKind.kind.command,
    kConnectSerial, kConnectNetwork, kConnectFile, kDisconnect, kNetworkServer,
    kRecordStart, kRecordStop};

QImage picture(const QIcon& icon, int size, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(size, size), 1.0, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage toolPicture(int id, int size) { return picture(toolIcon(id), size); }

std::string name(int id)
{
    const CommandText* text = commandText(id);
    return std::to_string(id) + " " + (text ? text->menuText : "?");
}

TEST(ToolIcons, EveryToolBarButtonHasAnIconInSmallAndLargeSizes)
{
    EXPECT_EQ(toolIconCommands(), kToolBarCommands);
    for (int id : kToolBarCommands) {
        SCOPED_TRACE(name(id));
        const QIcon icon = toolIcon(id);
        ASSERT_FALSE(icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));
        EXPECT_TRUE(sizes.contains(QSize(32, 32)));
        EXPECT_EQ(toolPicture(id, 16).size(), QSize(16, 16));
        EXPECT_EQ(toolPicture(id, 32).size(), QSize(32, 32));
    }
}

TEST(ToolIcons, CommandsWithoutAButtonHaveNoIcon)
{
    // Rows: the separator, a negative id, menu-only commands, a free number.
    for (int id : {kSeparator, -1, kGeneralSettings, kViewWindowToolbar, kAppExit,
                   kFilePrintPreview, kPlayFast, 99999}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(toolIcon(id).isNull());
    }
}

// At least a sixth of the square is drawn, the drawn part has a dark
// outline, and it is not all one colour: in some channel two of its pixels
// lie far apart.
void expectDrawn(const QImage& image)
{
    int opaque = 0, darkest = 255;
    int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y);
            if (qAlpha(px) < 200) continue;
            ++opaque;
            darkest = std::min(darkest, qGray(px));
            const int channel[3] = {qRed(px), qGreen(px), qBlue(px)};
            for (int c = 0; c < 3; ++c) {
                low[c] = std::min(low[c], channel[c]);
                high[c] = std::max(high[c], channel[c]);
            }
        }
    EXPECT_GE(opaque * 6, image.width() * image.height()) << opaque << " opaque pixels";
    EXPECT_LT(darkest, 100);
    const int spread = std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
    EXPECT_GE(spread, 80);
}

TEST(ToolIcons, IconsAreDrawnWithOutlineAndColour)
{
    for (int id : kToolBarCommands)
        for (int size : {16, 32}) {
            SCOPED_TRACE(name(id) + " at " + std::to_string(size));
            expectDrawn(toolPicture(id, size));
        }
}

// Pixels where two pictures differ by more than a shade.
int differingPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            if (d > 48) ++count;
        }
    return count;
}

TEST(ToolIcons, NoTwoButtonsLookAlikeAtSixteenPixels)
{
    std::vector<QImage> small;
    for (int id : kToolBarCommands) small.push_back(toolPicture(id, 16));
    for (size_t i = 0; i < small.size(); ++i)
        for (size_t j = i + 1; j < small.size(); ++j) {
            SCOPED_TRACE(name(kToolBarCommands[i]) + " vs " + name(kToolBarCommands[j]));
            EXPECT_NE(small[i], small[j]);
            EXPECT_GE(differingPixels(small[i], small[j]), 16);
        }
}

// Rough colour classes of the palette; loose on purpose, so that a shade
// change passes and a wrong picture or colour does not.
enum class Hue { Red, Teal, Amber, Blue, Paper, Dark, Grey };

bool looksLike(QRgb px, Hue hue)
{
    const int r = qRed(px), g = qGreen(px), b = qBlue(px);
    if (qAlpha(px) < 230) return false;
    switch (hue) {
    case Hue::Red: return r > 160 && g < 110 && b < 110;
    case Hue::Teal: return g > r + 60 && b > r + 40 && r < 140;
    case Hue::Amber: return r > 180 && g > 100 && g < 190 && b < 90;
    case Hue::Blue: return b > r + 60 && b > g + 20;
    case Hue::Paper: return r > 225 && g > 225 && b > 225;
    case Hue::Dark: return r < 110 && g < 110 && b < 120 && std::abs(r - g) < 30;
    case Hue::Grey:
        return std::abs(r - g) < 25 && std::abs(g - b) < 25 && r > 60 && b < 200;
    }
    return false;
}

TEST(ToolIcons, PixelsWellInsideShapesHaveTheirColour)
{
    struct Row {
        const char* legend;
        int id;
        QPoint at; // on the 32-pixel picture
        Hue hue;
    };
    const Row rows[] = {
        {"record dot is red", kRecordStart, {16, 16}, Hue::Red},
        {"stop square is grey", kRecordStop, {16, 16}, Hue::Grey},
        {"terminal screen is dark", kCommandMonitorKind.kind.command, {26, 19}, Hue::Dark},
        {"about disc is blue", kAppAbout, {8, 16}, Hue::Blue},
        {"about letter is white", kAppAbout, {16, 19}, Hue::Paper},
        {"sky-plot satellite is teal", kSkyPlotKind.kind.command, {21, 10}, Hue::Teal},
        {"pin body is teal", kNavigationKind.kind.command, {16, 19}, Hue::Teal},
        {"pin hole is white", kNavigationKind.kind.command, {16, 12}, Hue::Paper},
        {"attitude ground is teal", kAttitudeKind.kind.command, {16, 25}, Hue::Teal},
        {"serial connector is amber", kConnectSerial, {25, 9}, Hue::Amber},
        {"playback triangle is amber", kConnectFile, {14, 19}, Hue::Amber},
        {"playback page is white", kConnectFile, {8, 6}, Hue::Paper},
        {"floppy body is blue", kFileSave, {6, 16}, Hue::Blue},
        {"floppy label is white", kFileSave, {16, 24}, Hue::Paper},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const QRgb px = toolPicture(row.id, 32).pixel(row.at);
        EXPECT_TRUE(looksLike(px, row.hue)) << std::hex << px;
    }
}

TEST(ToolIcons, DisabledButtonsLoseTheirColour)
{
    const QIcon icon = toolIcon(kRecordStart);
    const QColor normal = picture(icon, 32).pixelColor(16, 16);
    const QColor disabled = picture(icon, 32, QIcon::Disabled).pixelColor(16, 16);
    EXPECT_GT(normal.hsvSaturation(), 150);
    EXPECT_LT(disabled.hsvSaturation(), normal.hsvSaturation() / 2);
}

TEST(ToolIcons, ApplicationIconHasEveryDesktopSize)
{
    const QIcon icon = applicationIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
        const QImage image = picture(icon, size);
        ASSERT_EQ(image.size(), QSize(size, size));
        // On its 64-unit grid the disc is centred at (30, 34); the bottom
        // right corner is outside both disc and satellite.
        const auto at = [size](qreal x, qreal y) { return QPoint(int(x * size / 64), int(y * size / 64)); };
        EXPECT_EQ(qAlpha(image.pixel(at(36, 34))), 255);
        EXPECT_TRUE(looksLike(image.pixel(at(20, 44)), Hue::Dark));
        EXPECT_EQ(qAlpha(image.pixel(at(62, 62))), 0);
        if (size >= 64) {
            // The elevation grid lets the disc show through: a point on the
            // north line is lighter than the disc, yet not the line's own
            // full colour.
            const QRgb line = image.pixel(at(30.1, 20)), disc = image.pixel(at(20, 44));
            EXPECT_GT(qBlue(line), qBlue(disc) + 40);
            EXPECT_LT(qBlue(line), 200);
        }
        expectDrawn(image);
    }
}

// All tool pictures in a row at 16 and one at 32 pixels, each on a light
// cell, followed by the program's icon, for a person to look at.
QImage contactSheet()
{
    constexpr int cell = 40;
    const int columns = int(kToolBarCommands.size());
    QImage sheet(cell * columns, cell * 2 + 72, QImage::Format_ARGB32);
    sheet.fill(QColor(0xef, 0xf0, 0xf1));
    QPainter p(&sheet);
    for (int i = 0; i < columns; ++i) {
        const QIcon icon = toolIcon(kToolBarCommands[i]);
        p.drawPixmap(i * cell + 12, 12, icon.pixmap(QSize(16, 16), 1.0));
        p.drawPixmap(i * cell + 4, cell + 4, icon.pixmap(QSize(32, 32), 1.0));
    }
    const QIcon app = applicationIcon();
    int x = 4;
    for (int size : {16, 32, 48, 64}) {
        p.drawPixmap(x, cell * 2 + 4, app.pixmap(QSize(size, size), 1.0));
        x += size + 8;
    }
    return sheet;
}

TEST(ToolIcons, ContactSheetShowsEveryPicture)
{
    const QImage sheet = contactSheet();
    const QRgb background = sheet.pixel(0, 0);
    // Each cell of both rows has something drawn on its background.
    for (int i = 0; i < int(kToolBarCommands.size()); ++i)
        for (const QRect& r : {QRect(i * 40 + 12, 12, 16, 16), QRect(i * 40 + 4, 44, 32, 32)}) {
            SCOPED_TRACE(name(kToolBarCommands[i]));
            int drawn = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) drawn += sheet.pixel(x, y) != background;
            EXPECT_GE(drawn * 6, r.width() * r.height());
        }
    // With ORBILUNEX_GUI_PICTURES set to a folder, keep the sheet there.
    const QString folder = qEnvironmentVariable("ORBILUNEX_GUI_PICTURES");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(sheet.save(QDir(folder).filePath("tool-icons.png")));
    }
}

} // namespace
} // namespace orbilunex
