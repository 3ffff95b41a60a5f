#include "models/skyplot/SkyPlotGeometry.h"

#include <cmath>

namespace orbilunex {

namespace {

// The stored value of 1/90: pixels per degree are radius times this.
constexpr double kPerDegree = 0.011111111111111112;

int trunc(double value)
{
    return static_cast<int>(value);
}

} // namespace

PlotSquare layoutPlotSquare(const PixelRect& area, int inset)
{
    const PixelRect inner{area.left + inset, area.top + inset, area.right - inset,
                          area.bottom - inset};
    PlotSquare plot;
    const double width = inner.width();
    const double height = inner.height();
    plot.centreX = inner.left + width / 2;
    plot.centreY = inner.top + height / 2;
    plot.radius = (width < height ? width : height) / 2;
    plot.square = {trunc(plot.centreX - plot.radius), trunc(plot.centreY - plot.radius),
                   trunc(plot.centreX + plot.radius), trunc(plot.centreY + plot.radius)};
    plot.scale = plot.radius * kPerDegree;
    return plot;
}

PixelPoint project(const PlotSquare& plot, int azimuth, int elevation)
{
    // A receiver may report any number (65535, -5): the sky ends at the
    // horizon and the zenith.
    const int above = elevation < 0 ? 0 : elevation > 90 ? 90 : elevation;
    const double d = plot.scale * (90 - above);
    const double angle = azimuth * kSkyDegreesToRadians;
    const PixelRect& sq = plot.square;
    return {trunc(d * std::sin(angle)) + trunc(sq.left + (sq.right - sq.left) * 0.5),
            trunc(-d * std::cos(angle)) + trunc(sq.top + (sq.bottom - sq.top) * 0.5)};
}

PixelRect ringBox(const PlotSquare& plot, int elevation)
{
    const int r = trunc(plot.radius - plot.scale * elevation);
    return {trunc(plot.centreX - r), trunc(plot.centreY - r), trunc(plot.centreX + r),
            trunc(plot.centreY + r)};
}

PixelRect clipDiscBox(const PlotSquare& plot)
{
    const int r = trunc(plot.radius);
    return {trunc(plot.centreX - r), trunc(plot.centreY - r), trunc(plot.centreX + r),
            trunc(plot.centreY + r)};
}

PixelPoint spokeCentre(const PlotSquare& plot)
{
    return {trunc(plot.centreX), trunc(plot.centreY)};
}

PixelPoint spokePoint(const PlotSquare& plot, int azimuth, double degreesOut)
{
    const double angle = azimuth * kSkyDegreesToRadians;
    const PixelPoint centre = spokeCentre(plot);
    return {centre.x + trunc(degreesOut * plot.scale * std::sin(angle)),
            centre.y + trunc(-degreesOut * plot.scale * std::cos(angle))};
}

int labelFontTenths(const PlotSquare& plot)
{
    const int quarter = plot.square.width() / 4;
    return quarter > 60 ? quarter : 60;
}

} // namespace orbilunex
