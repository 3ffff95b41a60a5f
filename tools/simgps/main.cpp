// orbilunex-simgps: a simulated GPS receiver writing deterministic NMEA-0183
// logs. Kept independent of the monitor's decoder so that each checks the other.

#include "Generator.h"
#include "Options.h"
#include "Stats.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using namespace orbilunex::simgps;

namespace {

constexpr int kExitUsage = 2;

int run(const Options& options, std::ostream& out)
{
    Stats stats;
    const GenerationSummary summary = generate(options, out, options.stats ? &stats : nullptr);
    out.flush();
    if (!out) {
        std::cerr << "orbilunex-simgps: write error\n";
        return 1;
    }
    if (options.stats) {
        stats.print(std::cerr);
        std::cerr << "sentences " << summary.sentences << ", bad checksums " << summary.corrupted << "\n";
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    std::string error;
    if (!parseOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::cerr << "orbilunex-simgps: " << error << "\n" << usageText();
        return kExitUsage;
    }
    if (options.help) {
        std::cout << usageText();
        return 0;
    }
    if (options.outputPath.empty())
        return run(options, std::cout);
    std::ofstream file(options.outputPath, std::ios::binary | std::ios::trunc);
    if (!file) {
        std::cerr << "orbilunex-simgps: cannot write " << options.outputPath << "\n";
        return 1;
    }
    return run(options, file);
}
