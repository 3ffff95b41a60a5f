// Tests of whole generator runs, read back with the independent LogReader.

#include "LogReader.h"

#include "simgps/Generator.h"
#include "simgps/Obstruction.h"
#include "simgps/Options.h"
#include "simgps/Stats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace orbilunex::simgps {
namespace {

using test::Sentence;

std::string run(const Options& options, Stats* stats = nullptr)
{
    std::ostringstream out;
    generate(options, out, stats);
    return out.str();
}

Options shortRun(std::uint64_t seed, int minutes)
{
    Options o;
    o.seed = seed;
    o.minutes = minutes;
    return o;
}

std::vector<Sentence> sentencesOf(const std::string& text, const std::string& lineEnd)
{
    std::vector<Sentence> sentences;
    std::string error;
    EXPECT_TRUE(test::readSentences(text, lineEnd, sentences, error)) << error;
    return sentences;
}

TEST(SimGpsOutput, SameArgumentsSameBytesOtherSeedOtherBytes)
{
    const std::string first = run(shortRun(99, 4));
    EXPECT_EQ(first, run(shortRun(99, 4)));
    EXPECT_NE(first, run(shortRun(100, 4)));
    EXPECT_EQ(sentencesOf(first, "\r\n").front().address, "GPGGA");
}

TEST(SimGpsOutput, LfOnlyDiffersOnlyInLineEnds)
{
    Options crlf = shortRun(3, 2);
    Options lf = crlf;
    lf.lfOnly = true;
    std::string expected = run(crlf);
    std::string::size_type pos = 0;
    while ((pos = expected.find("\r\n", pos)) != std::string::npos)
        expected.erase(pos, 1);
    const std::string lfText = run(lf);
    EXPECT_EQ(lfText.find('\r'), std::string::npos);
    EXPECT_EQ(lfText, expected);
}

TEST(SimGpsOutput, EveryNthSentenceHasAWrongChecksumAndNoOther)
{
    Options o = shortRun(8, 2);
    o.badChecksumEvery = 7;
    const std::vector<Sentence> bad = sentencesOf(run(o), "\r\n");
    const std::vector<Sentence> good = sentencesOf(run(shortRun(8, 2)), "\r\n");
    ASSERT_EQ(bad.size(), good.size());
    ASSERT_GT(bad.size(), 100u);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_TRUE(good[i].checksumOk) << good[i].line;
        EXPECT_EQ(bad[i].checksumOk, (i + 1) % 7 != 0) << i << ": " << bad[i].line;
        // Only the two checksum digits may differ.
        EXPECT_EQ(bad[i].line.substr(0, bad[i].line.size() - 2),
                  good[i].line.substr(0, good[i].line.size() - 2));
    }
}

TEST(SimGpsOutput, SkippedSecondsAreSimulatedNotDropped)
{
    Options full = shortRun(21, 4);
    Options tail = shortRun(21, 1);
    tail.skipSeconds = 180;
    const std::string fullText = run(full);
    const std::string tailText = run(tail);
    const std::string::size_type at = fullText.find("$GPGGA,095000.00,");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(fullText.substr(at), tailText);
}

TEST(SimGpsOutput, SouthWestSiteWritesSouthAndWest)
{
    Options o = shortRun(4, 4);
    o.site = findSite("south-west");
    ASSERT_NE(o.site, nullptr);
    int fixes = 0;
    for (const Sentence& s : sentencesOf(run(o), "\r\n")) {
        if (s.address == "GPGGA" && s.field(5) != "0") {
            EXPECT_EQ(s.field(2), "S");
            EXPECT_EQ(s.field(4), "W");
            const double lat = test::degrees(s.field(1), s.field(2), 2);
            EXPECT_NEAR(lat, -34.52, 0.05);
            ++fixes;
        }
        if (s.address == "GPRMC" && s.field(1) == "A") {
            EXPECT_EQ(s.field(10), "W") << "magnetic variation is west there";
        }
    }
    EXPECT_GT(fixes, 100);
}

TEST(SimGpsOutput, StatsSeeWhatIsWritten)
{
    Stats stats;
    Options o = shortRun(12, 5);
    const std::vector<Sentence> sentences = sentencesOf(run(o, &stats), "\r\n");
    EXPECT_EQ(stats.epochs(), 300);
    int noFix = 0;
    for (const Sentence& s : sentences)
        noFix += (s.address == "GPGGA" && s.field(5) == "0") ? 1 : 0;
    EXPECT_EQ(stats.epochsWithQuality(0), noFix);
    // The mask learnt by the stats agrees with the GSV and GSA of the log.
    std::vector<int> lowest(360, Stats::kUnseen);
    std::vector<std::string> used;
    for (const Sentence& s : sentences) {
        if (s.address == "GPGSA")
            used.assign(s.fields.begin() + 2, s.fields.begin() + 14);
        if (s.address != "GPGSV")
            continue;
        for (std::size_t i = 3; i + 3 < s.fields.size(); i += 4) {
            const bool isUsed = std::find(used.begin(), used.end(), s.fields[i]) != used.end();
            const auto snr = test::number(s.fields[i + 3]);
            if (isUsed && snr && *snr >= 40) {
                const int az = std::stoi(s.fields[i + 2]);
                lowest[az] = std::min(lowest[az], std::stoi(s.fields[i + 1]));
            }
        }
    }
    for (int az = 0; az < 360; ++az)
        EXPECT_EQ(stats.lowestElevation(az), lowest[az]) << az;
}

TEST(SimGpsOutput, BuildingHidesItsSectorOnly)
{
    EXPECT_TRUE(blockedByBuilding(200, 34));
    EXPECT_TRUE(blockedByBuilding(250, 0));
    EXPECT_FALSE(blockedByBuilding(199, 10));
    EXPECT_FALSE(blockedByBuilding(251, 10));
    EXPECT_FALSE(blockedByBuilding(225, 35));
}

} // namespace
} // namespace orbilunex::simgps
