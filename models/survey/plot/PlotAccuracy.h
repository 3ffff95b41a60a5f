#pragma once

#include "models/PixelGeometry.h"
#include "models/survey/plot/PlotExtents.h"
#include "models/survey/plot/PlotFrame.h"

#include <optional>
#include <vector>

namespace orbilunex {

class SettingsStore;
class SurveyModel;
struct AccuracyScratch;

// Metres along the WGS84 ellipsoid for one degree of latitude (along the
// meridian) and of longitude (along the parallel) at a latitude.
struct MetresPerDegree {
    double latitude = 0;
    double longitude = 0;
};
MetresPerDegree metresPerDegree(double latitudeDegrees);

// A circle of a radius in metres as the plot shows it: the plot scales
// longitude and latitude apart, so it is an ellipse with its own radius
// each way, in pixels, around a centre that is not rounded to a pixel.
struct AccuracyRing {
    double centreX = 0;
    double centreY = 0;
    double radiusX = 0;
    double radiusY = 0;
    bool operator==(const AccuracyRing& o) const
    {
        return centreX == o.centreX && centreY == o.centreY && radiusX == o.radiusX &&
               radiusY == o.radiusY;
    }
};

// What the accuracy adds to the plot: the CEP50 and R95 rings around the
// centre, and the stored reference point's pixel.
struct AccuracyMarks {
    std::optional<AccuracyRing> cep50;
    std::optional<AccuracyRing> r95;
    std::optional<PixelPoint> reference;
    bool empty() const { return !cep50 && !r95 && !reference; }
    bool operator==(const AccuracyMarks& o) const
    {
        return cep50 == o.cep50 && r95 == o.r95 && reference == o.reference;
    }
};

// The figures the rings are drawn from: the centre in degrees, the radii in
// metres (absent below two samples).
struct AccuracyFigures {
    double centreLatitude = 0;
    double centreLongitude = 0;
    std::optional<double> cep50;
    std::optional<double> r95;
};

// The ring for a radius around a centre; none for a radius that is not a
// positive finite number, or that would show under half a pixel each way,
// or far beyond any picture (the figures then do not belong to this plot).
std::optional<AccuracyRing> accuracyRing(const SurveyPlotFrame& frame, const PlotExtents& extents,
                                         double centreLatitude, double centreLongitude,
                                         double metres);

// A position in signed degrees.
struct PlotPosition {
    double latitude = 0;
    double longitude = 0;
};

// Both rings from the figures, and the reference point's pixel (as
// surveyPlotPoint places a sample) when one is given.
AccuracyMarks accuracyMarks(const SurveyPlotFrame& frame, const PlotExtents& extents,
                            const std::optional<AccuracyFigures>& figures,
                            const std::optional<PlotPosition>& reference);

// The survey's figures as they stand (surveyAccuracy: the centre is the
// mean average of the samples within the HDOP threshold); none while no
// such sample is stored. `scratch` is the caller's, kept between calls.
std::optional<AccuracyFigures> plotAccuracyFigures(const SurveyModel& survey,
                                                   AccuracyScratch& scratch);
// The stored reference point's place, when one is stored.
std::optional<PlotPosition> plotReference(const SettingsStore& settings);

// The reference point's marker: a diamond of this half-diagonal, pixels.
constexpr int kReferenceMarkerHalf = 5;

} // namespace orbilunex
