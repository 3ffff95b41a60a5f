#pragma once

#include "Epoch.h"
#include "Geo.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orbilunex::simgps {

struct Options {
    std::uint64_t seed = 1;
    int minutes = 30;
    int skipSeconds = 0; // simulated but not written, e.g. to start with a fix
    const Site* site = &defaultSite();
    std::vector<GnssSystem> systems = gpsOnly(); // or everySystem()
    bool lfOnly = false;
    int badChecksumEvery = 0; // 0: all checksums right
    std::string outputPath;   // empty: standard output
    bool stats = false;
    bool help = false;

    int epochs() const { return minutes * 60; }
};

// Parses the arguments after the program name. On failure returns false with
// a one-line reason in `error`.
bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error);
std::string usageText();

} // namespace orbilunex::simgps
