#pragma once

#include "shell/UdpDestinations.h"

#include <string>
#include <vector>

namespace orbilunex {

class WindowKindTable;

// What the command line asks of the program. Numbers that are not given
// stay at -1 (or 0 for the record duration) and the stored settings apply.
// The longest --quit-after or --after: 24 days, what a millisecond timer holds.
constexpr double kMaxSeconds = 2073600;

// The gpsd port when --gpsd names none.
constexpr int kDefaultGpsdPort = 2947;

struct CommandLineOptions {
    bool headless = false;
    bool help = false;

    std::string serialDevice; // --serial DEVICE
    int baud = -1;            // --baud N
    std::string playFile;     // --play FILE
    int speed = -1;           // --speed slow|medium|fast|fastest, as 0..3
    std::string connectHost;  // --connect HOST:PORT
    int connectPort = -1;
    std::string gpsdHost;     // --gpsd [HOST[:PORT]]
    int gpsdPort = -1;
    int udpPort = -1;         // --udp PORT (0 picks a free one)
    bool allSystems = false;  // --all-systems
    int servePort = -1;       // --serve PORT
    int maxClients = -1;      // --max-clients N
    std::vector<UdpDestination> udpSend; // --udp-send HOST:PORT, repeatable
    bool serveLocal = false;  // --serve-local: the relay on loopback only
    std::string recordFile;   // --record FILE
    int recordHours = 0;      // --hours N (0: no limit)
    double quitAfterSeconds = -1; // --quit-after SECONDS (0 .. kMaxSeconds)
    std::string settingsFile; // --settings FILE

    // The window program only.
    std::vector<int> openKinds;  // --open KIND,...|all, as kind codes
    std::string snapshotDir;     // --snapshot DIR
    double snapshotAfter = -1;   // --after SECONDS
};

struct CommandLineResult {
    bool ok = false;
    std::string error; // what is wrong, for the usage message
    CommandLineOptions options;
};

// Reads the arguments after the program name. Checks values (ports 0..65535,
// positive baud rates and client counts, one source at most, known window
// kinds, options that only make sense with another one) and reports the
// first problem.
// `kinds` are the window kinds --open may name, by their short names.
CommandLineResult parseCommandLine(const std::vector<std::string>& arguments,
                                   const WindowKindTable& kinds);

// The usage text printed with a command-line error or for --help, naming
// the window kinds.
std::string usageText(const WindowKindTable& kinds);

} // namespace orbilunex
