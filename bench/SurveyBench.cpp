// The survey engine at survey sizes: adding 10 million samples, saving and
// reading a 1-million-sample path file (62 MB), rebuilding the statistics of
// 10 million, and the memory a stored sample costs.
//   build/dev/bench/survey_bench --benchmark_min_time=1

#include "settings/SettingsStore.h"
#include "survey/PathFile.h"
#include "survey/SurveyModel.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using orbilunex::MemorySettingsStore;
using orbilunex::SurveyModel;

constexpr std::uint32_t kLargeSurvey = 10'000'000;
constexpr std::uint32_t kFileSurvey = 1'000'000;

// A wandering position with DOPs around the default thresholds, so that
// both acceptance branches and all three HDOP classes are taken.
struct Walk {
    std::vector<double> latitude, longitude, altitude;
    std::vector<std::uint16_t> hdop10, vdop10;

    explicit Walk(std::size_t n)
    {
        std::uint32_t seed = 2032;
        auto next = [&seed] {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<double>(seed >> 8) / 16777216.0 - 0.5;
        };
        for (std::size_t i = 0; i < n; ++i) {
            latitude.push_back(47.2612983 + next() * 0.0002);
            longitude.push_back(11.3466683 + next() * 0.0002);
            altitude.push_back(590.0 + next() * 30.0);
            hdop10.push_back(static_cast<std::uint16_t>(8 + (next() + 0.5) * 30));
            vdop10.push_back(static_cast<std::uint16_t>(10 + (next() + 0.5) * 30));
        }
    }
};

const Walk& walk()
{
    static const Walk w(1 << 16);
    return w;
}

void fill(SurveyModel& survey, std::uint32_t count)
{
    const Walk& w = walk();
    const std::size_t mask = w.latitude.size() - 1;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t k = i & mask;
        survey.addSample(w.latitude[k], w.longitude[k], w.altitude[k], 15, 1, w.hdop10[k],
                         w.vdop10[k]);
    }
}

void BM_AddSample(benchmark::State& state)
{
    MemorySettingsStore settings;
    for (auto _ : state) {
        state.PauseTiming();
        auto survey = std::make_unique<SurveyModel>(settings);
        state.ResumeTiming();
        fill(*survey, kLargeSurvey);
        benchmark::DoNotOptimize(survey->mean[0].mean);
        state.PauseTiming();
        survey.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kLargeSurvey);
}
BENCHMARK(BM_AddSample)->Unit(benchmark::kMillisecond);

void BM_RecomputeStatistics(benchmark::State& state)
{
    MemorySettingsStore settings;
    SurveyModel survey(settings);
    fill(survey, kLargeSurvey);
    for (auto _ : state) {
        survey.recomputeStatistics();
        benchmark::DoNotOptimize(survey.mean[0].mean);
    }
    state.SetItemsProcessed(state.iterations() * kLargeSurvey);
}
BENCHMARK(BM_RecomputeStatistics)->Unit(benchmark::kMillisecond);

std::string benchFile()
{
    return "/tmp/orbilunex-survey-bench-" + std::to_string(getpid()) + ".pth";
}

void BM_SavePathFile(benchmark::State& state)
{
    MemorySettingsStore settings;
    SurveyModel survey(settings);
    fill(survey, kFileSurvey);
    const std::string path = benchFile();
    std::string error;
    for (auto _ : state) {
        if (!orbilunex::savePathFile(path, survey, error)) state.SkipWithError(error.c_str());
    }
    std::remove(path.c_str());
    state.SetBytesProcessed(state.iterations() *
                            (orbilunex::kPathHeaderBytes + kFileSurvey * orbilunex::kPathRecordBytes));
}
BENCHMARK(BM_SavePathFile)->Unit(benchmark::kMillisecond);

class NoPrompts : public orbilunex::PathReadPrompts {
    bool disableAcquisition() override { return true; }
    void oldFormatNotice() override {}
};

// Read with statistics and altitude range, the file in the page cache.
void BM_ReadPathFile(benchmark::State& state)
{
    MemorySettingsStore settings;
    const std::string path = benchFile();
    {
        SurveyModel source(settings);
        fill(source, kFileSurvey);
        std::string error;
        if (!orbilunex::savePathFile(path, source, error)) state.SkipWithError(error.c_str());
    }
    SurveyModel survey(settings);
    NoPrompts prompts;
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        const auto result = orbilunex::readPathFile(in, survey, prompts);
        if (result.stored != kFileSurvey) state.SkipWithError("short read");
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * kFileSurvey);
}
BENCHMARK(BM_ReadPathFile)->Unit(benchmark::kMillisecond);

// Heap bytes a survey of 10 million samples holds, per sample.
void BM_MemoryPerSample(benchmark::State& state)
{
    MemorySettingsStore settings;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks + mallinfo2().hblkhd;
        auto survey = std::make_unique<SurveyModel>(settings);
        fill(*survey, kLargeSurvey);
        const std::size_t after = mallinfo2().uordblks + mallinfo2().hblkhd;
        state.counters["bytesPerSample"] =
            static_cast<double>(after - before) / static_cast<double>(kLargeSurvey);
        state.counters["recordBytes"] = sizeof(orbilunex::SurveySample);
    }
}
BENCHMARK(BM_MemoryPerSample)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
