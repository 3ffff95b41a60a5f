// Reads arbitrary bytes as a path file and as an NMEA log fed to a survey.
// Besides the sanitizers' checks (including float-to-integer overflow) it
// asserts that a read never stores more than its file announced, and that
// saving, reading back and saving again gives the same bytes.

#include "settings/SettingsStore.h"
#include "survey/LiveFeed.h"
#include "survey/PathFile.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

class Quiet : public orbilunex::PathReadPrompts {
    bool disableAcquisition() override { return false; }
    void oldFormatNotice() override {}
};

// Inputs are a few kilobytes: two blocks hold any of them, and a small
// table keeps each run quick.
constexpr std::size_t kBlocks = 2;

std::string save(orbilunex::SurveyModel& survey)
{
    std::ostringstream out;
    if (!orbilunex::writePathFile(out, survey)) std::abort();
    return out.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbilunex;
    MemorySettingsStore settings;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Quiet prompts;

    SurveyModel survey(settings, kBlocks);
    std::istringstream in(bytes);
    const PathReadResult result = readPathFile(in, survey, prompts);
    if (result.stored > result.announced || survey.sampleCount() != result.stored) std::abort();
    const std::string first = save(survey);
    SurveyModel again(settings, kBlocks);
    std::istringstream reread(first);
    if (readPathFile(reread, again, prompts).status != PathReadResult::Status::Ok) std::abort();
    if (save(again) != first) std::abort();

    SurveyModel live(settings, kBlocks);
    live.verifyPositionFix = 0;
    NmeaParser parser;
    SurveyLiveFeed feed;
    feed.feedStream(parser, data, size, live);
    live.recomputeStatistics();
    live.recomputeAltitudeRange();
    return 0;
}
