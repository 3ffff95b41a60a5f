// orbilunex-survey: runs the survey engine over a path file or an NMEA log
// without a window and prints the survey's figures as JSON, for scripts and
// batch work. Never reads or writes the user's settings: thresholds come
// from the command line or their defaults.

#include "settings/SettingsStore.h"
#include "survey/AccuracySettings.h"
#include "survey/LiveFeed.h"
#include "survey/PathFile.h"
#include "survey/SurveyAccuracy.h"
#include "survey/SurveyExport.h"
#include "survey/SurveyReport.h"
#include "survey/SurveyTexts.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <ios>
#include <istream>
#include <memory>
#include <optional>
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
        "                        [--all-systems] [--write OUT.pth] [--csv OUT.csv]\n"
        "                        [--reference LAT,LON,ALT] [--stop-when N,X]\n"
        "                        [--export FILE [--force]] INPUT\n"
        "  INPUT is a path file or an NMEA log. Thresholds are DOP x 10 (default 30).\n"
        "  --no-verify takes GGA positions whatever their fix quality.\n"
        "  --all-systems reads a log's positions from every satellite system's talker\n"
        "  (GNGGA ...), not from GP alone.\n"
        "  --reference gives a known point (degrees, metres) to measure the averages from.\n"
        "  --stop-when stops taking samples once at least N horizontal samples are\n"
        "  stored and 2DRMS is at most X metres; a path file's samples are taken in\n"
        "  order as if they arrived, and those after the stop are left out.\n"
        "  --export writes FILE as .csv, .gpx, .kml or .geojson (by its extension);\n"
        "  an existing FILE is replaced only with --force.\n"
        "  Prints the survey's statistics and accuracy as one JSON object.\n",
        to);
}

struct Options {
    int hdopThreshold = 30;
    int vdopThreshold = 30;
    bool verify = true;
    bool allSystems = false;
    std::string writePath;
    std::string csvPath;
    std::string exportPath;
    ExportFormat exportFormat = ExportFormat::Csv;
    bool force = false;
    std::optional<ReferencePoint> reference;
    std::optional<StopRule> stopRule;
    std::string input;
};

bool parseThreshold(const char* text, int& value)
{
    return parseSettingInt(text, value) && value >= 0 && value <= 65535;
}

// Splits "a,b,c" at its commas.
std::vector<std::string> splitCommas(const std::string& text)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == ',') parts.emplace_back();
        else parts.back() += c;
    }
    return parts;
}

// "LAT,LON,ALT": degrees within their ranges, metres.
std::optional<ReferencePoint> parseReference(const std::string& text)
{
    const std::vector<std::string> parts = splitCommas(text);
    if (parts.size() != 3) return std::nullopt;
    const std::optional<double> latitude = parseDecimal(parts[0]);
    const std::optional<double> longitude = parseDecimal(parts[1]);
    const std::optional<double> altitude = parseDecimal(parts[2]);
    if (!latitude || !longitude || !altitude || std::fabs(*latitude) > 90.0 ||
        std::fabs(*longitude) > 180.0)
        return std::nullopt;
    return ReferencePoint{*latitude, *longitude, *altitude};
}

