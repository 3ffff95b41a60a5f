// Framing and decoding throughput: the bundled sample log repeated to at
// least 100 MB, fed in 2048-byte blocks (the size of the program's read
// buffer) to one parser that keeps its state across the whole stream.
//   build/dev/bench/parser_bench --benchmark_min_time=2

#include "nmea/NmeaParser.h"
#include "nmea/NumberReader.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr std::size_t kStreamBytes = 100u * 1024u * 1024u;
constexpr std::size_t kBlockBytes = 2048;

const std::string& largeStream()
{
    static const std::string stream = [] {
        std::ifstream in(SAMPLE_LOG, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        const std::string sample = text.str();
        if (sample.empty()) {
            std::cerr << "cannot read " << SAMPLE_LOG << "\n";
            std::exit(1);
        }
        std::string all;
        all.reserve(kStreamBytes + sample.size());
        while (all.size() < kStreamBytes) all += sample;
        return all;
    }();
    return stream;
}

void BM_ParseStream(benchmark::State& state)
{
    const std::string& stream = largeStream();
    const auto* bytes = reinterpret_cast<const unsigned char*>(stream.data());
    orbilunex::NmeaParser parser;
    for (auto _ : state) {
        for (std::size_t i = 0; i < stream.size(); i += kBlockBytes) {
            const std::size_t n = stream.size() - i < kBlockBytes ? stream.size() - i : kBlockBytes;
            parser.feed(bytes + i, n);
        }
        benchmark::DoNotOptimize(parser.gpsState());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(stream.size()));
    state.counters["sentences"] = parser.sentenceCount();
}
BENCHMARK(BM_ParseStream)->Unit(benchmark::kMillisecond);

void BM_ReadReal(benchmark::State& state)
{
    const char* fields[] = {"4807.038", "01131.000", "545.4", "0.9", "022.4", "12345.6789012345678"};
    for (auto _ : state) {
        double sum = 0;
        for (const char* f : fields) sum += orbilunex::readReal(f);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 6);
}
BENCHMARK(BM_ReadReal);

} // namespace

BENCHMARK_MAIN();
