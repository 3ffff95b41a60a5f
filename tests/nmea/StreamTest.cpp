#include "NmeaTestUtil.h"

#include "nmea/NmeaParser.h"
#include "nmea/StateJson.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>

// Counts every allocation of this test program, so a test can prove that
// feeding the parser allocates nothing.
namespace {
std::size_t allocationCount = 0;
}

void* operator new(std::size_t size)
{
    ++allocationCount;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

using namespace orbilunex;
using orbilunex::test::feedText;
using orbilunex::test::readFile;
using orbilunex::test::sentence;

namespace {

std::string stateOf(const NmeaParser& parser)
{
    return stateToJson(parser.sentenceCount(), parser.gpsState());
}

// A short stream with every sentence type, some noise, a bad checksum and a
// sentence without one.
std::string mixedStream()
{
    return "xx\r\n" + sentence("GPGGA,095959.00,4724.1234,N,00832.5678,E,2,09,0.8,412.3,M,47.1,M,3,0101") +
           sentence("GPGSA,A,3,02,05,07,13,15,,,,,,,,1.6,0.8,1.4") +
           sentence("GPGSV,2,1,07,02,55,041,47,05,33,120,44,07,12,222,,13,65,300,49") +
           sentence("GPGSV,2,2,07,15,08,017,41,19,41,260,46,24,05,330,40") +
           "$GPRMC,095959.00,A,4724.1234,N,00832.5678,E,12.5,271.3,070626,2.1,E*00\r\n" +
           sentence("GPRMB,A,0.05,R,WP1,WP2,4725.0000,N,00830.0000,E,1.9,300.2,12.4,V") +
           "$GPZDA,095959.00,07,06,2026,00,00\r\n" + sentence("GPVTG,271.3,T,,M,12.5,N,23.2,K,D") +
           "\r\n$$$*\r\n" + sentence("GPGGA,100000.00,4724.1240,N,00832.5600,E,2,09,0.8,413.0,M,47.1,M,3,0101");
}

TEST(Stream, SplitAtEveryPositionGivesTheSameState)
{
    const std::string stream = mixedStream();
    NmeaParser whole;
    feedText(whole, stream);
    const std::string expected = stateOf(whole);
    ASSERT_EQ(whole.gpsState().ggaCount, 2);
    ASSERT_EQ(whole.gpsState().zdaCount, 1);
    ASSERT_EQ(whole.gpsState().rmcCount, 0) << "its checksum is wrong";

    for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
        NmeaParser split;
        feedText(split, stream.substr(0, cut));
        feedText(split, stream.substr(cut));
        ASSERT_EQ(stateOf(split), expected) << "split at byte " << cut;
    }
    NmeaParser bytewise;
    for (char c : stream) bytewise.feed(&c, 1);
    EXPECT_EQ(stateOf(bytewise), expected);
}

int countLines(const std::string& text)
{
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

// Independent count of sentences whose checksum is right, for the fixtures.
int countGoodChecksums(const std::string& text)
{
    int good = 0;
    std::size_t pos = 0;
    while ((pos = text.find('$', pos)) != std::string::npos) {
        const std::size_t star = text.find('*', pos);
        if (star == std::string::npos || star + 2 >= text.size()) break;
        unsigned sum = 0;
        for (std::size_t i = pos + 1; i < star; ++i) sum ^= static_cast<unsigned char>(text[i]);
        good += std::stoul(text.substr(star + 1, 2), nullptr, 16) == sum;
        pos = star;
    }
    return good;
}

TEST(Stream, SampleLogsDecodeCompletely)
{
    struct Log {
        const char* legend;
        std::string path;
    };
    const Log logs[] = {
        {"bundled sample", std::string(SAMPLE_DATA_DIR) + "/sample.nmea"},
        {"LF line ends", std::string(TEST_DATA_DIR) + "/sample-lf.nmea"},
        {"some bad checksums", std::string(TEST_DATA_DIR) + "/sample-badsum.nmea"},
    };
    for (const auto& log : logs) {
        const std::string text = readFile(log.path);
        ASSERT_FALSE(text.empty()) << log.path;
        NmeaParser parser;
        // Blocks of 256 bytes, as a serial link delivers them.
        for (std::size_t i = 0; i < text.size(); i += 256) feedText(parser, text.substr(i, 256));
        const int good = countGoodChecksums(text);
        EXPECT_EQ(parser.sentenceCount(), good) << log.legend;
        EXPECT_GT(good, countLines(text) * 3 / 4) << log.legend;
        const GpsState& s = parser.gpsState();
        EXPECT_GT(s.ggaCount, 0) << log.legend;
        EXPECT_GT(s.gsvCount, 0) << log.legend;
        EXPECT_GT(s.satellitesInView, 0) << log.legend;
        EXPECT_EQ(s.rmcStatus, 'A') << log.legend;
    }
}

TEST(Stream, BundledSampleCoversTheScenario)
{
    const std::string text = readFile(std::string(SAMPLE_DATA_DIR) + "/sample.nmea");
    NmeaParser parser;
    bool sawQuality[3] = {false, false, false};
    bool sawArrival = false;
    bool sawClimb = false;
    bool sawDescent = false;
    std::int32_t lastGga = 0;
    for (std::size_t i = 0; i < text.size(); i += 100) {
        feedText(parser, text.substr(i, 100));
        const GpsState& s = parser.gpsState();
        if (s.ggaCount == lastGga) continue;
        lastGga = s.ggaCount;
        if (s.fixQuality < 3) sawQuality[s.fixQuality] = true;
        sawArrival = sawArrival || s.arrivalStatus == 'A';
        sawClimb = sawClimb || s.verticalSpeed > 5.0;
        sawDescent = sawDescent || s.verticalSpeed < -5.0;
    }
    EXPECT_TRUE(sawQuality[0] && sawQuality[1] && sawQuality[2]);
    EXPECT_TRUE(sawArrival);
    EXPECT_TRUE(sawClimb);
    EXPECT_TRUE(sawDescent);
    EXPECT_GT(parser.gpsState().zdaCount, 1000);
    EXPECT_GT(parser.gpsState().rmbCount, 100);
}

TEST(Stream, FeedingAllocatesNothing)
{
    const std::string text = readFile(std::string(SAMPLE_DATA_DIR) + "/sample.nmea");
    NmeaParser parser;
    const std::size_t before = allocationCount;
    for (std::size_t i = 0; i < text.size(); i += 2048)
        parser.feed(text.data() + i, std::min<std::size_t>(2048, text.size() - i));
    EXPECT_EQ(allocationCount, before);
    EXPECT_GT(parser.sentenceCount(), 10000);
}

TEST(Stream, DecodingIgnoresDecimalCommaLocale)
{
    const std::string stream = mixedStream();
    NmeaParser inC;
    feedText(inC, stream);
    const std::string expected = stateOf(inC);

    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 test locale is missing: run scripts/setup and build the tests";
    NmeaParser inGerman;
    feedText(inGerman, stream);
    const std::string actual = stateOf(inGerman);
    const double altitude = inGerman.gpsState().altitude;
    std::setlocale(LC_ALL, "C");

    EXPECT_EQ(altitude, 413.0);
    EXPECT_EQ(actual, expected);
    EXPECT_NE(actual.find("\"hdop\":0.8,"), std::string::npos) << actual;
}

TEST(StateJson, MemberForms)
{
    NmeaParser parser;
    parser.dispatch("GPGGA", "120010,,,,,1,08,0.1,-0.0,M,,,,");
    parser.dispatch("GPRMB", "A,1e400,\xe9,A\"B\\C,\x01");
    const std::string json = stateToJson(parser.sentenceCount(), parser.gpsState());
    EXPECT_EQ(json.rfind("{\"sentenceCount\":2,\"ggaHour\":12,", 0), 0u) << json;
    EXPECT_NE(json.find("\"hdop\":0.1,"), std::string::npos) << "shortest round-trip form";
    EXPECT_NE(json.find("\"altitude\":-0,"), std::string::npos);
    EXPECT_NE(json.find("\"crossTrackError\":null,"), std::string::npos) << "infinity is null";
    EXPECT_NE(json.find("\"steerDirection\":\"\xc3\xa9\","), std::string::npos) << "byte 0xE9 is U+00E9";
    EXPECT_NE(json.find("\"originWaypoint\":\"A\\\"B\\\\C\","), std::string::npos) << json;
    EXPECT_NE(json.find("\"destinationWaypoint\":\"\\u0001\","), std::string::npos) << json;
    EXPECT_NE(json.find("\"activePrns\":[0,0,"), std::string::npos);
    EXPECT_NE(json.find("{\"prn\":0,\"snr\":0,\"usedInSolution\":0,\"azimuth\":0,\"elevation\":0}"),
              std::string::npos);
    EXPECT_EQ(json.back(), '}');
}

} // namespace
