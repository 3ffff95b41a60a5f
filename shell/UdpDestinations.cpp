#include "shell/UdpDestinations.h"

#include "settings/NetworkSettings.h"

#include <charconv>

namespace orbilunex {

namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Digits only, as a number in min..max.
bool numberIn(const std::string& text, int min, int max, int& value)
{
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value >= min && value <= max;
}

bool isIpv4Address(const std::string& text)
{
    int parts = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = text.find('.', start);
        const std::string part = text.substr(start, dot == std::string::npos ? dot : dot - start);
        int value = 0;
        if (part.size() > 3 || !numberIn(part, 0, 255, value)) return false;
        ++parts;
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return parts == 4;
}

} // namespace

std::string parseUdpDestinations(const std::string& list, std::vector<UdpDestination>& out)
{
    std::vector<UdpDestination> read;
    if (trimmed(list).empty()) return "";
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = list.find(',', start);
        const std::string entry =
            trimmed(list.substr(start, comma == std::string::npos ? comma : comma - start));
        start = comma == std::string::npos ? list.size() + 1 : comma + 1;
        if (entry.empty())
            return "Empty UDP destination in \"" + list +
                   "\": give HOST:PORT or PORT, separated by commas.";
        UdpDestination destination;
        const std::size_t colon = entry.rfind(':');
        destination.host = colon == std::string::npos ? kUdpDefaultHost : trimmed(entry.substr(0, colon));
        if (destination.host == "localhost") destination.host = kUdpDefaultHost;
        const std::string port = colon == std::string::npos ? entry : trimmed(entry.substr(colon + 1));
        if (!isIpv4Address(destination.host) || !numberIn(port, 1, 65535, destination.port))
            return "Bad UDP destination \"" + entry +
                   "\": give an IPv4 address and a port 1 to 65535 (HOST:PORT), or a port alone "
                   "for this computer.";
        read.push_back(destination);
    }
    out.insert(out.end(), read.begin(), read.end());
    return "";
}

std::string udpDestinationsText(const std::vector<UdpDestination>& destinations)
{
    std::string text;
    for (const UdpDestination& d : destinations)
        text += (text.empty() ? "" : ",") + d.host + ":" + std::to_string(d.port);
    return text;
}

std::vector<UdpDestination> storedUdpDestinations(const SettingsStore& store)
{
    std::vector<UdpDestination> destinations;
    parseUdpDestinations(readSetting(store, settings::network::kUdpDestinations), destinations);
    return destinations;
}

} // namespace orbilunex
