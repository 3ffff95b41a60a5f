#include "survey/SurveyAccuracy.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orbilunex {

namespace {

constexpr double kRadiansToDegrees = 180.0 / 3.14159265358979323846;

double bearingDegrees(double east, double north)
{
    if (east == 0.0 && north == 0.0) return 0.0;
    double degrees = std::atan2(east, north) * kRadiansToDegrees;
    if (degrees < 0.0) degrees += 360.0;
    // -0 and a rounding up to 360 both mean north.
    return degrees >= 360.0 ? 0.0 : degrees + 0.0;
}

} // namespace

double interpolatedPercentile(std::vector<double>& values, double p)
{
    if (values.empty()) return std::numeric_limits<double>::quiet_NaN();
    const double position = p * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(std::floor(position));
    const double fraction = position - static_cast<double>(below);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(below),
                     values.end());
    const double low = values[below];
    if (fraction == 0.0 || below + 1 >= values.size()) return low;
    // The next order statistic is the least of those above.
    const double high = *std::min_element(values.begin() + static_cast<std::ptrdiff_t>(below) + 1,
                                          values.end());
    return low + fraction * (high - low);
}

SurveyAccuracy surveyAccuracy(const SurveyModel& survey, std::vector<double>& distances)
{
    SurveyAccuracy figures;
    const MeanAccumulator& altitude = survey.mean[SurveyModel::kAltitude];
    figures.centreLatitude = survey.mean[SurveyModel::kLatitude].mean;
    figures.centreLongitude = survey.mean[SurveyModel::kLongitude].mean;
    figures.centreAltitude = altitude.count > 0 ? altitude.mean : 0.0;
    const GeographicLib::LocalCartesian frame(figures.centreLatitude, figures.centreLongitude,
                                              figures.centreAltitude);

    distances.clear();
    double sumSquares = 0.0;
    // Altitudes in two passes: their mean first, then the deviations, which
    // keeps a survey hundreds of metres up from losing digits.
    double altitudeSum = 0.0;
    std::uint32_t altitudeCount = 0;
    survey.samples().forEach([&](const SurveySample& sample) {
        if (survey.acceptsHorizontal(sample.hdop10)) {
            double east = 0.0;
            double north = 0.0;
            double up = 0.0;
            frame.Forward(sample.latitude * kDegreesPerUnit, sample.longitude * kDegreesPerUnit,
                          figures.centreAltitude, east, north, up);
            const double squared = east * east + north * north;
            sumSquares += squared;
            distances.push_back(std::sqrt(squared));
        }
        if (survey.acceptsAltitude(sample.vdop10, sample.fix3d)) {
            altitudeSum += sample.altitude * kMetresPerUnit;
            ++altitudeCount;
        }
    });
    figures.horizontalSamples = static_cast<std::uint32_t>(distances.size());
    figures.verticalSamples = altitudeCount;

    if (distances.size() >= 2) {
        figures.drms = std::sqrt(sumSquares / static_cast<double>(distances.size()));
        figures.twoDrms = 2.0 * *figures.drms;
        figures.r95 = interpolatedPercentile(distances, 0.95);
        figures.cep50 = interpolatedPercentile(distances, 0.5);
    }
    if (altitudeCount >= 2) {
        const double meanAltitude = altitudeSum / altitudeCount;
        double sumDeviations = 0.0;
        survey.samples().forEach([&](const SurveySample& sample) {
            if (!survey.acceptsAltitude(sample.vdop10, sample.fix3d)) return;
            const double deviation = sample.altitude * kMetresPerUnit - meanAltitude;
            sumDeviations += deviation * deviation;
        });
        figures.sigmaUp = std::sqrt(sumDeviations / (altitudeCount - 1));
    }
    return figures;
}

PositionError positionError(const ReferencePoint& reference, double latitude, double longitude,
                            double altitude)
{
    const GeographicLib::LocalCartesian frame(reference.latitude, reference.longitude,
                                              reference.altitude);
    PositionError error;
    frame.Forward(latitude, longitude, altitude, error.east, error.north, error.up);
    error.horizontal = std::hypot(error.east, error.north);
    error.bearing = bearingDegrees(error.east, error.north);
    return error;
}

ReferenceErrors referenceErrors(const SurveyModel& survey, const ReferencePoint& reference)
{
    const auto& mean = survey.mean;
    const auto& lsf = survey.leastSquares;
    ReferenceErrors errors;
    errors.mean = positionError(reference, mean[SurveyModel::kLatitude].mean,
                                mean[SurveyModel::kLongitude].mean,
                                mean[SurveyModel::kAltitude].mean);
    errors.leastSquares = positionError(reference, lsf[SurveyModel::kLatitude].estimate(),
                                        lsf[SurveyModel::kLongitude].estimate(),
                                        lsf[SurveyModel::kAltitude].estimate());
    return errors;
}

void RunningHorizontalSpread::add(double latitude, double longitude, double altitude)
{
    if (samples == 0) frame.Reset(latitude, longitude, altitude);
    double east = 0.0;
    double north = 0.0;
    double up = 0.0;
    frame.Forward(latitude, longitude, frame.HeightOrigin(), east, north, up);
    ++samples;
    sumEast += east;
    sumNorth += north;
    sumEast2 += east * east;
    sumNorth2 += north * north;
}

std::optional<double> RunningHorizontalSpread::twoDrms() const
{
    if (samples < 2) return std::nullopt;
    const double n = samples;
    const double meanEast = sumEast / n;
    const double meanNorth = sumNorth / n;
    // The mean squared distance from the centre: each axis's second moment
    // about its mean. Never below 0, whatever the rounding.
    const double squared =
        std::max(0.0, sumEast2 / n - meanEast * meanEast + sumNorth2 / n - meanNorth * meanNorth);
    return 2.0 * std::sqrt(squared);
}

bool RunningHorizontalSpread::met(const StopRule& rule) const
{
    const std::optional<double> spread = twoDrms();
    return samples >= rule.minimumSamples && spread && *spread <= rule.maximumTwoDrms;
}

} // namespace orbilunex