// "N,X": a whole number of samples and metres, neither below 0.
std::optional<StopRule> parseStopRule(const std::string& text)
{
    const std::vector<std::string> parts = splitCommas(text);
    if (parts.size() != 2 || parts[0].empty() || parts[0].size() > 10) return std::nullopt;
    unsigned long long samples = 0;
    for (char c : parts[0]) {
        if (c < '0' || c > '9') return std::nullopt;
        samples = samples * 10 + static_cast<unsigned>(c - '0');
    }
    const std::optional<double> twoDrms = parseDecimal(parts[1]);
    if (samples > UINT32_MAX || !twoDrms || *twoDrms < 0.0) return std::nullopt;
    return StopRule{static_cast<std::uint32_t>(samples), *twoDrms};
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
        } else if (arg == "--export" && hasValue) {
            options.exportPath = argv[++i];
            const std::optional<ExportFormat> format = exportFormatFor(options.exportPath);
            if (!format) {
                std::fprintf(stderr,
                             "orbilunex-survey: cannot tell the format of %s: its name must end "
                             "in .csv, .gpx, .kml or .geojson\n",
                             options.exportPath.c_str());
                return 2;
            }
            options.exportFormat = *format;
        } else if (arg == "--force") {
            options.force = true;
        } else if (arg == "--reference" && hasValue) {
            options.reference = parseReference(argv[++i]);
            if (!options.reference) {
                std::fprintf(stderr,
                             "orbilunex-survey: --reference needs LAT,LON,ALT: latitude -90..90 "
                             "and longitude -180..180 degrees, altitude in metres (not %s)\n",
                             argv[i]);
                return 2;
            }
        } else if (arg == "--stop-when" && hasValue) {
            options.stopRule = parseStopRule(argv[++i]);
            if (!options.stopRule) {
                std::fprintf(stderr,
                             "orbilunex-survey: --stop-when needs N,X: a whole number of samples "
                             "and a 2DRMS in metres, neither below 0 (not %s)\n",
                             argv[i]);
                return 2;
            }
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

// The stop rule as samples are taken: the running 2DRMS of those the
// horizontal mean accepts (their stored values, so that a log and the path
// file saved from it stop at the same sample), and the stored count at
// which the rule was met.
struct StopWatch {
    std::optional<StopRule> rule;
    RunningHorizontalSpread spread;
    std::optional<std::uint32_t> stoppedAt;

    // Accounts the sample stored as number `stored` (from 1); true when no
    // further sample is to be taken.
    bool taken(const SurveyModel& survey, const SurveySample& sample, std::uint32_t stored)
    {
        if (!rule) return false;
        if (survey.acceptsHorizontal(sample.hdop10))
            spread.add(sample.latitude * kDegreesPerUnit, sample.longitude * kDegreesPerUnit);
        if (spread.met(*rule)) stoppedAt = stored;
        return stoppedAt.has_value();
    }
};

// Reads the log in blocks through one parser, taking a sample right after
// each GGA as the live feed does, until the stop rule is met (the rest of
// the log is not read); true when all it took fit.
bool surveyLog(std::istream& in, SurveyModel& survey, bool allSystems, StopWatch& stop)
{
    NmeaParser parser;
    parser.setAllSystems(allSystems);
    const GpsState& state = parser.gpsState();
    SurveyLiveFeed feed;
    std::vector<char> block(65536);
    while (!stop.stoppedAt &&
           (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0)) {
        const auto got = static_cast<std::size_t>(in.gcount());
        for (std::size_t i = 0; i < got && !stop.stoppedAt; ++i) {
            parser.pushByte(static_cast<unsigned char>(block[i]));
            if (state.ggaCount == feed.lastGgaCount || !feed.wantsSample(state, survey)) continue;
            if (addLiveSample(survey, state) != SurveyModel::AddResult::Stored) {
                std::fputs("orbilunex-survey: the survey is full; the rest of the log is left out\n",
                           stderr);
                return false;
            }
            const std::uint32_t stored = survey.sampleCount();
            stop.taken(survey, survey.samples().at(stored - 1), stored);
        }
    }
    survey.recomputeAltitudeRange();
    return true;
}

// A path file's samples taken in order as if they arrived: `survey` gets
// those up to the one at which the stop rule is met (all of them when it
// never is), with the file's header, and statistics rebuilt from them.
void takeUntilStop(const SurveyModel& whole, SurveyModel& survey, StopWatch& stop)
{
    survey.clearSurvey();
    survey.headerBlock = whole.headerBlock;
    survey.acquisitionEnabled = whole.acquisitionEnabled;
    for (std::uint32_t i = 0; i < whole.sampleCount(); ++i) {
        const SurveySample& sample = whole.samples().at(i);
        // Both hold at most kMaxSamples, so this store takes what that one held.
        survey.storeSample(sample);
        if (stop.taken(survey, sample, i + 1)) break;
    }
    survey.modified = whole.modified || survey.sampleCount() != whole.sampleCount();
    survey.recomputeStatistics();
    survey.recomputeAltitudeRange();
}

// A member "key":value; null when absent or not finite. Numbers in the
// shortest text that reads back the same double, as the survey's own.
void member(std::string& out, const char* key, const std::optional<double>& value)
{
    out += ",\"";
    out += key;
    out += "\":";
    out += value && std::isfinite(*value) ? exactDecimal(*value) : "null";
}

void member(std::string& out, const char* key, const std::string& literal)
{
    out += ",\"";
    out += key;
    out += "\":";
    out += literal;
}

std::string positionErrorJson(const PositionError& error)
{
    std::string out;
    member(out, "east", error.east);
    member(out, "north", error.north);
    member(out, "up", error.up);
    member(out, "horizontal", error.horizontal);
    member(out, "bearing", error.bearing);
    out[0] = '{';
    return out + '}';
}

// The accuracy figures, the errors from the reference and the stop rule's
// outcome, each member after a comma, to follow the survey's own.
std::string accuracyMembers(const SurveyModel& survey, const SurveyAccuracy& figures,
                            const Options& options, const StopWatch& stop)
{
    std::string out;
    member(out, "cep50", figures.cep50);
    member(out, "r95", figures.r95);
    member(out, "drms", figures.drms);
    member(out, "twoDrms", figures.twoDrms);
    member(out, "sigmaUp", figures.sigmaUp);
    member(out, "horizontalSamples", std::to_string(figures.horizontalSamples));
    member(out, "verticalSamples", std::to_string(figures.verticalSamples));
    if (options.reference) {
        const ReferenceErrors errors = referenceErrors(survey, *options.reference);
        member(out, "referenceError",
               "{\"mean\":" + positionErrorJson(errors.mean) +
                   ",\"leastSquares\":" + positionErrorJson(errors.leastSquares) + "}");
    }
    if (options.stopRule) {
        member(out, "surveyComplete", stop.stoppedAt ? "true" : "false");
        member(out, "stoppedAtSample", stop.stoppedAt ? std::to_string(*stop.stoppedAt) : "null");
    }
    return out;
}

// The survey's own JSON object with the accuracy members added at its end.
std::string surveyJson(const SurveyModel& survey, const SurveyAccuracy& figures,
                       const Options& options, const StopWatch& stop)
{
    std::string json = surveyToJson(survey);
    json.pop_back(); // its closing brace
    return json + accuracyMembers(survey, figures, options, stop) + '}';
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (const int code = parseOptions(argc, argv, options)) return code < 0 ? 0 : code;
    // Refused before the input is read, so that nothing is written.
    if (!options.exportPath.empty() && !options.force && exportTargetExists(options.exportPath)) {
        std::fprintf(stderr, "orbilunex-survey: %s already exists; --force replaces it\n",
                     options.exportPath.c_str());
        return 1;
    }

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
    StopWatch stop;
    stop.rule = options.stopRule;
    if (pathFile) {
        ToolPrompts prompts;
        // The reader rebuilds the statistics from the stored values. With a
        // stop rule the file is read aside and its samples then taken in turn.
        std::unique_ptr<SurveyModel> read;
        if (stop.rule) {
            read = std::make_unique<SurveyModel>(settings);
            read->hdopThreshold = survey.hdopThreshold;
            read->vdopThreshold = survey.vdopThreshold;
            read->verifyPositionFix = survey.verifyPositionFix;
        }
        const PathReadResult result = readPathFile(in, read ? *read : survey, prompts);
        if (read) takeUntilStop(*read, survey, stop);
        readError = replay.error();
        if (result.status != PathReadResult::Status::Ok && readError == 0) {
            std::fprintf(stderr, "orbilunex-survey: %s\n",
                         describePathReadError(result, options.input).c_str());
            whole = false;
        }
        // Said, but no failure: the announced samples are all there.
        const std::string unread = describeUnannouncedRecords(result, options.input);
        if (!unread.empty()) std::fprintf(stderr, "orbilunex-survey: warning: %s\n", unread.c_str());
    } else {
        whole = surveyLog(in, survey, options.allSystems, stop);
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
    AccuracyScratch scratch;
    const SurveyAccuracy figures = surveyAccuracy(survey, scratch);
    if (!options.exportPath.empty() &&
        !exportSurvey(options.exportPath, options.exportFormat, survey, figures, options.force,
                      error)) {
        std::fprintf(stderr, "orbilunex-survey: %s\n", error.c_str());
        whole = false;
    }
    std::printf("%s\n", surveyJson(survey, figures, options, stop).c_str());
    return whole && std::fflush(stdout) == 0 ? 0 : 1;
}
