#pragma once

#include "survey/LeastSquaresAccumulator.h"
#include "survey/MeanAccumulator.h"
#include "survey/SampleStore.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace orbilunex {

class SettingsStore;

constexpr std::size_t kPathHeaderBytes = 2048;
using PathHeaderBlock = std::array<unsigned char, kPathHeaderBytes>;

// The data of one survey: every sample given to it, and for latitude,
// longitude and altitude a mean and a least-squares estimate with their
// spreads, the HDOP class counts and the altitude range. A sample is stored
// whatever its quality; it feeds the horizontal estimates only when its HDOP
// is within HDOPThreshold, and the altitude estimates only when its VDOP is
// within VDOPThreshold and the fix is three-dimensional. The survey window's
// document wraps one of these; tools use it on its own.
class SurveyModel {
public:
    using AddResult = SampleStore::AppendResult;

    // Reads every "Survey Configuration" key (missing or damaged values give
    // their defaults). blockLimit and allocate are for tests of a full or
    // failing store.
    explicit SurveyModel(const SettingsStore& settings,
                         std::size_t blockLimit = kBlockTableEntries,
                         BlockAllocator allocate = nullptr);

    // Stores one sample (positions truncated toward zero to 10^-7 degree and
    // to centimetres, saturating) and accounts it with the full-precision
    // values. Marks the survey modified. When the store cannot take it
    // (100 000 000 samples, or no memory for a new block) nothing changes and
    // the reason is returned.
    AddResult addSample(double latitude, double longitude, double altitude,
                        std::int16_t pdop10, std::int32_t fix3d, std::uint16_t hdop10,
                        std::uint16_t vdop10);

    // Stores a record exactly as given, without touching the statistics or
    // the modified mark: the path-file reader keeps a file's integers as they
    // are and rebuilds the statistics once at the end.
    AddResult storeSample(const SurveySample& sample);

    // Rebuilds the accumulators and class counts from the stored (quantised)
    // values, with the thresholds now in force.
    void recomputeStatistics();
    // Rescans every stored altitude; with no samples the range is the
    // sentinels -1000000 / 999999 cm.
    void recomputeAltitudeRange();
    // Drops every sample and all statistics; the header block, thresholds and
    // flags stay.
    void clearSurvey();

    // The indicator commands: a flag of 1 becomes 0, anything else 1; the
    // new value is written to its key at once.
    void toggleLsfIndicator(SettingsStore& settings);
    void toggleMeanIndicator(SettingsStore& settings);

    // Whether the stored sample feeds the horizontal / altitude estimates
    // under the thresholds now in force.
    // Inline: the accuracy figures ask it of every stored sample.
    bool acceptsHorizontal(std::uint16_t hdop10) const
    {
        return hdop10 != 0 && hdop10 <= hdopThreshold;
    }
    bool acceptsAltitude(std::uint16_t vdop10, std::int32_t fix3d) const
    {
        return vdop10 != 0 && vdop10 <= vdopThreshold && fix3d == 1;
    }

    const SampleStore& samples() const { return store; }
    std::uint32_t sampleCount() const { return store.sampleCount(); }

    // Highest and lowest altitude seen, centimetres; widened by the
    // elevation chart as it plots.
    std::int32_t altitudeMax = -100000;
    std::int32_t altitudeMin = 99999;

    std::uint16_t avgDopThreshold = 30;
    std::uint16_t hdopThreshold = 30;
    std::uint16_t vdopThreshold = 30;
    PathHeaderBlock headerBlock{};
    int plotIndicatorSize = 0;
    bool acquisitionEnabled = true;
    int useLines = 1;
    // Kept as stored, since the toggles treat any value but 1 as off.
    int enablePalsfsd = 1;
    int enablePositionAvgIndicator = 1;
    int verifyPositionFix = 1;

    // Latitude, longitude, altitude.
    std::array<LeastSquaresAccumulator, 3> leastSquares{};
    std::array<MeanAccumulator, 3> mean{};
    // hdop10 <= 10, 11..20, above 20.
    std::array<std::uint32_t, 3> hdopClassCounts{};

    bool modified = false;

    static constexpr int kLatitude = 0;
    static constexpr int kLongitude = 1;
    static constexpr int kAltitude = 2;

private:
    void account(double latitude, double longitude, double altitude, std::int32_t fix3d,
                 std::uint16_t hdop10, std::uint16_t vdop10);
    void resetStatistics();

    SampleStore store;
};

} // namespace orbilunex
