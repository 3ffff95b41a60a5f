#pragma once

#include "models/PixelGeometry.h"
#include "models/gauges/DialGeometry.h"

#include <string>
#include <vector>

namespace orbilunex {

// The compass pictures' arithmetic: the heading tape's columns, the cards'
// marks and labels relative to the heading, and the read-out texts.

// `degrees` seen from a heading-up card: degrees - heading, plus 360 when
// that is negative.
int relativeAngle(int degrees, int heading);

// The heading tape. It draws a strip 30 pixels wider than the control on
// each side, so that the outermost labels slide in rather than pop in.
struct TapeTick {
    int column = 0;    // device x
    int degree = 0;    // 0..359
    int length = 0;    // pixels down from the top edge
    std::string label; // empty where the degree has none
};

struct HeadingTapeLayout {
    PixelRect strip;         // the client widened 30 pixels each side
    int pixelsPerDegree = 0; // at least 2
    int firstDegree = 0;     // the degree at the strip's left edge
    int headingColumn = 0;   // device x of the heading line
    int fontTenths = 0;      // label size, tenths of a point
    std::vector<TapeTick> ticks;
};

HeadingTapeLayout layoutHeadingTape(const PixelRect& client, int heading);

// The tape's label for a degree: the eight compass points at multiples of
// 45, the number at the other multiples of 15, nothing elsewhere.
std::string tapeLabel(int degree);

// How far a tape tick hangs on a strip `height` pixels high: a half at
// multiples of 10, a third at other multiples of 5, a fifth elsewhere.
int tapeTickLength(int degree, int height);

// The bearing compass's card labels, for multiples of 10: the cardinal
// letters, the number at the other multiples of 30, nothing elsewhere.
std::string bearingCardLabel(int degrees);

// The simple compass's card labels: the cardinal letters only.
std::string simpleCardLabel(int degrees);

// Font sizes in tenths of a point for a dial of diameter D.
int bearingCompassFontTenths(int diameter); // D/2, at least 6 points
int simpleCompassFontTenths(int diameter);  // D, at least 6 points

// "%03d" of the heading (the caller adds the degree sign).
std::string headingDigits(int heading);

// "%.01f %s" of a range and its unit, whatever the locale.
std::string rangeText(double range, const std::string& unit);

// Whether two ranges read the same in rangeText, without building it.
bool sameRangeText(double a, double b);

// The simple compass's heading mark: a caret at twelve o'clock, two lines
// from the top centre of the dial square down a tenth of its height and out
// a twentieth of D to each side.
struct HeadingCaret {
    PixelPoint tip;
    PixelPoint left;
    PixelPoint right;
};

HeadingCaret headingCaret(const DialGeometry& dial);

} // namespace orbilunex
