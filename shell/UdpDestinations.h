#pragma once

#include <string>
#include <vector>

namespace orbilunex {

class SettingsStore;

// Where the relay server also sends each block as one datagram.
struct UdpDestination {
    std::string host; // an IPv4 address
    int port = 0;     // 1..65535
    bool operator==(const UdpDestination& o) const { return host == o.host && port == o.port; }
};

// The host of a destination given as a port alone.
constexpr const char* kUdpDefaultHost = "127.0.0.1";

// Reads a comma-separated list of HOST:PORT or PORT entries (blanks around
// entries allowed, an empty list is no destination). HOST is an IPv4 address
// or "localhost"; a port alone goes to 127.0.0.1. Appends the destinations
// to `out` and returns "", or returns what is wrong with the first bad entry
// and leaves `out` alone.
std::string parseUdpDestinations(const std::string& list, std::vector<UdpDestination>& out);

// The list as parseUdpDestinations reads it back: "HOST:PORT,HOST:PORT".
std::string udpDestinationsText(const std::vector<UdpDestination>& destinations);

// The relay's stored list ("UdpDestinations"); a damaged one is none.
std::vector<UdpDestination> storedUdpDestinations(const SettingsStore& store);

} // namespace orbilunex
