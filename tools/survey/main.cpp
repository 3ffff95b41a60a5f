// orbilunex-survey: runs the survey engine over a path file or an NMEA log
// without a window and prints the survey's figures as JSON, for scripts and
// batch work. Never reads or writes the user's settings: thresholds come
// from the command line or their defaults.

#include "settings/SettingsStore.h"
#include "survey/LiveFeed.h"
#include "survey/PathFile.h"
#include "survey/SurveyReport.h"
#include "survey/SurveyTexts.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <ios>
#include <istream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

using namespace orbilunex;

namespace {

void printUsage(std::FILE* to)
{
    std::fputs(
        "usage: orbilunex-survey [--hdop-threshold N] [--vdop-threshold N] [--no-verify]\n"
        "                        [--all-systems] [--write OUT.pth] [--csv OUT.csv] INPUT\n"
        "  INPUT is a path file or an NMEA log. Thresholds are DOP x 10 (default 30).\n"
        "  --no-verify takes GGA positions whatever their fix quality.\n"
        "  --all-systems reads a log's positions from every satellite system's talker\n"
        "  (GNGGA ...), not from GP alone.\n"
        "  Prints the survey's statistics as one JSON object.\n",
        to);
}

struct Options {
    int hdopThreshold = 30;
    int vdopThreshold = 30;
    bool verify = true;
    bool allSystems = false;
    std::string writePath;
    std::string csvPath;
    std::string input;
};

bool parseThreshold(const char* text, int& value)
{
    return parseSettingInt(text, value) && value >= 0 && value <= 65535;
}

// Returns 0 when the options are usable, else the exit code to use.
int parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            printUsage(stdout);
            return -1;
        } else if (arg == "--no-verify") {
            options.verify = false;
        } else if (arg == "--all-systems") {
            options.allSystems = true;
        } else if ((arg == "--hdop-threshold" || arg == "--vdop-threshold") && hasValue) {
            int& target = arg == "--hdop-threshold" ? options.hdopThreshold : options.vdopThreshold;
            if (!parseThreshold(argv[++i], target)) {
                std::fprintf(stderr, "orbilunex-survey: %s needs an integer 0..65535\n", arg.c_str());
                return 2;
            }
        } else if (arg == "--write" && hasValue) {
            options.writePath = argv[++i];
        } else if (arg == "--csv" && hasValue) {
            options.csvPath = argv[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fprintf(stderr, "orbilunex-survey: unknown or incomplete option %s\n", arg.c_str());
            printUsage(stderr);
            return 2;
        } else if (options.input.empty()) {
            options.input = arg;
        } else {
            printUsage(stderr);
            return 2;
        }
    }
    if (options.input.empty()) {
        printUsage(stderr);
        return 2;
    }
    return 0;
}

// Nobody to ask: acquisition does not matter here, and the notice goes to
// standard error.
class ToolPrompts : public PathReadPrompts {
public:
    bool disableAcquisition() override { return false; }
    void oldFormatNotice() override
    {
        std::fprintf(stderr, "orbilunex-survey: %s\n", oldFileFormatNotice);
    }
};

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The input's bytes in order: first those already read to tell a path file
// from a log, then the rest of the file. The input is read once, front to
// back, so a pipe gives what the same file would. A failed read of the rest
// throws, which leaves the stream reading from here bad.
class ReplayBuffer : public std::streambuf {
public:
    ReplayBuffer(std::string head, std::istream& rest) : head(std::move(head)), rest(rest)
    {
        setg(this->head.data(), this->head.data(), this->head.data() + this->head.size());
    }

    int error() const { return readError; }

protected:
    int_type underflow() override
    {
        errno = 0;
        rest.read(block, sizeof block);
        const std::streamsize got = rest.gcount();
        if (rest.bad()) {
            readError = errno != 0 ? errno : EIO;
            throw std::ios_base::failure("read error");
        }
        if (got <= 0) return traits_type::eof();
        setg(block, block, block + got);
        return traits_type::to_int_type(block[0]);
    }

private:
    std::string head;
    std::istream& rest;
    char block[65536];
    int readError = 0;
};

// Reads the first bytes; a path file by its magic or its name.
bool isPathFile(const std::string& start, const std::string& name)
{
    const bool magic = start.size() >= sizeof kPathMagic &&
                       std::memcmp(start.data(), kPathMagic, sizeof kPathMagic) == 0;
    return magic || endsWith(name, pathFileExtension);
}

// Reads the log in blocks through one parser; true when all of it fit.
bool surveyLog(std::istream& in, SurveyModel& survey, bool allSystems)
{
    NmeaParser parser;
    parser.setAllSystems(allSystems);
    SurveyLiveFeed feed;
    std::vector<char> block(65536);
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        if (feed.feedStream(parser, reinterpret_cast<const unsigned char*>(block.data()), got,
                            survey) != SurveyModel::AddResult::Stored) {
            std::fputs("orbilunex-survey: the survey is full; the rest of the log is left out\n",
                       stderr);
            return false;
        }
    }
    survey.recomputeAltitudeRange();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (const int code = parseOptions(argc, argv, options)) return code < 0 ? 0 : code;

    MemorySettingsStore settings;
    SurveyModel survey(settings);
    survey.hdopThreshold = static_cast<std::uint16_t>(options.hdopThreshold);
    survey.vdopThreshold = static_cast<std::uint16_t>(options.vdopThreshold);
    survey.verifyPositionFix = options.verify ? 1 : 0;

    std::ifstream file(options.input, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "orbilunex-survey: cannot open %s: %s\n", options.input.c_str(),
                     std::strerror(errno));
        return 1;
    }
    std::string start(sizeof kPathMagic, '\0');
    errno = 0;
    file.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(file.gcount()));
    const bool pathFile = isPathFile(start, options.input);
    if (file.bad()) {
        // A folder opens, but its first read fails.
        std::fprintf(stderr, "orbilunex-survey: cannot read %s: %s\n", options.input.c_str(),
                     std::strerror(errno != 0 ? errno : EIO));
        return 1;
    }
    ReplayBuffer replay(std::move(start), file);
    std::istream in(&replay);

    bool whole = true;
    int readError = 0;
    if (pathFile) {
        ToolPrompts prompts;
        // The reader rebuilds the statistics from the stored values.
        const PathReadResult result = readPathFile(in, survey, prompts);
        readError = replay.error();
        if (result.status != PathReadResult::Status::Ok && readError == 0) {
            std::fprintf(stderr, "orbilunex-survey: %s\n",
                         describePathReadError(result, options.input).c_str());
            whole = false;
        }
    } else {
        whole = surveyLog(in, survey, options.allSystems);
        readError = replay.error();
    }
    if (readError != 0) {
        std::fprintf(stderr, "orbilunex-survey: cannot read %s: %s\n", options.input.c_str(),
                     std::strerror(readError));
        whole = false;
    }

    std::string error;
    if (!options.writePath.empty() && !savePathFile(options.writePath, survey, error)) {
        std::fprintf(stderr, "orbilunex-survey: %s\n", error.c_str());
        whole = false;
    }
    if (!options.csvPath.empty()) {
        std::ofstream csv(options.csvPath, std::ios::binary | std::ios::trunc);
        if (!csv || !writeSurveyCsv(csv, survey)) {
            std::fprintf(stderr, "orbilunex-survey: cannot write %s\n", options.csvPath.c_str());
            whole = false;
        }
    }
    std::printf("%s\n", surveyToJson(survey).c_str());
    return whole && std::fflush(stdout) == 0 ? 0 : 1;
}
