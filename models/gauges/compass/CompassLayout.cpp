#include "models/gauges/compass/CompassLayout.h"

#include "format/FixedText.h"
#include "models/gauges/VisibleChange.h"

#include <algorithm>
#include <cstdio>

namespace orbilunex {

namespace {

constexpr int kTapeOverhang = 30;   // pixels of strip beyond each side
constexpr float kDegreesPerPixel = 1.0f / 90.0f;
constexpr int kMinPixelsPerDegree = 2;
constexpr double kCaretHalfWidth = 0.05; // of D
constexpr int kRangeDecimals = 1;

} // namespace

int relativeAngle(int degrees, int heading)
{
    const int a = degrees - heading;
    return a < 0 ? a + 360 : a;
}

std::string tapeLabel(int degree)
{
    if (degree % 15 != 0) return {};
    static const char* const kPoints[] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
    if (degree % 45 == 0 && degree >= 0 && degree < 360) return kPoints[degree / 45];
    return std::to_string(degree);
}

int tapeTickLength(int degree, int height)
{
    if (degree % 10 == 0) return height / 2;
    if (degree % 5 == 0) return height / 3;
    return height / 5;
}

HeadingTapeLayout layoutHeadingTape(const PixelRect& client, int heading)
{
    HeadingTapeLayout tape;
    tape.strip = {client.left - kTapeOverhang, client.top, client.right + kTapeOverhang,
                  client.bottom};
    const int w = tape.strip.width();
    const int h = tape.strip.height();
    // About 90 degrees across, however wide, but never closer than 2 pixels.
    tape.pixelsPerDegree =
        std::max(static_cast<int>(static_cast<float>(w) * kDegreesPerPixel), kMinPixelsPerDegree);
    const int p = tape.pixelsPerDegree;
    const int halfDegrees = (w / 2) / p;

    int s = heading - halfDegrees;
    if (s < 0) s = s % 360 + 360;
    else if (s > 360) s = s % 360;
    tape.firstDegree = s;
    tape.headingColumn = tape.strip.left + p * halfDegrees;
    tape.fontTenths = w / 3;

    int d = s;
    for (int x = 0; x < w; x += p) {
        tape.ticks.push_back({tape.strip.left + x, d, tapeTickLength(d, h), tapeLabel(d)});
        if (++d >= 360) d = 0;
    }
    return tape;
}

std::string bearingCardLabel(int degrees)
{
    switch (degrees) {
    case 0: return "N";
    case 90: return "E";
    case 180: return "S";
    case 270: return "W";
    default: return degrees % 30 == 0 ? std::to_string(degrees) : std::string();
    }
}

std::string simpleCardLabel(int degrees)
{
    switch (degrees) {
    case 0: return "N";
    case 90: return "E";
    case 180: return "S";
    case 270: return "W";
    default: return {};
    }
}

int bearingCompassFontTenths(int diameter)
{
    return atLeastSixPoints(diameter / 2);
}

int simpleCompassFontTenths(int diameter)
{
    return atLeastSixPoints(diameter);
}

std::string headingDigits(int heading)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", heading);
    return text;
}

std::string rangeText(double range, const std::string& unit)
{
    return fixedText(range, kRangeDecimals, 0) + " " + unit;
}

bool sameRangeText(double a, double b)
{
    return sameFixedText(a, b, kRangeDecimals);
}

HeadingCaret headingCaret(const DialGeometry& dial)
{
    const double out = kCaretHalfWidth * dial.diameter;
    const int top = dial.square.top;
    const int down = top + dial.square.height() / 10;
    return {{static_cast<int>(dial.centreX), top},
            {static_cast<int>(dial.centreX - out), down},
            {static_cast<int>(dial.centreX + out), down}};
}

} // namespace orbilunex
