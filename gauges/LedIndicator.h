#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QTimer>
#include <QWidget>

class QPainter;

namespace orbilunex {

// The lamp picture strip: three columns (look 0 lit, 1 idle, 2 off) of
// 16 x 16 cells in twelve rows, on a magenta background that stands for
// "transparent". A lamp colour is chosen by its row's y offset in pixels.
constexpr int ledCellSize = 16;
constexpr int ledStripColumns = 3;
constexpr int ledStripRows = 12;
constexpr int ledStripWidth = ledStripColumns * ledCellSize;  // 48
constexpr int ledStripHeight = ledStripRows * ledCellSize;    // 192
constexpr QRgb ledTransparentColour = 0xFFFF00FF;             // magenta

// Looks of the lamp; ledLookBlink alternates between lit and idle.
constexpr int ledLookLit = 0;
constexpr int ledLookIdle = 1;
constexpr int ledLookOff = 2;
constexpr int ledLookBlink = 3;

// Row offset and rows the main frame uses for the receive lamp.
constexpr int ledStatusRowOffset = 128;
constexpr int ledRowNoFix = 0;           // red
constexpr int ledRowFix = 16;            // amber
constexpr int ledRowDifferentialFix = 48; // green

constexpr int ledDefaultBlinkPeriod = 500; // milliseconds

// Draws the lamp strip (ledStripWidth x ledStripHeight logical pixels, RGB32)
// at `ratio` device pixels to one (see pictureCanvas): each cell a round lamp
// with a thin dark rim, everything outside the disc magenta. Rows by y offset:
// 0 red, 16 yellow, 32 blue, 48 green, 64 orange, 80 white, 96 cyan,
// 112 violet, 128 red, 144 amber, 160 blue, 176 green. No lamp pixel is
// magenta.
QImage makeLedStrip(qreal ratio = 1.0);

// The strip as premultiplied ARGB with every magenta pixel made fully
// transparent and every other pixel opaque: drawn with the ordinary
// source-over mode it shows strip pixels where they are not magenta and
// leaves the background where they are, which is what a mask-and-XOR blit
// of the strip would show.
QImage makeTransparentCells(const QImage& strip);

// The column of the strip shown for a look: the look itself, except that
// the blinking look shows column 0 while blinkPhase is 1 and column 1
// otherwise.
int ledColumn(int look, int blinkPhase);

// Where one lamp goes and which part of the strip it shows.
struct LedCell {
    QPoint origin; // top-left of the 16 x 16 lamp in the control
    QRect source;  // 16 x 16 cell of the strip
};

// The lamp for a control whose client area is `client`: centred (integer
// division, rounding towards the top-left) when the client is wider and
// taller than 15 pixels, else at the client's top-left corner. The source
// cell is x = column * 16, y = row + rowOffset. A look or row outside the
// strip gives a source cell (partly) outside it, which draws nothing there.
LedCell ledCell(const QRect& client, int row, int look, int rowOffset, int blinkPhase);

// Draws the cell's part of `cells` (from makeTransparentCells, at any
// ratio) at the cell's origin over whatever the painter's device already
// holds; the cell is in logical pixels.
void paintLedCell(QPainter& painter, const LedCell& cell, const QImage& cells);

// A small self-drawing lamp: set to a colour row and look, made to blink,
// or flashed lit for a while before it returns to idle. The receive lamp of
// the main frame's status bar is one.
class CLedIndicator : public QWidget {
    Q_OBJECT

public:
    // The control's state, named as the rest of the program speaks of it.
    struct State {
        int row = 0;         // y offset of the colour row in the strip
        int look = ledLookIdle;
        int rowOffset = 0;   // added to row
        int flashActive = 0; // 1 while a flash runs
        int blinkPhase = 0;  // toggled by the blink timer
        int blinkPeriod = ledDefaultBlinkPeriod; // milliseconds
    };

    // Idle look, row 0, offset 0, no flash, no blinking.
    explicit CLedIndicator(QWidget* parent = nullptr);

    // Shows row + rowOffset in `look`. The blinking look starts at blink
    // phase 1 (lit first) and runs the blink timer; any other look stops it.
    // A running flash is left to end on its own. Redraws at the next turn of
    // the event loop.
    void set(int row, int look, int rowOffset);

    // Shows the lit look for `milliseconds` (negative counts as 0), then
    // returns to idle. A flash during a flash starts the time again; a flash
    // stops blinking. Redraws at the next turn of the event loop, and not at
    // all for a flash while lit.
    void flash(int milliseconds);

    const State& state() const { return current; }

    // The strip column shown now.
    int column() const { return ledColumn(current.look, current.blinkPhase); }

    // The lamp strip this control draws from (the magenta-keyed picture), at
    // the pixel ratio of the screen it was last drawn on.
    const QImage& strip() const { return lampStrip; }

    // Timer 1 ends a flash, timer 2 blinks; read-only so that callers and
    // tests can see whether they run and how much time is left.
    const QTimer& flashEndTimer() const { return flashTimer; }
    const QTimer& blinkTimer() const { return blinkTicker; }

    QSize sizeHint() const override { return QSize(ledCellSize, ledCellSize); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void flashEnded();
    void blinkTick();

    State current;
    QImage lampStrip;
    QImage cells;
    QTimer flashTimer;  // timer 1
    QTimer blinkTicker; // timer 2
};

} // namespace orbilunex
