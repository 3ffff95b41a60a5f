#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QRect>

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
