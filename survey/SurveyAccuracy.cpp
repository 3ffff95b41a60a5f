#include "survey/SurveyAccuracy.h"

#include <GeographicLib/Geocentric.hpp>
#include <GeographicLib/Math.hpp>

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdint>
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

namespace {

// The value at fraction p of a set of `total` values of which the first
// `available` (at least the order statistics needed) are the smallest, as
// interpolatedPercentile gives it.
double selectInterpolated(double* values, std::size_t total, std::size_t available, double p)
{
    const double position = p * static_cast<double>(total - 1);
    const auto below = static_cast<std::size_t>(std::floor(position));
    const double fraction = position - static_cast<double>(below);
    std::nth_element(values, values + below, values + available);
    const double low = values[below];
    if (fraction == 0.0 || below + 1 >= available) return low;
    // The next order statistic is the least of those above.
    const double high = *std::min_element(values + below + 1, values + available);
    return low + fraction * (high - low);
}

// Entries of a term table spanning more stored units than this are not
// kept (a survey spread over 40 km); the samples then go through the frame
// one by one.
constexpr std::int64_t kMostTableSpan = 4'000'000;

constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();

} // namespace

double interpolatedPercentile(std::vector<double>& values, double p)
{
    if (values.empty()) return std::numeric_limits<double>::quiet_NaN();
    return selectInterpolated(values.data(), values.size(), values.size(), p);
}

