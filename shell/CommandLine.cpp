#include "shell/CommandLine.h"

#include "shell/WindowKinds.h"

#include <charconv>
#include <cstdlib>

namespace orbilunex {

namespace {

// The usage text's lines stay within this many columns where they can.
constexpr std::size_t kUsageWidth = 80;

bool toInt(const std::string& text, int& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    auto result = std::from_chars(first, last, value);
    return first != last && result.ec == std::errc() && result.ptr == last;
}

bool toSeconds(const std::string& text, double& value)
{
    if (text.empty()) return false;
    const char* first = text.data();
    auto result = std::from_chars(first, first + text.size(), value);
    // from_chars also takes "inf" and "nan"; a timer cannot hold more than kMaxSeconds.
    return result.ec == std::errc() && result.ptr == first + text.size() && value >= 0 &&
           value <= kMaxSeconds;
}

bool speedOf(const std::string& name, int& speed)
{
    static const char* const names[] = {"slow", "medium", "fast", "fastest"};
    for (int i = 0; i < 4; ++i)
        if (name == names[i]) {
            speed = i;
            return true;
        }
    return false;
}

// HOST:PORT, the port after the last colon.
bool hostAndPort(const std::string& text, std::string& host, int& port)
{
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) return false;
    host = text.substr(0, colon);
    return toInt(text.substr(colon + 1), port) && port >= 0 && port <= 65535;
}

// HOST or HOST:PORT; a lone host takes the gpsd port.
bool gpsdHostAndPort(const std::string& text, std::string& host, int& port)
{
    if (text.find(':') == std::string::npos) {
        host = text;
        port = kDefaultGpsdPort;
        return !host.empty();
    }
    return hostAndPort(text, host, port);
}

// "all", or short window names separated by commas.
bool windowKindsOf(const std::string& list, const WindowKindTable& kinds, std::vector<int>& codes)
{
    codes.clear();
    if (list == "all") {
        for (const WindowKind* kind : kinds.inMenuOrder()) codes.push_back(kind->code);
        return true;
    }
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = list.find(',', start);
        const std::string name =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const WindowKind* kind = kinds.byShortName(name);
        if (kind == nullptr) return false;
        codes.push_back(kind->code);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return !codes.empty();
}

// Reads one option with its value; returns "" or the error text.
std::string takeOption(const std::string& name, const std::string& value,
                       const WindowKindTable& kinds, CommandLineOptions& o)
{
    const std::string bad = "bad value for " + name + ": " + value;
    if (name == "--serial") o.serialDevice = value;
    else if (name == "--play") o.playFile = value;
    else if (name == "--record") o.recordFile = value;
    else if (name == "--settings") o.settingsFile = value;
    else if (name == "--baud") { if (!toInt(value, o.baud) || o.baud <= 0) return bad; }
    else if (name == "--speed") { if (!speedOf(value, o.speed)) return bad; }
    else if (name == "--connect") { if (!hostAndPort(value, o.connectHost, o.connectPort)) return bad; }
    else if (name == "--gpsd") { if (!gpsdHostAndPort(value, o.gpsdHost, o.gpsdPort)) return bad; }
    else if (name == "--udp") {
        if (!toInt(value, o.udpPort) || o.udpPort < 0 || o.udpPort > 65535) return bad;
    } else if (name == "--udp-send") {
        const std::string error = parseUdpDestinations(value, o.udpSend);
        if (!error.empty()) return bad + " (" + error + ")";
    } else if (name == "--serve") {
        if (!toInt(value, o.servePort) || o.servePort < 0 || o.servePort > 65535) return bad;
    } else if (name == "--max-clients") {
        if (!toInt(value, o.maxClients) || o.maxClients < 1 || o.maxClients > 65535) return bad;
    } else if (name == "--hours") { if (!toInt(value, o.recordHours) || o.recordHours < 0) return bad; }
    else if (name == "--quit-after") { if (!toSeconds(value, o.quitAfterSeconds)) return bad; }
    else if (name == "--open") { if (!windowKindsOf(value, kinds, o.openKinds)) return bad; }
    else if (name == "--snapshot") o.snapshotDir = value;
    else if (name == "--after") { if (!toSeconds(value, o.snapshotAfter)) return bad; }
    else return "unknown option " + name;
    if (value.empty()) return bad;
    return "";
}

std::string checkCombination(const CommandLineOptions& o)
{
    const int sources = !o.serialDevice.empty() + !o.playFile.empty() + !o.connectHost.empty() +
                        !o.gpsdHost.empty() + (o.udpPort >= 0);
    if (sources > 1) return "give only one of --serial, --play, --connect, --gpsd and --udp";
    if (o.speed >= 0 && o.playFile.empty()) return "--speed goes with --play";
    if (o.maxClients >= 0 && o.servePort < 0) return "--max-clients goes with --serve";
    if (!o.udpSend.empty() && o.servePort < 0) return "--udp-send goes with --serve";
    if (o.serveLocal && o.servePort < 0) return "--serve-local goes with --serve";
    if (o.recordHours != 0 && o.recordFile.empty()) return "--hours goes with --record";
    if (o.snapshotDir.empty() != (o.snapshotAfter < 0)) return "--snapshot and --after go together";
    if (o.headless && (!o.openKinds.empty() || !o.snapshotDir.empty()))
        return "--open and --snapshot are for the window";
    return "";
}

} // namespace

