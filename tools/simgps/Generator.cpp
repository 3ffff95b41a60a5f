#include "Generator.h"

#include "Scenario.h"
#include "Sentences.h"

namespace orbilunex::simgps {

GenerationSummary generate(const Options& options, std::ostream& out, Stats* stats)
{
    Scenario scenario(options.seed, *options.site, options.systems);
    SentenceWriter writer(out, options.lfOnly, options.badChecksumEvery);
    // Skipped seconds are still simulated: the sky, the tracking state and the
    // drive must be where they would be in the full log.
    for (int i = 0; i < options.skipSeconds; ++i)
        scenario.next();
    for (int i = 0; i < options.epochs(); ++i) {
        const EpochReport epoch = scenario.next();
        writeEpoch(writer, epoch);
        if (stats)
            stats->add(epoch);
    }
    return {writer.sentences(), writer.corrupted()};
}

} // namespace orbilunex::simgps
