#include "views/signalquality/SignalQualityPainter.h"

#include "framework/SystemColours.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QRegion>

namespace orbilunex {

namespace {

QRect toQRect(const PixelRect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

PixelRect toPixelRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// One pixel wide: top and left edges dark, bottom and right edges light,
// the corners bottom-left and top-right going to the light edges.
void drawSunkenFrame(QPainter& painter, const PixelRect& r, const SignalQualityPalette& palette)
{
    const int w = r.width();
    const int h = r.height();
    if (w <= 0 || h <= 0) return;
    painter.fillRect(r.left, r.top, w - 1, 1, palette.darkShadow);
    painter.fillRect(r.left, r.top, 1, h - 1, palette.darkShadow);
    painter.fillRect(r.right - 1, r.top, 1, h, palette.buttonHighlight);
    painter.fillRect(r.left, r.bottom - 1, w, 1, palette.buttonHighlight);
}

// With every system shown a used satellite's level takes its system's
// colour and its PRN the system's letter.
void drawBar(QPainter& painter, const SignalBarGeometry& g, const SignalBar& entry,
             const SignalQualityPalette& palette, bool allSystems)
{
    drawSunkenFrame(painter, g.frame, palette);
    const PixelRect& bar = g.bar;
    const int split = bar.bottom - g.filledHeight;
    painter.fillRect(toQRect({bar.left, bar.top, bar.right, split}), palette.buttonFace);
    const QColor used = allSystems ? systemColour(entry.system) : palette.highlight;
    painter.fillRect(toQRect({bar.left, split, bar.right, bar.bottom}),
                     entry.usedInSolution == 1 ? used : palette.greyText);

    // The SNR sits at the top of the level; a level lower than a text line
    // shows only the top of the number.
    const QRect label = toQRect(g.label);
    painter.save();
    painter.setClipRect(label);
    painter.setPen(palette.highlightText);
    painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop,
                     QString::asprintf("%02d", static_cast<int>(entry.snr)));
    painter.restore();

    const QRect prnBox = toQRect(g.prnBox);
    painter.fillRect(prnBox, palette.buttonFace);
    painter.setPen(palette.windowText);
    painter.drawText(prnBox, Qt::AlignHCenter | Qt::AlignTop,
                     allSystems ? systemPrnText(entry.system, entry.prn)
                                : QString::asprintf("%d", static_cast<int>(entry.prn)));
}

} // namespace

SignalQualityPalette signalQualityPalette(const QPalette& palette)
{
    SignalQualityPalette colours;
    colours.buttonFace = palette.color(QPalette::Button);
    colours.darkShadow = palette.color(QPalette::Shadow);
    colours.buttonHighlight = palette.color(QPalette::Light);
    colours.highlight = palette.color(QPalette::Highlight);
    colours.highlightText = palette.color(QPalette::HighlightedText);
    colours.greyText = palette.color(QPalette::Disabled, QPalette::Text);
    colours.windowText = palette.color(QPalette::WindowText);
    return colours;
}

QFont signalQualityFont(int tenths)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(tenths / 10.0);
    return font;
}

SignalQualityLayout paintSignalQuality(QPainter& painter, const QRect& client,
                                       const SignalQualityModel& model,
                                       const SignalQualityPalette& palette)
{
    const PixelRect area = toPixelRect(client);
    const QFont font =
        signalQualityFont(signalFontTenths((area.right - 1) - (area.left + 1), model));
    const int lineHeight = QFontMetrics(font, painter.device()).height();
    const SignalQualityLayout layout = layoutSignalQuality(area, lineHeight, model);

    // The surround of the bars never changes within a layout: painting it
    // each time costs no flicker, and a picture taken off the screen (which
    // keeps no earlier paint) comes out whole.
    QRegion surround(client);
    for (int i = 0; i < layout.barCount; ++i) {
        surround -= QRegion(toQRect(layout.bars[i].frame));
        surround -= QRegion(toQRect(layout.bars[i].prnBox));
    }
    painter.save();
    painter.setClipRegion(surround, Qt::IntersectClip);
    painter.fillRect(client, palette.buttonFace);
    painter.restore();

    painter.save();
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (int i = 0; i < layout.barCount; ++i)
        drawBar(painter, layout.bars[i], layout.bars[i].entry, palette, model.allSystems == 1);
    painter.restore();
    return layout;
}

} // namespace orbilunex
