#include "shell/LinkHealth.h"
#include "shell/StatusTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace orbilunex;

namespace {

using State = LinkHealthState;

// A link's life told one second a letter, polled every 100 ms as the data
// path does:
//   g  NMEA: bytes at every poll, a sentence passing at the second's start
//   r  bytes at every poll, none of them a sentence (a wrong baud rate)
//   .  an open link that is silent
//   n  silent, on a source opened anew at the second's start
//   c  nothing open
struct HealthCase {
    const char* legend;
    const char* seconds;
    std::vector<std::pair<int, State>> expected; // at these milliseconds
};

TEST(LinkHealth, StatesFollowWhatThePollsSaw)
{
    const HealthCase cases[] = {
        {"a silent link says so after 3 s", ".....",
         {{2900, State::Ok}, {3000, State::NoData}, {4900, State::NoData}}},
        {"bytes that never make a sentence", "rrrrr",
         {{2900, State::Ok}, {3000, State::NoValidNmea}, {4900, State::NoValidNmea}}},
        {"NMEA that flows stays healthy", "gggggggggg", {{3000, State::Ok}, {9900, State::Ok}}},
        {"a stream that stops: 3 s after its last byte", "ggg.....",
         {{5800, State::Ok}, {5900, State::NoData}}},
        {"bytes that stop passing: 3 s after the first unmatched one", "ggrrrr",
         {{4000, State::Ok}, {4100, State::NoValidNmea}}},
        {"NMEA again after bytes that were not", "rrrrgg",
         {{3900, State::NoValidNmea}, {4000, State::Ok}, {5900, State::Ok}}},
        {"bytes after silence are judged from their first", "....rrrr",
         {{3900, State::NoData}, {4000, State::Ok}, {6900, State::Ok}, {7000, State::NoValidNmea}}},
        {"a new source is given its own 3 s", "....n...",
         {{3900, State::NoData}, {4000, State::Ok}, {6900, State::Ok}, {7000, State::NoData}}},
        {"nothing open is not judged", "cc.....",
         {{1900, State::Closed}, {4900, State::Ok}, {5000, State::NoData}}},
    };
    for (const auto& c : cases) {
        LinkHealth health;
        std::int64_t sentences = 100; // counts never start again at a new source
        int session = 1;
        std::vector<std::pair<int, State>> seen;
        const int end = static_cast<int>(std::string(c.seconds).size()) * 1000;
        for (int ms = 0; ms < end; ms += 100) {
            const char what = c.seconds[ms / 1000];
            const bool secondStart = ms % 1000 == 0;
            if (what == 'n' && secondStart) ++session;
            if (what == 'g' && secondStart) ++sentences;
            const int bytes = what == 'g' || what == 'r' ? 48 : 0;
            const State state = health.update(ms, what != 'c', session, bytes, sentences);
            for (const auto& [at, want] : c.expected)
                if (at == ms) seen.emplace_back(at, state);
        }
        EXPECT_EQ(seen, c.expected) << c.legend;
    }
}

TEST(LinkHealth, SourcePaneSaysWhatIsWrong)
{
    struct Case {
        int kind;
        State health;
        const char* waiting;
        const char* expected;
    };
    const Case cases[] = {
        {1, State::Ok, "", "RS-232"},
        {1, State::NoData, "", "RS-232 (no data)"},
        {1, State::NoValidNmea, "", "RS-232 (no valid NMEA: check the baud rate)"},
        {1, State::Closed, "/dev/ttyUSB0", "RS-232 (waiting for /dev/ttyUSB0)"},
        {4, State::NoValidNmea, "", "gpsd (no valid NMEA)"},
        {0, State::Closed, "", "None"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sourcePaneText(c.kind, c.health, c.waiting), c.expected);
    EXPECT_EQ(sentenceCountsText(1234, 5), "Sentences: 1234 good, 5 bad checksum");
}

} // namespace
