// Checks of the committed sample logs, read with the independent LogReader:
// framing, order, field formats, fix states, satellites and the sky mask. The
// regeneration tests keep the files equal to the generator's output; these
// keep that output meaningful.

#include "SampleLog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace orbilunex::simgps::test {
namespace {

TEST(SampleLog, IsFramedSizedAndChecksummed)
{
    const Log& log = sample();
    EXPECT_GT(log.text.size(), 500000u);
    EXPECT_LT(log.text.size(), 3000000u);
    const std::set<std::string> known = {"GPGGA", "GPGSA", "GPGSV", "GPRMC", "GPRMB", "GPZDA", "GPVTG", "GPGLL"};
    std::map<std::string, int> counts;
    for (const Sentence& s : log.sentences) {
        EXPECT_TRUE(s.checksumOk) << s.line;
        EXPECT_TRUE(known.count(s.address)) << s.line;
        EXPECT_LE(s.line.size() + 2, 82u) << "longer than NMEA allows: " << s.line;
        ++counts[s.address];
    }
    EXPECT_GT(counts["GPVTG"], 20); // the occasional sentence the monitor skips
    EXPECT_GT(counts["GPGLL"], 20);
    EXPECT_LT(counts["GPVTG"] + counts["GPGLL"], 400);
}

TEST(SampleLog, EpochsComeInReceiverOrderOncePerSecondAcrossTheHour)
{
    const Log& log = sample();
    ASSERT_EQ(log.epochs.size(), 1800u);
    const std::map<std::string, char> code = {{"GPGGA", 'A'}, {"GPGLL", 'L'}, {"GPGSA", 'S'}, {"GPGSV", 'V'},
                                              {"GPRMC", 'R'}, {"GPVTG", 'T'}, {"GPRMB", 'B'}, {"GPZDA", 'Z'}};
    const std::regex order("AL?SV+RT?B?Z");
    const int start = 9 * 3600 + 47 * 60;
    for (std::size_t i = 0; i < log.epochs.size(); ++i) {
        std::string sequence;
        for (const Sentence* s : log.epochs[i].sentences)
            sequence += code.at(s->address);
        ASSERT_TRUE(std::regex_match(sequence, order)) << i << ": " << sequence;
        const Sentence& rmc = *log.epochs[i].find("GPRMC");
        const Sentence& zda = *log.epochs[i].find("GPZDA");
        const std::string& time = log.epochs[i].find("GPGGA")->field(0);
        ASSERT_EQ(secondsOfDay(time), start + int(i));
        EXPECT_EQ(time.substr(6), ".00");
        EXPECT_EQ(rmc.field(0), time);
        EXPECT_EQ(rmc.field(8), "210526");
        EXPECT_EQ(zda.fields, (std::vector<std::string>{time, "21", "05", "2026", "00", "00"}));
    }
    EXPECT_EQ(log.epochs.back().find("GPGGA")->field(0), "101659.00");
}

TEST(SampleLog, FieldsAreWrittenAsReceiversWriteThem)
{
    const std::map<std::string, std::regex> formats = {
        {"GPGGA", std::regex(R"(\d{6}\.\d\d,(\d{4}\.\d{4},[NS],\d{5}\.\d{4},[EW],[12],\d\d,\d+\.\d,-?\d+\.\d,M,-?\d+\.\d,M,(,|\d+\.\d,\d{4})|,,,,0,00,,,,,,,))")},
        {"GPGSA", std::regex(R"(A,(3(,\d\d){4,12}(,){0,8},\d+\.\d,\d+\.\d,\d+\.\d|1,{15}))")},
        {"GPGSV", std::regex(R"([1-9],[1-9],\d\d(,\d\d,\d\d,\d{3},(\d\d)?){1,4})")},
        {"GPRMC", std::regex(R"(\d{6}\.\d\d,(A,\d{4}\.\d{4},[NS],\d{5}\.\d{4},[EW],\d+\.\d,\d+\.\d,\d{6},\d+\.\d,[EW]|V,,,,,,,\d{6},,))")},
        {"GPRMB", std::regex(R"(A,\d\.\d\d,[LR],[A-Z]+,[A-Z]+,\d{4}\.\d{4},[NS],\d{5}\.\d{4},[EW],\d+\.\d,\d+\.\d,-?\d+\.\d,[AV])")},
        {"GPZDA", std::regex(R"(\d{6}\.\d\d,\d\d,\d\d,\d{4},00,00)")},
        {"GPVTG", std::regex(R"(\d+\.\d,T,\d+\.\d,M,\d+\.\d,N,\d+\.\d,K)")},
        {"GPGLL", std::regex(R"(\d{4}\.\d{4},[NS],\d{5}\.\d{4},[EW],\d{6}\.\d\d,A)")}};
    for (const Sentence& s : sample().sentences) {
        const std::string fields = s.line.substr(s.address.size() + 2, s.line.size() - s.address.size() - 5);
        ASSERT_TRUE(std::regex_match(fields, formats.at(s.address))) << s.line;
    }
}

TEST(SampleLog, FixGoesFromNoneToGpsToDifferential)
{
    const Log& log = sample();
    int firstGps = -1, firstDgps = -1;
    for (std::size_t i = 0; i < log.views.size(); ++i) {
        const View& v = log.views[i];
        const Epoch& e = log.epochs[i];
        if (v.quality >= 1 && firstGps < 0)
            firstGps = int(i);
        if (v.quality == 2 && firstDgps < 0)
            firstDgps = int(i);
        if (firstDgps >= 0) {
            ASSERT_EQ(v.quality, 2) << "fix lost at epoch " << i;
        } else if (firstGps >= 0) {
            ASSERT_EQ(v.quality, 1) << i;
        }
        EXPECT_EQ(e.find("GPGSA")->field(1), v.quality > 0 ? "3" : "1");
        EXPECT_EQ(e.find("GPRMC")->field(1), v.quality > 0 ? "A" : "V");
        // DGPS age and station only with a differential fix.
        EXPECT_EQ(e.find("GPGGA")->field(12).empty(), v.quality != 2) << i;
        EXPECT_EQ(std::stoi(e.find("GPGGA")->field(6)), int(v.used.size()));
        if (v.quality > 0) {
            EXPECT_EQ(e.find("GPGSA")->field(15), e.find("GPGGA")->field(7)) << "HDOP differs";
            // Each is rounded to 0.1 on its own.
            EXPECT_NEAR(v.pdop, std::sqrt(v.hdop * v.hdop + v.vdop * v.vdop), 0.13) << i;
        }
    }
    EXPECT_GE(firstGps, 45);
    EXPECT_LE(firstGps, 75);
    EXPECT_GE(firstDgps - firstGps, 10);
    EXPECT_LE(firstDgps, 150);
}

// GSV messages of one epoch: count, numbering and in-view total agree.
void checkGsvGroup(const Epoch& epoch, int inView, std::size_t i)
{
    const auto gsvs = epoch.all("GPGSV");
    ASSERT_EQ(int(gsvs.size()), (inView + 3) / 4) << i;
    for (std::size_t m = 0; m < gsvs.size(); ++m) {
        EXPECT_EQ(std::stoi(gsvs[m]->field(0)), int(gsvs.size())) << i;
        EXPECT_EQ(std::stoi(gsvs[m]->field(1)), int(m + 1)) << i;
        EXPECT_EQ(std::stoi(gsvs[m]->field(2)), inView) << i;
    }
}

void checkSatellite(const View& v, const Satellite& s, std::size_t i)
{
    EXPECT_TRUE(s.prn >= 1 && s.prn <= 32) << i;
    EXPECT_TRUE(s.elevation >= 0 && s.elevation <= 90 && s.azimuth >= 0 && s.azimuth < 360) << i;
    if (isUsed(v, s.prn)) {
        EXPECT_TRUE(s.snr && *s.snr >= 35) << "used without signal, epoch " << i;
        EXPECT_GE(s.elevation, 5) << "used below the mask, epoch " << i;
    }
    if (s.azimuth >= 200 && s.azimuth <= 250 && s.elevation < 35) {
        EXPECT_FALSE(s.snr) << "signal through the building, epoch " << i;
    }
    // Weak signals only while an obstacle dilutes the fix.
    if (s.snr && *s.snr < 40) {
        EXPECT_GT(v.hdop, 3.0) << "epoch " << i;
    }
}

TEST(SampleLog, SatellitesRiseSetAndAreUsedConsistently)
{
    const Log& log = sample();
    std::set<int> previous, gsvMessageCounts;
    int risings = 0;
    for (std::size_t i = 0; i < log.views.size(); ++i) {
        const View& v = log.views[i];
        const int inView = int(v.sats.size());
        ASSERT_GE(inView, 8) << i;
        ASSERT_LE(inView, 14) << i;
        checkGsvGroup(log.epochs[i], inView, i);
        gsvMessageCounts.insert((inView + 3) / 4);
        EXPECT_LE(v.used.size(), 12u);
        std::set<int> now;
        for (const Satellite& s : v.sats) {
            EXPECT_TRUE(now.insert(s.prn).second) << "PRN listed twice, epoch " << i;
            checkSatellite(v, s, i);
        }
        for (int prn : v.used)
            EXPECT_TRUE(now.count(prn)) << "GSA lists a satellite not in view";
        for (int prn : now)
            risings += (i > 0 && !previous.count(prn)) ? 1 : 0;
        previous = now;
    }
    EXPECT_GE(risings, 15) << "the in-view set hardly changes";
    EXPECT_GE(gsvMessageCounts.size(), 2u);
}

TEST(SampleLog, SignalRisesWithElevation)
{
    double lowSum = 0, highSum = 0;
    int lowCount = 0, highCount = 0;
    for (const View& v : sample().views) {
        for (const Satellite& s : v.sats) {
            if (s.snr && *s.snr >= 40 && s.elevation <= 10) {
                lowSum += *s.snr;
                ++lowCount;
            }
            if (s.snr && s.elevation >= 70) {
                highSum += *s.snr;
                ++highCount;
            }
        }
    }
    ASSERT_GT(lowCount, 100);
    ASSERT_GT(highCount, 100);
    EXPECT_NEAR(lowSum / lowCount, 42.0, 2.0);
    EXPECT_NEAR(highSum / highCount, 50.0, 2.0);
}

TEST(SampleLog, SkyPlotLearnsTheBuildingNotch)
{
    const Log& log = sample();
    std::vector<int> lowest(360, 99);
    for (const View& v : log.views)
        for (const Satellite& s : v.sats)
            if (isUsed(v, s.prn) && s.snr && *s.snr >= 40)
                lowest[s.azimuth] = std::min(lowest[s.azimuth], s.elevation);
    int notchSeen = 0;
    for (int az = 200; az <= 250; ++az) {
        EXPECT_GE(lowest[az], 35) << az;
        notchSeen += lowest[az] < 99 ? 1 : 0;
    }
    EXPECT_GE(notchSeen, 30) << "too little of the notch is ever seen";
    std::vector<int> elsewhere;
    for (int az = 0; az < 360; ++az)
        if (az < 190 || az > 260)
            elsewhere.push_back(lowest[az]);
    const long low = std::count_if(elsewhere.begin(), elsewhere.end(), [](int e) { return e <= 15; });
    EXPECT_GE(low, long(elsewhere.size() * 9 / 10));
    std::nth_element(elsewhere.begin(), elsewhere.begin() + elsewhere.size() / 2, elsewhere.end());
    EXPECT_LE(elsewhere[elsewhere.size() / 2], 10);
}

TEST(SampleLog, FirstMinutesAlreadySweepLowAzimuths)
{
    std::set<int> sectors;
    for (std::size_t i = 0; i < 300; ++i)
        for (const Satellite& s : sample().views[i].sats)
            if (s.elevation <= 15)
                sectors.insert(s.azimuth / 30);
    EXPECT_GE(sectors.size(), 8u);
}

TEST(SampleLogVariants, LfOnlyLogStartsWithAFixInTheSouthWest)
{
    Log log;
    load(TEST_DATA_DIR "/sample-lf.nmea", "\n", log);
    EXPECT_EQ(log.text.find('\r'), std::string::npos);
    EXPECT_LT(log.text.size(), 150000u);
    ASSERT_EQ(log.epochs.size(), 180u);
    EXPECT_GE(log.views.front().quality, 1);
    for (const Sentence& s : log.sentences)
        EXPECT_TRUE(s.checksumOk) << s.line;
    for (const View& v : log.views) {
        EXPECT_LT(v.lat, 0.0);
        EXPECT_LT(v.lon, 0.0);
    }
}

TEST(SampleLogVariants, BadChecksumLogSpoilsEverySeventhSentence)
{
    Log log;
    load(TEST_DATA_DIR "/sample-badsum.nmea", "\r\n", log);
    EXPECT_LT(log.text.size(), 150000u);
    ASSERT_EQ(log.epochs.size(), 180u);
    EXPECT_EQ(log.views.front().quality, 0);
    for (std::size_t i = 0; i < log.sentences.size(); ++i)
        EXPECT_EQ(log.sentences[i].checksumOk, (i + 1) % 7 != 0) << log.sentences[i].line;
}

} // namespace
} // namespace orbilunex::simgps::test
