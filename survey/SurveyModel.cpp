#include "survey/SurveyModel.h"

#include "settings/SettingsStore.h"
#include "settings/SurveySettings.h"

namespace orbilunex {

namespace {

constexpr std::int32_t kRangeMaxSentinel = -1000000;
constexpr std::int32_t kRangeMinSentinel = 999999;

int toggled(int flag) { return flag == 1 ? 0 : 1; }

// Latitude and longitude are always added together, so their fits share the
// index and its sums: both lanes go through the same operations at once,
// each lane exactly as a separate add would compute it.
typedef double Pair __attribute__((vector_size(16)));

void addPair(LeastSquaresAccumulator& a, LeastSquaresAccumulator& b, double ya, double yb)
{
    if (a.nextIndex != b.nextIndex) {
        a.add(ya);
        b.add(yb);
        return;
    }
    const std::uint32_t index = a.nextIndex;
    a.nextIndex = b.nextIndex = index + 1;
    const double t = static_cast<double>(index);
    const Pair tt = {t, t};
    const Pair y = {ya, yb};
    Pair sumT = {a.sumT, b.sumT};
    Pair sumT2 = {a.sumT2, b.sumT2};
    Pair sumY = {a.sumY, b.sumY};
    Pair sumTY = {a.sumTY, b.sumTY};
    sumT = sumT + tt;
    sumT2 = sumT2 + tt * tt;
    sumY = sumY + y;
    sumTY = sumTY + tt * y;
    a.sumT = sumT[0]; b.sumT = sumT[1];
    a.sumT2 = sumT2[0]; b.sumT2 = sumT2[1];
    a.sumY = sumY[0]; b.sumY = sumY[1];
    a.sumTY = sumTY[0]; b.sumTY = sumTY[1];
    const Pair determinant = tt * sumT2 - sumT * sumT;
    if (determinant[0] == 0.0 || determinant[1] == 0.0) {
        // The first value (in both, as they share the index): no line yet.
        return;
    }
    const Pair intercept = (sumY * sumT2 - sumT * sumTY) / determinant;
    const Pair slope = (tt * sumTY - sumT * sumY) / determinant;
    const Pair next = tt + Pair{1.0, 1.0};
    const Pair residual = y - (intercept + slope * next);
    Pair sumR2 = {a.sumSquaredResiduals, b.sumSquaredResiduals};
    sumR2 = sumR2 + residual * residual;
    a.intercept = intercept[0]; b.intercept = intercept[1];
    a.slope = slope[0]; b.slope = slope[1];
    a.sumSquaredResiduals = sumR2[0]; b.sumSquaredResiduals = sumR2[1];
}

// The same for the two horizontal means, which share their count.
void addPair(MeanAccumulator& a, MeanAccumulator& b, double xa, double xb)
{
    if (a.count != b.count) {
        a.add(xa);
        b.add(xb);
        return;
    }
    const std::uint32_t count = a.count + 1;
    a.count = b.count = count;
    const Pair x = {xa, xb};
    const double n = count;
    Pair sum = {a.sum, b.sum};
    sum = sum + x;
    const Pair mean = sum / Pair{n, n};
    const Pair deviation = x - mean;
    Pair squares = {a.sumSquaredDeviations, b.sumSquaredDeviations};
    squares = squares + deviation * deviation;
    a.sum = sum[0]; b.sum = sum[1];
    a.mean = mean[0]; b.mean = mean[1];
    a.sumSquaredDeviations = squares[0]; b.sumSquaredDeviations = squares[1];
}

} // namespace

SurveyModel::SurveyModel(const SettingsStore& settings, std::size_t blockLimit,
                         BlockAllocator allocate)
    : store(blockLimit, allocate)
{
    namespace keys = settings::survey;
    plotIndicatorSize = readSetting(settings, keys::kPlotIndicatorSize);
    useLines = readSetting(settings, keys::kUseLines);
    avgDopThreshold = static_cast<std::uint16_t>(readSetting(settings, keys::kAvgDopThreshold));
    hdopThreshold = static_cast<std::uint16_t>(readSetting(settings, keys::kHdopThreshold));
    vdopThreshold = static_cast<std::uint16_t>(readSetting(settings, keys::kVdopThreshold));
    verifyPositionFix = readSetting(settings, keys::kVerifyPositionFix);
    enablePositionAvgIndicator = readSetting(settings, keys::kMeanIndicator);
    enablePalsfsd = readSetting(settings, keys::kLsfIndicator);
}

void SurveyModel::account(double latitude, double longitude, double altitude,
                          std::int32_t fix3d, std::uint16_t hdop10, std::uint16_t vdop10)
{
    if (acceptsHorizontal(hdop10)) {
        addPair(leastSquares[kLatitude], leastSquares[kLongitude], latitude, longitude);
        addPair(mean[kLatitude], mean[kLongitude], latitude, longitude);
    }
    if (acceptsAltitude(vdop10, fix3d)) {
        leastSquares[kAltitude].add(altitude);
        mean[kAltitude].add(altitude);
    }
    const int hdopClass = hdop10 <= 10 ? 0 : hdop10 <= 20 ? 1 : 2;
    ++hdopClassCounts[hdopClass];
}

SurveyModel::AddResult SurveyModel::addSample(double latitude, double longitude,
                                              double altitude, std::int16_t pdop10,
                                              std::int32_t fix3d, std::uint16_t hdop10,
                                              std::uint16_t vdop10)
{
    SurveySample sample;
    sample.latitude = truncateToInt32(latitude * 10000000.0);
    sample.longitude = truncateToInt32(longitude * 10000000.0);
    sample.altitude = truncateToInt32(altitude * 100.0);
    sample.pdop10 = pdop10;
    sample.fix3d = fix3d;
    sample.vdop10 = vdop10;
    sample.hdop10 = hdop10;
    const AddResult result = store.append(sample);
    if (result != AddResult::Stored) return result;
    account(latitude, longitude, altitude, fix3d, hdop10, vdop10);
    modified = true;
    return result;
}

SurveyModel::AddResult SurveyModel::storeSample(const SurveySample& sample)
{
    return store.append(sample);
}

void SurveyModel::resetStatistics()
{
    for (auto& accumulator : leastSquares) accumulator.reset();
    for (auto& accumulator : mean) accumulator.reset();
    hdopClassCounts = {};
}

void SurveyModel::recomputeStatistics()
{
    resetStatistics();
    store.forEach([this](const SurveySample& s) {
        account(s.latitude * kDegreesPerUnit, s.longitude * kDegreesPerUnit,
                s.altitude * kMetresPerUnit, s.fix3d, s.hdop10, s.vdop10);
    });
}

void SurveyModel::recomputeAltitudeRange()
{
    std::int32_t highest = kRangeMaxSentinel;
    std::int32_t lowest = kRangeMinSentinel;
    store.forEach([&](const SurveySample& s) {
        if (s.altitude > highest) highest = s.altitude;
        if (s.altitude < lowest) lowest = s.altitude;
    });
    altitudeMax = highest;
    altitudeMin = lowest;
}

void SurveyModel::clearSurvey()
{
    store.clear();
    resetStatistics();
    recomputeAltitudeRange();
}

void SurveyModel::toggleLsfIndicator(SettingsStore& settings)
{
    enablePalsfsd = toggled(enablePalsfsd);
    writeSetting(settings, settings::survey::kLsfIndicator, enablePalsfsd);
}

void SurveyModel::toggleMeanIndicator(SettingsStore& settings)
{
    enablePositionAvgIndicator = toggled(enablePositionAvgIndicator);
    writeSetting(settings, settings::survey::kMeanIndicator, enablePositionAvgIndicator);
}

} // namespace orbilunex
