#include "models/gauges/DialGeometry.h"

#include <algorithm>
#include <cmath>

namespace orbilunex {

namespace {

constexpr int kInset = 5;
constexpr double kUnitsPerRadius = 0.011111111111111112; // 1 / 90
constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;

} // namespace

DialGeometry layoutDial(const PixelRect& client)
{
    DialGeometry dial;
    dial.inner = {client.left + kInset, client.top + kInset, client.right - kInset,
                  client.bottom - kInset};
    const double width = dial.inner.width();
    const double height = dial.inner.height();
    dial.centreX = dial.inner.left + width / 2;
    dial.centreY = dial.inner.top + height / 2;
    dial.radius = std::min(width, height) / 2;
    dial.square = {static_cast<int>(dial.centreX - dial.radius),
                   static_cast<int>(dial.centreY - dial.radius),
                   static_cast<int>(dial.centreX + dial.radius),
                   static_cast<int>(dial.centreY + dial.radius)};
    dial.diameter = dial.square.width();
    dial.unit = dial.radius * kUnitsPerRadius;
    return dial;
}

PixelPoint dialPoint(const DialGeometry& dial, double radius, double degrees)
{
    const double angle = degrees * kDegreesToRadians;
    return {static_cast<int>(dial.centreX + radius * dial.unit * std::sin(angle)),
            static_cast<int>(dial.centreY - radius * dial.unit * std::cos(angle))};
}

int atLeastSixPoints(int tenths)
{
    return std::max(tenths, 60);
}

} // namespace orbilunex
