#pragma once

#include "Options.h"
#include "Stats.h"

#include <ostream>

namespace orbilunex::simgps {

struct GenerationSummary {
    long long sentences = 0;
    long long corrupted = 0;
};

// Runs the scenario from its start and writes the epochs the options select.
// `stats`, when given, sees every written epoch.
GenerationSummary generate(const Options& options, std::ostream& out, Stats* stats);

} // namespace orbilunex::simgps