SurveyAccuracy surveyAccuracy(const SurveyModel& survey, AccuracyScratch& scratch)
{
    SurveyAccuracy figures;
    const MeanAccumulator& altitude = survey.mean[SurveyModel::kAltitude];
    figures.centreLatitude = survey.mean[SurveyModel::kLatitude].mean;
    figures.centreLongitude = survey.mean[SurveyModel::kLongitude].mean;
    figures.centreAltitude = altitude.count > 0 ? altitude.mean : 0.0;
    const double height = figures.centreAltitude;
    const GeographicLib::LocalCartesian frame(figures.centreLatitude, figures.centreLongitude,
                                              height);

    // The stored range of the horizontal samples, for the term tables.
    std::int32_t latitudeLow = INT32_MAX;
    std::int32_t latitudeHigh = INT32_MIN;
    std::int32_t longitudeLow = INT32_MAX;
    std::int32_t longitudeHigh = INT32_MIN;
    survey.samples().forEach([&](const SurveySample& sample) {
        if (!survey.acceptsHorizontal(sample.hdop10)) return;
        latitudeLow = std::min(latitudeLow, sample.latitude);
        latitudeHigh = std::max(latitudeHigh, sample.latitude);
        longitudeLow = std::min(longitudeLow, sample.longitude);
        longitudeHigh = std::max(longitudeHigh, sample.longitude);
    });
    const bool tables =
        latitudeLow <= latitudeHigh &&
        static_cast<std::int64_t>(latitudeHigh) - latitudeLow < kMostTableSpan &&
        static_cast<std::int64_t>(longitudeHigh) - longitudeLow < kMostTableSpan;
    if (tables) {
        scratch.latitudeTerms.assign(2 * static_cast<std::size_t>(latitudeHigh - latitudeLow + 1),
                                     kUnset);
        scratch.longitudeTerms.assign(
            2 * static_cast<std::size_t>(longitudeHigh - longitudeLow + 1), kUnset);
    }
    // The centre in earth-centred coordinates and the rotation into its
    // east-north-up frame, as the frame itself has them.
    const GeographicLib::Geocentric& earth = GeographicLib::Geocentric::WGS84();
    double centreX = 0.0;
    double centreY = 0.0;
    double centreZ = 0.0;
    earth.Forward(figures.centreLatitude, figures.centreLongitude, height, centreX, centreY,
                  centreZ);
    double sinCentreLatitude = 0.0;
    double cosCentreLatitude = 0.0;
    double sinCentreLongitude = 0.0;
    double cosCentreLongitude = 0.0;
    GeographicLib::Math::sincosd(figures.centreLatitude, sinCentreLatitude, cosCentreLatitude);
    GeographicLib::Math::sincosd(figures.centreLongitude, sinCentreLongitude, cosCentreLongitude);

    std::vector<double>& distances = scratch.distances;
    distances.clear();
    double sumSquares = 0.0;
    // Altitudes as offsets from the first one taken, so that a survey
    // hundreds of metres up loses no digits in the sum of squares.
    bool altitudeShiftKnown = false;
    double altitudeShift = 0.0;
    double altitudeSum = 0.0;
    double altitudeSquares = 0.0;
    std::uint32_t altitudeCount = 0;
    survey.samples().forEach([&](const SurveySample& sample) {
        if (survey.acceptsHorizontal(sample.hdop10)) {
            double east = 0.0;
            double north = 0.0;
            if (tables) {
                // The sample at the centre's height on the ellipsoid, from the
                // latitude's and the longitude's terms, then into the frame.
                double* lat = &scratch.latitudeTerms[2 * static_cast<std::size_t>(
                                                             sample.latitude - latitudeLow)];
                if (std::isnan(lat[0])) {
                    double x = 0.0;
                    double y = 0.0;
                    earth.Forward(sample.latitude * kDegreesPerUnit, 0.0, height, x, y, lat[1]);
                    lat[0] = x;
                }
                double* lon = &scratch.longitudeTerms[2 * static_cast<std::size_t>(
                                                              sample.longitude - longitudeLow)];
                if (std::isnan(lon[0]))
                    GeographicLib::Math::sincosd(sample.longitude * kDegreesPerUnit, lon[1],
                                                 lon[0]);
                const double dx = lat[0] * lon[0] - centreX;
                const double dy = lat[0] * lon[1] - centreY;
                const double dz = lat[1] - centreZ;
                const double across = cosCentreLongitude * dx + sinCentreLongitude * dy;
                east = cosCentreLongitude * dy - sinCentreLongitude * dx;
                north = cosCentreLatitude * dz - sinCentreLatitude * across;
            } else {
                double up = 0.0;
                frame.Forward(sample.latitude * kDegreesPerUnit,
                              sample.longitude * kDegreesPerUnit, height, east, north, up);
            }
            const double squared = east * east + north * north;
            sumSquares += squared;
            distances.push_back(std::sqrt(squared));
        }
        if (survey.acceptsAltitude(sample.vdop10, sample.fix3d)) {
            const double metres = sample.altitude * kMetresPerUnit;
            if (!altitudeShiftKnown) {
                altitudeShift = metres;
                altitudeShiftKnown = true;
            }
            const double offset = metres - altitudeShift;
            altitudeSum += offset;
            altitudeSquares += offset * offset;
            ++altitudeCount;
        }
    });
    figures.horizontalSamples = static_cast<std::uint32_t>(distances.size());
    figures.verticalSamples = altitudeCount;

    if (distances.size() >= 2) {
        const std::size_t n = distances.size();
        figures.drms = std::sqrt(sumSquares / static_cast<double>(n));
        figures.twoDrms = 2.0 * *figures.drms;
        figures.r95 = selectInterpolated(distances.data(), n, n, 0.95);
        // R95's selection left the smallest values up to its place first:
        // where the median's two order statistics are among them, the
        // median is selected among those alone.
        const auto r95Place =
            static_cast<std::size_t>(std::floor(0.95 * static_cast<double>(n - 1)));
        const auto medianPlace =
            static_cast<std::size_t>(std::floor(0.5 * static_cast<double>(n - 1)));
        const std::size_t smallest = medianPlace + 1 <= r95Place ? r95Place + 1 : n;
        figures.cep50 = selectInterpolated(distances.data(), n, smallest, 0.5);
    }
    if (altitudeCount >= 2) {
        const double n = altitudeCount;
        const double squares = altitudeSquares - altitudeSum * altitudeSum / n;
        figures.sigmaUp = std::sqrt(std::max(0.0, squares) / (n - 1));
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
