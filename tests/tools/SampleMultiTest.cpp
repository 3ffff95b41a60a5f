// The multi-system sample log, read back with the independent LogReader: the
// fix under talker GN, one GSA per system carrying its system id, and GSV
// sequences per system and signal whose numbering and counts add up.

#include "SampleLog.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace orbilunex::simgps::test {
namespace {

struct SystemRule {
    std::string talker;
    std::string systemId; // last field of its GSA
    int firstPrn, lastPrn;
    std::string signalId; // last field of its GSV: the signal every satellite sends
};
const SystemRule kSystems[] = {{"GP", "1", 1, 32, "1"},
                               {"GL", "2", 65, 96, "1"},
                               {"GA", "3", 1, 36, "7"},
                               {"GB", "4", 1, 63, "1"}};
const std::string kGpsL5 = "8";

// Consecutive GSV messages of one talker and signal.
struct GsvSequence {
    std::string talker, signalId;
    std::vector<const Sentence*> messages;
    std::map<int, std::optional<int>> snr; // by PRN
};

// The epoch's GSV sequences, each checked for numbering and counts.
std::vector<GsvSequence> gsvSequences(const Epoch& epoch, std::size_t i)
{
    std::vector<GsvSequence> sequences;
    for (const Sentence* s : epoch.sentences) {
        if (s->address.compare(2, 3, "GSV") != 0)
            continue;
        const std::string talker = s->address.substr(0, 2);
        if (sequences.empty() || s->field(1) == "1")
            sequences.push_back({talker, s->fields.back(), {}, {}});
        GsvSequence& seq = sequences.back();
        EXPECT_EQ(talker + s->fields.back(), seq.talker + seq.signalId) << "sequences interleaved, epoch " << i;
        seq.messages.push_back(s);
        EXPECT_EQ(s->fields.size() % 4, 0u) << "not whole satellites and a signal id: " << s->line;
        for (std::size_t f = 3; f + 4 < s->fields.size(); f += 4) {
            const auto snr = number(s->fields[f + 3]);
            const bool fresh = seq.snr.emplace(std::stoi(s->fields[f]), snr ? std::optional<int>(int(*snr))
                                                                            : std::nullopt).second;
            EXPECT_TRUE(fresh) << "PRN twice: " << s->line;
            const int elevation = std::stoi(s->fields[f + 1]), azimuth = std::stoi(s->fields[f + 2]);
            if (azimuth >= 200 && azimuth <= 250 && elevation < 35) {
                EXPECT_FALSE(snr) << "signal through the building: " << s->line;
            }
        }
    }
    for (const GsvSequence& seq : sequences) {
        const int inView = std::stoi(seq.messages.front()->field(2));
        EXPECT_EQ(int(seq.snr.size()), inView) << seq.messages.front()->line;
        EXPECT_EQ(int(seq.messages.size()), (inView + 3) / 4) << seq.messages.front()->line;
        for (std::size_t m = 0; m < seq.messages.size(); ++m) {
            EXPECT_EQ(seq.messages[m]->field(0), std::to_string(seq.messages.size())) << seq.messages[m]->line;
            EXPECT_EQ(seq.messages[m]->field(1), std::to_string(m + 1)) << seq.messages[m]->line;
            EXPECT_EQ(std::stoi(seq.messages[m]->field(2)), inView) << seq.messages[m]->line;
        }
    }
    return sequences;
}

// Checks one GSA against its system's rule and its GSV sequence; returns how
// many satellites it lists.
int checkGsa(const Sentence& gsa, const SystemRule& rule, const GsvSequence& gsv)
{
    EXPECT_EQ(gsa.fields.size(), 18u) << gsa.line;
    EXPECT_EQ(gsa.fields.back(), rule.systemId) << gsa.line;
    int listed = 0;
    for (int f = 2; f < 14; ++f) {
        if (gsa.field(f).empty())
            continue;
        ++listed;
        const int prn = std::stoi(gsa.field(f));
        EXPECT_TRUE(prn >= rule.firstPrn && prn <= rule.lastPrn) << gsa.line;
        const auto seen = gsv.snr.find(prn);
        EXPECT_TRUE(seen != gsv.snr.end() && seen->second && *seen->second >= 35)
            << "used without a signal in " << rule.talker << "GSV: " << gsa.line;
    }
    return listed;
}

TEST(SampleMultiLog, FixUnderGnWithGsaAndGsvPerSystem)
{
    Log log;
    log.text = readFile(SAMPLE_DATA_DIR "/sample-multi.nmea");
    std::string error;
    ASSERT_TRUE(readSentences(log.text, "\r\n", log.sentences, error)) << error;
    EXPECT_LT(log.text.size(), 2000000u);
    log.epochs = groupEpochs(log.sentences);
    ASSERT_EQ(log.epochs.size(), 600u);
    const std::map<std::string, char> code = {
        {"GNGGA", 'A'}, {"GNGLL", 'L'}, {"GNGSA", 'S'}, {"GPGSV", 'P'}, {"GLGSV", 'G'}, {"GAGSV", 'E'},
        {"GBGSV", 'B'}, {"GNRMC", 'R'}, {"GNVTG", 'T'}, {"GNRMB", 'M'}, {"GNZDA", 'Z'}};
    const std::regex order("AL?SSSSP+G+E+B+RT?M?Z");
    int withL5 = 0, l5Differs = 0;
    for (std::size_t i = 0; i < log.epochs.size(); ++i) {
        const Epoch& epoch = log.epochs[i];
        std::string sequence;
        for (const Sentence* s : epoch.sentences) {
            EXPECT_TRUE(s->checksumOk) << s->line;
            EXPECT_LE(s->line.size() + 2, 82u) << s->line;
            sequence += code.count(s->address) ? code.at(s->address) : '?';
        }
        ASSERT_TRUE(std::regex_match(sequence, order)) << i << ": " << sequence;

        // GP L1, optionally GP L5, then one sequence for each other system.
        std::vector<GsvSequence> gsv = gsvSequences(epoch, i);
        const bool l5 = gsv.size() == 5;
        ASSERT_EQ(gsv.size(), l5 ? 5u : 4u) << i;
        if (l5) {
            ++withL5;
            const GsvSequence second = gsv[1];
            gsv.erase(gsv.begin() + 1);
            EXPECT_EQ(second.talker + second.signalId, "GP" + kGpsL5) << i;
            for (const auto& [prn, snr] : second.snr) {
                ASSERT_TRUE(gsv[0].snr.count(prn)) << "L5 of a satellite not in view on L1, epoch " << i;
                l5Differs += snr != gsv[0].snr.at(prn) ? 1 : 0;
            }
        }
        const auto gsas = epoch.all("GNGSA");
        int totalInView = 0, used = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const SystemRule& rule = kSystems[k];
            EXPECT_EQ(gsv[k].talker + gsv[k].signalId, rule.talker + rule.signalId) << i;
            for (const auto& entry : gsv[k].snr)
                EXPECT_TRUE(entry.first >= rule.firstPrn && entry.first <= rule.lastPrn) << rule.talker << i;
            totalInView += int(gsv[k].snr.size());
            used += checkGsa(*gsas[k], rule, gsv[k]);
            // One solution: the same mode and DOPs in each system's GSA.
            EXPECT_EQ(std::vector<std::string>(gsas[k]->fields.begin() + 14, gsas[k]->fields.end() - 1),
                      std::vector<std::string>(gsas[0]->fields.begin() + 14, gsas[0]->fields.end() - 1));
            EXPECT_EQ(gsas[k]->field(1), gsas[0]->field(1));
        }
        EXPECT_GE(totalInView, 25) << i;
        EXPECT_LE(totalInView, 40) << i;
        const Sentence& gga = *epoch.find("GNGGA");
        EXPECT_EQ(std::stoi(gga.field(6)), used) << gga.line;
        // The story is the GPS log's: the same fix, epoch for epoch.
        EXPECT_EQ(gga.field(5), sample().epochs[i].find("GPGGA")->field(5)) << i;
    }
    EXPECT_GT(withL5, 500);
    EXPECT_GT(l5Differs, 1000);
}

} // namespace
} // namespace orbilunex::simgps::test
