// orbilunex-decode: feeds an NMEA stream to the decoder and prints the decoded
// state as JSON, so that logs can be scripted and the decoder compared with
// others. Reads a file, or standard input for "-" or no argument.

#include "nmea/NmeaParser.h"
#include "nmea/StateJson.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kBlockSize = 4096;

void printUsage(std::FILE* to)
{
    std::fputs("usage: orbilunex-decode [--each] [--all-systems] [FILE|-]\n"
               "  Prints the state decoded from the NMEA stream in FILE (or standard\n"
               "  input) as one JSON object; with --each, one object per dispatched\n"
               "  sentence, taken right after it. With --all-systems the sentences of\n"
               "  every satellite system decode, not only GPS (GP) ones,\n"
               "  \"satellites\" lists each satellite in view with its \"system\",\n"
               "  and GLL, GNS, VTG and GST decode too (their members follow ZDA's,\n"
               "  the receiver's error estimate in \"gst\").\n",
               to);
}

bool writeLine(const std::string& json)
{
    return std::fwrite(json.data(), 1, json.size(), stdout) == json.size() &&
           std::fputc('\n', stdout) != EOF;
}

// Feeds one block; in --each mode byte by byte, printing after every dispatch.
bool feedBlock(orbilunex::NmeaParser& parser, const unsigned char* block, std::size_t count,
               bool each)
{
    if (!each) {
        parser.feed(block, count);
        return true;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::int32_t before = parser.sentenceCount();
        parser.pushByte(block[i]);
        if (parser.sentenceCount() != before &&
            !writeLine(orbilunex::stateToJson(parser.sentenceCount(), parser.gpsState())))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    bool each = false;
    bool allSystems = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--each") == 0) {
            each = true;
        } else if (std::strcmp(argv[i], "--all-systems") == 0) {
            allSystems = true;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            printUsage(stdout);
            return 0;
        } else if (argv[i][0] == '-' && argv[i][1] != '\0') {
            std::fprintf(stderr, "orbilunex-decode: unknown option %s\n", argv[i]);
            printUsage(stderr);
            return 2;
        } else if (path == nullptr) {
            path = argv[i];
        } else {
            printUsage(stderr);
            return 2;
        }
    }

    std::FILE* in = stdin;
    if (path != nullptr && std::strcmp(path, "-") != 0) {
        in = std::fopen(path, "rb");
        if (in == nullptr) {
            std::fprintf(stderr, "orbilunex-decode: cannot open %s: %s\n", path,
                         std::strerror(errno));
            return 1;
        }
    }

    orbilunex::NmeaParser parser;
    parser.setAllSystems(allSystems);
    unsigned char block[kBlockSize];
    bool ok = true;
    std::size_t count;
    while (ok && (count = std::fread(block, 1, sizeof block, in)) > 0)
        ok = feedBlock(parser, block, count, each);
    const bool readError = std::ferror(in) != 0;
    if (in != stdin) std::fclose(in);
    if (readError) {
        std::fprintf(stderr, "orbilunex-decode: read error on %s\n", path ? path : "input");
        return 1;
    }
    if (ok && !each) ok = writeLine(orbilunex::stateToJson(parser.sentenceCount(), parser.gpsState()));
    if (!ok || std::fflush(stdout) != 0) {
        std::fprintf(stderr, "orbilunex-decode: cannot write output\n");
        return 1;
    }
    return 0;
}
