#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QRect>

#include <set>
#include <string>

namespace orbilunex::test {

// A pixel's colour as "#aarrggbb", so that a failed comparison reads well.
inline std::string colourName(QRgb rgb)
{
    return QColor::fromRgba(rgb).name(QColor::HexArgb).toStdString();
}

// How many pixels of `area` (clipped to the image) satisfy `probe`.
template <typename Probe>
int countPixels(const QImage& image, const QRect& area, Probe probe)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (probe(image.pixel(x, y))) ++count;
    return count;
}

// 2x2 blocks, on the even grid, whose four pixels are not all one colour:
// detail finer than a pixel of the picture at half the resolution, so none
// at all in a picture stretched to twice its size.
inline int mixedBlocks(const QImage& image)
{
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p)
                ++mixed;
        }
    return mixed;
}

// How many different colours the pixels of `area` (clipped) have.
inline int distinctColours(const QImage& image, const QRect& area)
{
    std::set<QRgb> seen;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) seen.insert(image.pixel(x, y));
    return static_cast<int>(seen.size());
}

// How many pixels of two pictures of one size differ, when each differs by
// exactly `mask` (what an exclusive-or stroke in that colour does); -1 as
// soon as one differs otherwise.
inline int exclusiveOrChanges(const QImage& before, const QImage& after, QRgb mask)
{
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const QRgb a = before.pixel(x, y), b = after.pixel(x, y);
            if (a == b) continue;
            if ((a ^ b) != mask) return -1;
            ++changed;
        }
    return changed;
}

// Saves a picture for a person to look at when ORBILUNEX_GUI_PICTURES names
// a folder; tests never write anywhere else.
inline void savePicture(const QImage& image, const char* fileName)
{
    const QString folder = qEnvironmentVariable("ORBILUNEX_GUI_PICTURES");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(image.save(QDir(folder).filePath(QString::fromLatin1(fileName))));
    }
}

} // namespace orbilunex::test
