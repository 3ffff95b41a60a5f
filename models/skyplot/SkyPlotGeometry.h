#pragma once

#include "models/PixelGeometry.h"

namespace orbilunex {

// The square the sky chart is drawn in, with the zenith at its centre and
// the horizon on its circle.
struct PlotSquare {
    PixelRect square;     // truncated from centre +- radius
    double centreX = 0;   // centre of the inset area, not rounded
    double centreY = 0;
    double radius = 0;    // pixels from zenith to horizon
    double scale = 0;     // pixels per degree of elevation
};

// Degrees to radians with pi taken as 3.14159265359, as the chart's pixel
// positions have always been computed.
constexpr double kSkyDegreesToRadians = 0.017453292519944444;

// The chart square for an area: every side moves `inset` pixels inwards
// (3 on screen, 0 for the printed plot area), the radius is half the smaller
// side. A tiny area gives a zero or negative radius; nothing checks that.
PlotSquare layoutPlotSquare(const PixelRect& area, int inset);

// Where azimuth (clockwise from north, up) and elevation (90 at the centre,
// 0 on the circle), both whole degrees, fall on the chart. Elevations are
// held to 0..90, so that nothing lands outside the circle.
PixelPoint project(const PlotSquare& plot, int azimuth, int elevation);

// The bounding box of the ring for an elevation, and of the clipping disc.
PixelRect ringBox(const PlotSquare& plot, int elevation);
PixelRect clipDiscBox(const PlotSquare& plot);

// The chart's centre as the spokes start from it (both coordinates truncated).
PixelPoint spokeCentre(const PlotSquare& plot);
// A point on the spoke at `azimuth`, `fraction` of 90 degrees of elevation
// out from the centre: 90 for the spoke's end, 82.5 for its label.
PixelPoint spokePoint(const PlotSquare& plot, int azimuth, double degreesOut);

// Label font height in tenths of a point: a quarter of the square's width,
// at least 60 (six points).
int labelFontTenths(const PlotSquare& plot);

} // namespace orbilunex
