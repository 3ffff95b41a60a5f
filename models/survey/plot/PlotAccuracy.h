#pragma once

#include "models/PixelGeometry.h"
#include "models/survey/plot/PlotExtents.h"
#include "models/survey/plot/PlotFrame.h"

#include <optional>
#include <vector>

namespace orbilunex {

class SettingsStore;
class SurveyModel;
struct GpsState;
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

// The receiver's own error ellipse as the plot shows it: its centre and its
// two semi-axes as vectors, in pixels (not rounded).
struct ReceiverEllipse {
    double centreX = 0;
    double centreY = 0;
    double majorX = 0;
    double majorY = 0;
    double minorX = 0;
    double minorY = 0;
    bool operator==(const ReceiverEllipse& o) const
    {
        return centreX == o.centreX && centreY == o.centreY && majorX == o.majorX &&
               majorY == o.majorY && minorX == o.minorX && minorY == o.minorY;
    }
};

// What the accuracy adds to the plot: the CEP50 and R95 rings around the
// centre, the stored reference point's pixel, and the receiver's ellipse.
struct AccuracyMarks {
    std::optional<AccuracyRing> cep50;
    std::optional<AccuracyRing> r95;
    std::optional<PixelPoint> reference;
    std::optional<ReceiverEllipse> receiver;
    bool empty() const { return !cep50 && !r95 && !reference && !receiver; }
    bool operator==(const AccuracyMarks& o) const
    {
        return cep50 == o.cep50 && r95 == o.r95 && reference == o.reference &&
               receiver == o.receiver;
    }
};

// The receiver's error estimate (GST, one sigma) around its latest fix:
// semi-axes in metres, the major one's orientation in degrees from true
// north.
struct ReceiverEstimate {
    double latitude = 0;
    double longitude = 0;
    double semiMajor = 0;
    double semiMinor = 0;
    double orientation = 0;
};

// The estimate the decoded state holds: the latest GST's ellipse, or when
// it left the ellipse empty its latitude and longitude sigmas as the axes;
// none before a GST with either.
std::optional<ReceiverEstimate> receiverEstimate(const GpsState& state);

// The estimate's ellipse on the plot; none when an axis is not a positive
// finite number, or as accuracyRing leaves a ring out (too small or too big).
std::optional<ReceiverEllipse> receiverEllipse(const SurveyPlotFrame& frame,
                                               const PlotExtents& extents,
                                               const ReceiverEstimate& estimate);

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

// Both rings from the figures, the reference point's pixel (as
// surveyPlotPoint places a sample) and the receiver's ellipse, each when
// given.
AccuracyMarks accuracyMarks(const SurveyPlotFrame& frame, const PlotExtents& extents,
                            const std::optional<AccuracyFigures>& figures,
                            const std::optional<PlotPosition>& reference,
                            const std::optional<ReceiverEstimate>& receiver = std::nullopt);

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