CommandLineResult parseCommandLine(const std::vector<std::string>& arguments,
                                   const WindowKindTable& kinds)
{
    CommandLineResult result;
    CommandLineOptions& o = result.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--headless") {
            o.headless = true;
            continue;
        }
        if (name == "--all-systems") {
            o.allSystems = true;
            continue;
        }
        if (name == "--serve-local") {
            o.serveLocal = true;
            continue;
        }
        if (name == "--gpsd" && (i + 1 >= arguments.size() || arguments[i + 1].rfind("--", 0) == 0)) {
            o.gpsdHost = "localhost";
            o.gpsdPort = kDefaultGpsdPort;
            continue;
        }
        if (name == "--help" || name == "-h") {
            o.help = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            result.error = name.rfind("--", 0) == 0 ? name + " needs a value"
                                                    : "unexpected argument " + name;
            return result;
        }
        result.error = takeOption(name, arguments[++i], kinds, o);
        if (!result.error.empty()) return result;
    }
    result.error = checkCombination(o);
    result.ok = result.error.empty();
    return result;
}

std::string usageText(const WindowKindTable& kinds)
{
    std::string text =
        "usage: orbilunex [options]             the monitor window\n"
        "       orbilunex --headless [options]  the data path alone, without a window\n"
        "  A source (default: the stored serial port):\n"
        "    --serial DEVICE [--baud N]     a receiver on this serial device\n"
        "    --play FILE [--speed slow|medium|fast|fastest]\n"
        "                                   play back a recorded NMEA log\n"
        "    --connect HOST:PORT            the relay server of another instance\n"
        "    --gpsd [HOST[:PORT]]           the NMEA stream of a gpsd (default localhost:2947)\n"
        "    --udp PORT                     NMEA datagrams sent to this UDP port\n"
        "  --serve PORT [--max-clients N]   relay the stream to TCP clients\n"
        "    [--serve-local]                on this computer only (loopback)\n"
        "    [--udp-send HOST:PORT]...      also as datagrams (PORT alone: 127.0.0.1)\n"
        "  --record FILE [--hours N]        record the stream (N hours, default no limit)\n"
        "  --all-systems                    decode every satellite system, not GPS alone\n"
        "  --quit-after SECONDS             stop after this time (at most 2073600)\n"
        "  --settings FILE                  settings file (default ~/.config/ORBX/orbilunex.conf)\n"
        "  Window only:\n";
    // The kinds' short names, wrapped under the description column.
    const std::string indent(35, ' ');
    std::string line = "    --open KIND,...|all            open windows:";
    const auto& all = kinds.inMenuOrder();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const std::string word = std::string(all[i]->shortName) + (i + 1 < all.size() ? "," : "");
        if (line.size() + 1 + word.size() > kUsageWidth && line.size() > indent.size()) {
            text += line + "\n";
            line = indent.substr(0, indent.size() - 1);
        }
        line += " " + word;
    }
    text += line + "\n";
    text += "    --snapshot DIR --after SECONDS write every window as PNG and status.json into\n"
            "                                   DIR after that time, then close as a user would\n";
    return text;
}

} // namespace orbilunex
