#include "Options.h"

#include <cerrno>
#include <cstdlib>

namespace orbilunex::simgps {
namespace {

// Whole decimal number in [low, high]; rejects signs, blanks and trailing junk.
bool parseNumber(const std::string& text, unsigned long long low, unsigned long long high,
                 unsigned long long& value)
{
    if (text.empty() || text.size() > 20)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    errno = 0;
    value = std::strtoull(text.c_str(), nullptr, 10);
    return errno == 0 && value >= low && value <= high;
}

bool parseInt(const std::string& text, int low, int high, int& value)
{
    unsigned long long v = 0;
    if (!parseNumber(text, static_cast<unsigned long long>(low), static_cast<unsigned long long>(high), v))
        return false;
    value = static_cast<int>(v);
    return true;
}

bool applyValueOption(const std::string& name, const std::string& value, Options& o, std::string& error)
{
    bool ok = true;
    unsigned long long seed = 0;
    if (name == "--seed") {
        ok = parseNumber(value, 0, ~0ULL, seed);
        o.seed = seed;
    } else if (name == "--minutes") {
        ok = parseInt(value, 1, 1440, o.minutes);
    } else if (name == "--skip") {
        ok = parseInt(value, 0, 86400, o.skipSeconds);
    } else if (name == "--bad-checksum-every") {
        ok = parseInt(value, 1, 1000000, o.badChecksumEvery);
    } else if (name == "--systems") {
        ok = value == "gps" || value == "all";
        o.systems = value == "all" ? everySystem() : gpsOnly();
    } else if (name == "--site") {
        o.site = findSite(value);
        ok = o.site != nullptr;
    } else if (name == "-o") {
        o.outputPath = value;
        ok = !value.empty();
    }
    if (!ok)
        error = "bad value for " + name + ": '" + value + "'";
    return ok;
}

bool takesValue(const std::string& name)
{
    return name == "--seed" || name == "--minutes" || name == "--skip" || name == "--bad-checksum-every"
        || name == "--site" || name == "--systems" || name == "-o";
}

} // namespace

bool parseOptions(const std::vector<std::string>& args, Options& options, std::string& error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--lf") {
            options.lfOnly = true;
        } else if (arg == "--stats") {
            options.stats = true;
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (takesValue(arg)) {
            if (i + 1 >= args.size()) {
                error = "missing value after " + arg;
                return false;
            }
            if (!applyValueOption(arg, args[++i], options, error))
                return false;
        } else {
            error = "unknown argument '" + arg + "'";
            return false;
        }
    }
    return true;
}

std::string usageText()
{
    return "usage: orbilunex-simgps [options]\n"
           "Writes a deterministic NMEA-0183 log of a simulated GPS receiver on a drive.\n"
           "  --seed N                 random seed (default 1); same arguments, same bytes\n"
           "  --minutes M              length of the log, 1..1440 (default 30)\n"
           "  --skip S                 simulate S seconds before writing starts (default 0)\n"
           "  --site NAME              " + siteNames() + " (default " + defaultSite().name + ")\n"
           "  --systems gps|all        a GPS receiver (default), or one of GPS, GLONASS, Galileo\n"
           "                           and BeiDou, writing GN positions and GSA/GSV per system\n"
           "  --lf                     end lines with LF only (default CR LF)\n"
           "  --bad-checksum-every N   give every N-th sentence a wrong checksum\n"
           "  -o FILE                  write to FILE (default standard output)\n"
           "  --stats                  print a summary and the learnt horizon mask to stderr\n"
           "  -h, --help               show this text\n";
}

} // namespace orbilunex::simgps
