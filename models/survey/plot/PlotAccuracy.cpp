#include "models/survey/plot/PlotAccuracy.h"

#include "nmea/GpsState.h"
#include "survey/AccuracySettings.h"
#include "survey/SurveyAccuracy.h"

#include <algorithm>
#include <cmath>

namespace orbilunex {

namespace {

constexpr double kEquatorialRadius = 6378137.0;
constexpr double kFlattening = 1 / 298.257223563;
constexpr double kPi = 3.14159265358979323846;

// A ring this many times the plot's side across is no picture's.
constexpr double kLargestRing = 1e6;

} // namespace

MetresPerDegree metresPerDegree(double latitudeDegrees)
{
    const double e2 = kFlattening * (2 - kFlattening);
    const double phi = latitudeDegrees * kPi / 180;
    const double s = std::sin(phi);
    const double w = std::sqrt(1 - e2 * s * s);
    const double meridian = kEquatorialRadius * (1 - e2) / (w * w * w);
    const double primeVertical = kEquatorialRadius / w;
    return {meridian * kPi / 180, primeVertical * std::cos(phi) * kPi / 180};
}

std::optional<AccuracyRing> accuracyRing(const SurveyPlotFrame& frame, const PlotExtents& extents,
                                         double centreLatitude, double centreLongitude,
                                         double metres)
{
    if (!(metres > 0) || !std::isfinite(metres)) return std::nullopt;
    const MetresPerDegree scale = metresPerDegree(centreLatitude);
    if (!(scale.longitude > 0)) return std::nullopt; // at a pole
    AccuracyRing ring;
    ring.centreX = frame.square.left + (centreLongitude - extents.longitudeMin) * frame.xScale;
    ring.centreY = frame.square.top + (extents.latitudeMax - centreLatitude) * frame.yScale;
    ring.radiusX = metres / scale.longitude * frame.xScale;
    ring.radiusY = metres / scale.latitude * frame.yScale;
    const double largest = kLargestRing * std::max(1, frame.square.width());
    if (!(ring.radiusX < largest && ring.radiusY < largest)) return std::nullopt;
    if (ring.radiusX < 0.5 && ring.radiusY < 0.5) return std::nullopt;
    return ring;
}

std::optional<ReceiverEstimate> receiverEstimate(const GpsState& state)
{
    if (state.gstCount == 0) return std::nullopt;
    ReceiverEstimate estimate{state.latitude, state.longitude, state.gstSemiMajor,
                              state.gstSemiMinor, state.gstOrientation};
    if (!std::isfinite(estimate.semiMajor) || !std::isfinite(estimate.semiMinor)) {
        estimate.semiMajor = state.gstSigmaLatitude; // along the meridian
        estimate.semiMinor = state.gstSigmaLongitude;
        estimate.orientation = 0;
    }
    if (!std::isfinite(estimate.orientation)) estimate.orientation = 0;
    if (!std::isfinite(estimate.semiMajor) || !std::isfinite(estimate.semiMinor))
        return std::nullopt;
    return estimate;
}

std::optional<ReceiverEllipse> receiverEllipse(const SurveyPlotFrame& frame,
                                               const PlotExtents& extents,
                                               const ReceiverEstimate& estimate)
{
    if (!(estimate.semiMinor > 0) || !(estimate.semiMajor > 0)) return std::nullopt;
    // The ring of the larger axis decides, as for the survey's own rings,
    // whether the ellipse belongs on this plot at all.
    const std::optional<AccuracyRing> bound =
        accuracyRing(frame, extents, estimate.latitude, estimate.longitude,
                     std::max(estimate.semiMajor, estimate.semiMinor));
    if (!bound) return std::nullopt;
    const MetresPerDegree scale = metresPerDegree(estimate.latitude);
    const double xPerMetre = frame.xScale / scale.longitude;
    const double yPerMetre = frame.yScale / scale.latitude;
    const double angle = estimate.orientation * kPi / 180;
    const double east = std::sin(angle);
    const double north = std::cos(angle);
    ReceiverEllipse ellipse;
    ellipse.centreX = bound->centreX;
    ellipse.centreY = bound->centreY;
    // Pixels grow downwards, northings upwards.
    ellipse.majorX = estimate.semiMajor * east * xPerMetre;
    ellipse.majorY = -estimate.semiMajor * north * yPerMetre;
    ellipse.minorX = estimate.semiMinor * north * xPerMetre;
    ellipse.minorY = estimate.semiMinor * east * yPerMetre;
    return ellipse;
}

AccuracyMarks accuracyMarks(const SurveyPlotFrame& frame, const PlotExtents& extents,
                            const std::optional<AccuracyFigures>& figures,
                            const std::optional<PlotPosition>& reference,
                            const std::optional<ReceiverEstimate>& receiver)
{
    AccuracyMarks marks;
    if (figures) {
        if (figures->cep50)
            marks.cep50 = accuracyRing(frame, extents, figures->centreLatitude,
                                       figures->centreLongitude, *figures->cep50);
        if (figures->r95)
            marks.r95 = accuracyRing(frame, extents, figures->centreLatitude,
                                     figures->centreLongitude, *figures->r95);
    }
    if (reference)
        marks.reference =
            surveyPlotPoint(frame, extents, reference->latitude, reference->longitude);
    if (receiver) marks.receiver = receiverEllipse(frame, extents, *receiver);
    return marks;
}

std::optional<AccuracyFigures> plotAccuracyFigures(const SurveyModel& survey,
                                                   AccuracyScratch& scratch)
{
    const SurveyAccuracy accuracy = surveyAccuracy(survey, scratch);
    if (accuracy.horizontalSamples == 0) return std::nullopt;
    return AccuracyFigures{accuracy.centreLatitude, accuracy.centreLongitude, accuracy.cep50,
                           accuracy.r95};
}

std::optional<PlotPosition> plotReference(const SettingsStore& settings)
{
    const std::optional<ReferencePoint> reference = storedReference(settings);
    if (!reference) return std::nullopt;
    return PlotPosition{reference->latitude, reference->longitude};
}

} // namespace orbilunex
