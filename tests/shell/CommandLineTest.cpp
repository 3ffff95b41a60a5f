#include "shell/CommandLine.h"
#include "shell/WindowKinds.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace orbilunex;

namespace {

// Three window kinds the options may name.
constexpr WindowKind kSky{207, "Sky", 1, "sky", "", "", "", "", "", "", 0, 0, 0};
constexpr WindowKind kSurvey{211, "Survey", 2, "survey", "", "", "", "", "", "", 1, 1, 1};
constexpr WindowKind kVspeed{215, "Vspeed", 3, "vspeed", "", "", "", "", "", "", 2, 2, 2};
const WindowKindTable kKinds({&kVspeed, &kSky, &kSurvey});

CommandLineResult parseCommandLine(const std::vector<std::string>& arguments)
{
    return orbilunex::parseCommandLine(arguments, kKinds);
}

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string word; in >> word;) out.push_back(word);
    return out;
}

TEST(CommandLine, FullHeadlessLine)
{
    const auto r = parseCommandLine(words(
        "--headless --play data/sample.nmea --speed fastest --serve 10000 --max-clients 5 "
        "--record out.txt --hours 2 --quit-after 2.5 --settings /tmp/s.conf"));
    ASSERT_TRUE(r.ok) << r.error;
    const CommandLineOptions& o = r.options;
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.playFile, "data/sample.nmea");
    EXPECT_EQ(o.speed, 3);
    EXPECT_EQ(o.servePort, 10000);
    EXPECT_EQ(o.maxClients, 5);
    EXPECT_EQ(o.recordFile, "out.txt");
    EXPECT_EQ(o.recordHours, 2);
    EXPECT_EQ(o.quitAfterSeconds, 2.5);
    EXPECT_EQ(o.settingsFile, "/tmp/s.conf");
}

TEST(CommandLine, WindowOptions)
{
    auto r = parseCommandLine(words("--play f --open sky,survey,vspeed --snapshot out --after 4"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_FALSE(r.options.headless);
    EXPECT_EQ(r.options.openKinds, (std::vector<int>{207, 211, 215}));
    EXPECT_EQ(r.options.snapshotDir, "out");
    EXPECT_EQ(r.options.snapshotAfter, 4.0);
    r = parseCommandLine(words("--open all"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.openKinds, (std::vector<int>{207, 211, 215})) << "in menu order";
}

TEST(CommandLine, SourcesAndDefaults)
{
    auto r = parseCommandLine(words("--headless --connect gps-host.local:10001"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.connectHost, "gps-host.local");
    EXPECT_EQ(r.options.connectPort, 10001);

    r = parseCommandLine(words("--headless --serial /dev/ttyACM0 --baud 9600"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.serialDevice, "/dev/ttyACM0");
    EXPECT_EQ(r.options.baud, 9600);

    r = parseCommandLine(words("--headless --gpsd --all-systems"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.gpsdHost, "localhost");
    EXPECT_EQ(r.options.gpsdPort, 2947);
    EXPECT_TRUE(r.options.allSystems);
    r = parseCommandLine(words("--gpsd pi.local"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.gpsdHost, "pi.local");
    EXPECT_EQ(r.options.gpsdPort, 2947);

    r = parseCommandLine(words("--udp 10110 --serve 0 --serve-local --udp-send 192.168.1.255:2000 "
                               "--udp-send 10111,localhost:10112"));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.options.udpPort, 10110);
    EXPECT_TRUE(r.options.serveLocal);
    EXPECT_EQ(r.options.udpSend, (std::vector<UdpDestination>{{"192.168.1.255", 2000},
                                                              {"127.0.0.1", 10111},
                                                              {"127.0.0.1", 10112}}))
        << "repeatable; a port alone and localhost go to loopback";

    r = parseCommandLine(words("--headless"));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.options.udpPort, -1);
    EXPECT_FALSE(r.options.serveLocal);
    EXPECT_FALSE(r.options.allSystems);
    EXPECT_EQ(r.options.baud, -1) << "stored settings apply";
    EXPECT_EQ(r.options.servePort, -1);
    EXPECT_EQ(r.options.recordHours, 0);
}

struct BadCase {
    const char* legend;
    const char* line;
};

TEST(CommandLine, BadLinesAreRefused)
{
    const BadCase cases[] = {
        {"unknown option", "--headless --frobnicate 1"},
        {"missing value", "--headless --play"},
        {"stray word", "--headless extra"},
        {"speed name", "--headless --play f --speed ludicrous"},
        {"port out of range", "--headless --serve 70000"},
        {"negative port", "--headless --serve -1"},
        {"port with letters", "--headless --serve 10a"},
        {"connect without port", "--headless --connect host"},
        {"connect with bad port", "--headless --connect host:x"},
        {"two sources", "--headless --play f --serial /dev/ttyUSB0"},
        {"zero baud", "--headless --serial d --baud 0"},
        {"speed without play", "--headless --speed fast"},
        {"max clients without serve", "--headless --max-clients 3"},
        {"max clients zero", "--headless --serve 1 --max-clients 0"},
        {"hours without record", "--headless --hours 2"},
        {"negative hours", "--headless --record f --hours -2"},
        {"negative quit time", "--headless --quit-after -1"},
        {"quit time with letters", "--headless --quit-after soon"},
        {"quit time beyond a timer", "--headless --quit-after 2592000"},
        {"quit time huge", "--headless --quit-after 1e9"},
        {"quit time infinite", "--headless --quit-after inf"},
        {"snapshot time beyond a timer", "--snapshot d --after 1e9"},
        {"gpsd and play", "--headless --gpsd --play f"},
        {"udp and play", "--headless --udp 10110 --play f"},
        {"udp and gpsd", "--headless --gpsd --udp 10110"},
        {"udp port out of range", "--headless --udp 65536"},
        {"udp port with letters", "--headless --udp nmea"},
        {"udp destination without serve", "--headless --udp-send 2000"},
        {"udp destination port zero", "--headless --serve 0 --udp-send 127.0.0.1:0"},
        {"udp destination host name", "--headless --serve 0 --udp-send gps.local:2000"},
        {"udp destination bad address", "--headless --serve 0 --udp-send 10.0.0.256:2000"},
        {"udp destination empty entry", "--headless --serve 0 --udp-send 2000,,2001"},
        {"serve-local without serve", "--headless --serve-local"},
        {"unknown window kind", "--open sky,radar"},
        {"empty window list", "--open ,"},
        {"snapshot without after", "--snapshot /tmp/x"},
        {"after without snapshot", "--after 3"},
        {"windows without a window", "--headless --open sky"},
    };
    for (const auto& c : cases) {
        const auto r = parseCommandLine(words(c.line));
        EXPECT_FALSE(r.ok) << c.legend;
        EXPECT_FALSE(r.error.empty()) << c.legend;
    }
}

} // namespace
