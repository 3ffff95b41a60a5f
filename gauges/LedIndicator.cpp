#include "gauges/LedIndicator.h"

#include "framework/PictureCanvas.h"

#include <QColor>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace orbilunex {

namespace {

struct Rgb {
    double r, g, b;
};

Rgb mix(const Rgb& a, const Rgb& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scaled(const Rgb& c, double f)
{
    return {c.r * f, c.g * f, c.b * f};
}

// Lamp hues by strip row (row offset / 16). The last four are the receive
// lamp's no fix, fix, (unused) and differential fix.
constexpr Rgb kRowHues[ledStripRows] = {
    {235, 25, 20},  {250, 220, 20}, {30, 110, 255},  {30, 205, 45},
    {255, 130, 10}, {235, 235, 225}, {20, 215, 225}, {165, 60, 235},
    {235, 25, 20},  {255, 170, 0},  {30, 110, 255},  {30, 205, 45},
};

const Rgb kWhite{255, 255, 255};
const Rgb kOffGrey{128, 128, 128};

// Disc geometry in cell pixels: a 14-pixel lamp with a one-pixel rim and a
// clear pixel all round, so that neighbouring lamps never touch; pixel
// centres farther than kOuter from the middle stay magenta.
constexpr double kCentre = ledCellSize / 2.0;
constexpr double kOuter = 6.9;
constexpr double kRimWidth = 1.25;
constexpr double kHighlightX = 6.0;
constexpr double kHighlightY = 5.5;
constexpr double kHighlightSpread = 1.7;

// Colour of one point of a lamp, (x, y) in cell pixels.
Rgb lampPoint(const Rgb& hue, int look, double x, double y)
{
    const double d = std::hypot(x - kCentre, y - kCentre);
    const double inner = kOuter - kRimWidth;
    const double hx = x - kHighlightX, hy = y - kHighlightY;
    const double highlight =
        std::exp(-(hx * hx + hy * hy) / (2 * kHighlightSpread * kHighlightSpread));
    const double t = std::min(d / inner, 1.0);

    Rgb body;
    double shine;
    if (look == ledLookLit) {
        // A glowing centre that fades to the full colour, then darkens
        // towards the edge so the disc reads as a dome.
        body = scaled(mix(mix(hue, kWhite, 0.35), hue, std::pow(t, 1.2)), 1.0 - 0.30 * t * t);
        shine = 0.85;
    } else if (look == ledLookIdle) {
        body = scaled(hue, 0.40 - 0.15 * t * t);
        shine = 0.30;
    } else {
        body = scaled(kOffGrey, 0.95 - 0.35 * t * t);
        shine = 0.55;
    }
    body = mix(body, kWhite, shine * highlight);
    if (d <= inner) return body;
    // The rim: dark, with a touch of the lamp's own colour.
    return mix(scaled(hue, look == ledLookOff ? 0.0 : 0.22), Rgb{45, 45, 45}, 0.6);
}

// One device pixel, `size` cell pixels square with its top-left corner at
// (x, y) in cell pixels, averaged over 4 x 4 samples so the shading and the
// rim's inner edge are smooth; the outer edge stays hard because the strip
// has only opaque and transparent pixels.
QRgb lampPixel(const Rgb& hue, int look, double x, double y, double size)
{
    const double dx = x + size / 2 - kCentre, dy = y + size / 2 - kCentre;
    if (std::hypot(dx, dy) > kOuter) return ledTransparentColour;
    Rgb sum{0, 0, 0};
    constexpr int n = 4;
    for (int sy = 0; sy < n; ++sy)
        for (int sx = 0; sx < n; ++sx) {
            const Rgb c =
                lampPoint(hue, look, x + (sx + 0.5) / n * size, y + (sy + 0.5) / n * size);
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        }
    const auto channel = [](double v) {
        return std::clamp(static_cast<int>(std::lround(v / (n * n))), 0, 255);
    };
    QRgb rgb = qRgb(channel(sum.r), channel(sum.g), channel(sum.b));
    // Magenta would punch a hole in the lamp.
    if (rgb == ledTransparentColour) rgb = qRgb(254, 0, 255);
    return rgb;
}

} // namespace

QImage makeLedStrip(qreal ratio)
{
    QImage strip = pictureCanvas(QSize(ledStripWidth, ledStripHeight), ratio);
    // Each device pixel takes the lamp its centre lies in, sampled at the
    // device's resolution.
    const double size = 1.0 / ratio;
    for (int py = 0; py < strip.height(); ++py)
        for (int px = 0; px < strip.width(); ++px) {
            const int look = std::min(static_cast<int>((px + 0.5) * size) / ledCellSize,
                                      ledStripColumns - 1);
            const int row = std::min(static_cast<int>((py + 0.5) * size) / ledCellSize,
                                     ledStripRows - 1);
            strip.setPixel(px, py,
                           lampPixel(kRowHues[row], look, px * size - look * ledCellSize,
                                     py * size - row * ledCellSize, size));
        }
    return strip;
}

QImage makeTransparentCells(const QImage& strip)
{
    QImage cells = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < cells.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(cells.scanLine(y));
        for (int x = 0; x < cells.width(); ++x)
            line[x] = (line[x] | 0xFF000000u) == ledTransparentColour ? 0u : (line[x] | 0xFF000000u);
    }
    // Fully opaque or fully clear pixels are the same premultiplied or not.
    return cells.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int ledColumn(int look, int blinkPhase)
{
    if (look == ledLookBlink) return blinkPhase == 1 ? ledLookLit : ledLookIdle;
    return look;
}

LedCell ledCell(const QRect& client, int row, int look, int rowOffset, int blinkPhase)
{
    QPoint origin = client.topLeft();
    if (client.width() > 15 && client.height() > 15)
        origin += QPoint((client.width() - ledCellSize) / 2, (client.height() - ledCellSize) / 2);
    const int column = ledColumn(look, blinkPhase);
    return {origin, QRect(column * ledCellSize, row + rowOffset, ledCellSize, ledCellSize)};
}

void paintLedCell(QPainter& painter, const LedCell& cell, const QImage& cells)
{
    // Only the part of the cell that lies on the strip; a look or row off
    // the strip leaves that part of the background as it was.
    const QRect source =
        cell.source.intersected(QRect(0, 0, ledStripWidth, ledStripHeight));
    if (source.isEmpty()) return;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // The source in the strip's pixels; the painter draws it at its logical size.
    const qreal ratio = cells.devicePixelRatio();
    painter.drawImage(QPointF(cell.origin + (source.topLeft() - cell.source.topLeft())), cells,
                      QRectF(source.x() * ratio, source.y() * ratio, source.width() * ratio,
                             source.height() * ratio));
}

CLedIndicator::CLedIndicator(QWidget* parent)
    : QWidget(parent), lampStrip(makeLedStrip()), cells(makeTransparentCells(lampStrip))
{
    flashTimer.setSingleShot(true);
    connect(&flashTimer, &QTimer::timeout, this, &CLedIndicator::flashEnded);
    connect(&blinkTicker, &QTimer::timeout, this, &CLedIndicator::blinkTick);
}

void CLedIndicator::set(int row, int look, int rowOffset)
{
    current.row = row;
    current.look = look;
    current.rowOffset = rowOffset;
    if (look == ledLookBlink) {
        current.blinkPhase = 1;
        blinkTicker.start(current.blinkPeriod);
    } else {
        blinkTicker.stop();
    }
    // The lamp is drawn with whatever else the turn of the event loop
    // changed, never on its own at once: repainting now would paint every
    // window's pending change along with it, and again at the next turn.
    update();
}

void CLedIndicator::flash(int milliseconds)
{
    // Lit already: only the time starts again, the picture stays.
    if (current.flashActive == 1 && current.look == ledLookLit) {
        flashTimer.start(std::max(milliseconds, 0));
        return;
    }
    flashTimer.stop();
    current.flashActive = 1;
    current.look = ledLookLit;
    blinkTicker.stop();
    update();
    flashTimer.start(std::max(milliseconds, 0));
}

void CLedIndicator::flashEnded()
{
    current.look = ledLookIdle;
    blinkTicker.stop();
    update();
    flashTimer.stop();
    current.flashActive = 0;
}

void CLedIndicator::blinkTick()
{
    current.blinkPhase = current.blinkPhase == 1 ? 0 : 1;
    update();
}

void CLedIndicator::paintEvent(QPaintEvent*)
{
    // Lamps as fine as the screen's pixels, made again on another screen.
    const qreal ratio = pictureRatio(*this);
    if (cells.devicePixelRatio() != ratio) {
        lampStrip = makeLedStrip(ratio);
        cells = makeTransparentCells(lampStrip);
    }
    QPainter painter(this);
    paintLedCell(painter,
                 ledCell(rect(), current.row, current.look, current.rowOffset, current.blinkPhase),
                 cells);
}

} // namespace orbilunex
