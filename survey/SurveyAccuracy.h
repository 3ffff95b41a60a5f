#pragma once

#include "survey/SurveyModel.h"

#include <GeographicLib/LocalCartesian.hpp>

#include <cstdint>
#include <optional>
#include <vector>

namespace orbilunex {

// A point the user knows: degrees, and metres above the ellipsoid as the
// survey's altitudes are.
struct ReferencePoint {
    double latitude = 0.0;
    double longitude = 0.0;
    double altitude = 0.0;
};

// The accuracy of a survey in metres, the way GNSS texts give it. The
// horizontal figures come from the samples the horizontal mean takes (HDOP
// within the threshold), each placed east and north of the centre (the mean
// average, at the mean altitude, 0 m without altitude samples) in the local
// east-north-up frame there, at the centre's height. A figure is absent
// when its set holds fewer than two samples.
struct SurveyAccuracy {
    std::uint32_t horizontalSamples = 0;
    std::uint32_t verticalSamples = 0;
    double centreLatitude = 0.0;
    double centreLongitude = 0.0;
    double centreAltitude = 0.0;
    std::optional<double> cep50;   // median horizontal distance from the centre
    std::optional<double> r95;     // its 95th percentile
    std::optional<double> drms;    // root of the mean squared distance
    std::optional<double> twoDrms; // 2 x drms
    std::optional<double> sigmaUp; // standard deviation of the altitudes (N - 1)
};

// Space surveyAccuracy works in, kept by a caller that refreshes the
// figures often, so that a refresh allocates nothing once it has grown.
struct AccuracyScratch {
    std::vector<double> distances;
    // The earth-centred terms of each stored latitude and longitude between
    // the least and the greatest the survey holds, worked out once each: a
    // survey of a million samples at one place holds a few hundred of each.
    std::vector<double> latitudeTerms;  // pairs: (N + h) cos(lat), (N (1 - e^2) + h) sin(lat)
    std::vector<double> longitudeTerms; // pairs: cos(lon), sin(lon)
};

// Works the figures out from the stored samples. Percentiles come from a
// selection, not a sort.
SurveyAccuracy surveyAccuracy(const SurveyModel& survey, AccuracyScratch& scratch);

// The value at fraction p (0..1) of `values`, by linear interpolation
// between order statistics at position p (N - 1), counted from 0. Reorders
// `values`; NaN for an empty set.
double interpolatedPercentile(std::vector<double>& values, double p);

// Where an estimate lies from the reference, in the local east-north-up
// frame at the reference: metres east, north and up, the horizontal
// distance, and the bearing from the reference in degrees clockwise from
// true north (0 <= bearing < 360; 0 at distance 0).
struct PositionError {
    double east = 0.0;
    double north = 0.0;
    double up = 0.0;
    double horizontal = 0.0;
    double bearing = 0.0;
};

PositionError positionError(const ReferencePoint& reference, double latitude, double longitude,
                            double altitude);

// The errors of the survey's two estimates from a reference.
struct ReferenceErrors {
    PositionError mean;
    PositionError leastSquares;
};

ReferenceErrors referenceErrors(const SurveyModel& survey, const ReferencePoint& reference);

// "Stop acquiring when at least `minimumSamples` horizontal samples are
// stored and 2DRMS is at most `maximumTwoDrms` metres."
struct StopRule {
    std::uint32_t minimumSamples = 0;
    double maximumTwoDrms = 0.0;
};

// 2DRMS of the horizontal samples kept from running sums, so that the stop
// rule costs the same at every sample however many are stored. The offsets
// are taken in the east-north frame at the first sample rather than at the
// moving centre; over a survey's few metres the two agree to micrometres.
class RunningHorizontalSpread {
public:
    // `altitude` (metres) places the frame at the height of the first
    // sample, where the horizontal offsets are measured; it is read only
    // then. Leaving it at 0 scales the figure by (R + h) / R, 1e-4 per 600 m.
    void add(double latitude, double longitude, double altitude = 0.0);
    void reset() { *this = RunningHorizontalSpread(); }

    std::uint32_t count() const { return samples; }
    // Absent below two samples.
    std::optional<double> twoDrms() const;

    bool met(const StopRule& rule) const;

private:
    GeographicLib::LocalCartesian frame; // at the first sample
    std::uint32_t samples = 0;
    double sumEast = 0.0;
    double sumNorth = 0.0;
    double sumEast2 = 0.0;
    double sumNorth2 = 0.0;
};

} // namespace orbilunex
