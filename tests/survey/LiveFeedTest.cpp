#include "survey/LiveFeed.h"

#include "../nmea/NmeaTestUtil.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <string>

using namespace orbilunex;
using orbilunex::test::sentence;

namespace {

std::string gga(const char* latitude, int quality, const char* hdop, const char* altitude = "545.4")
{
    return sentence(std::string("GPGGA,123519,") + latitude + ",N,01131.000,E," +
                    std::to_string(quality) + ",08," + hdop + "," + altitude + ",M,46.9,M,,");
}

const std::string kGsa3d = sentence("GPGSA,A,3,04,05,,09,12,,,24,,,,,2.59,1.05,2.29");

SurveyModel::AddResult feed(SurveyLiveFeed& live, NmeaParser& parser, SurveyModel& survey,
                            const std::string& text)
{
    return live.feedStream(parser, reinterpret_cast<const unsigned char*>(text.data()),
                           text.size(), survey);
}

class LiveFeedTest : public ::testing::Test {
protected:
    MemorySettingsStore settings;
    SurveyModel survey{settings};
    NmeaParser parser;
    SurveyLiveFeed live;
};

} // namespace

TEST_F(LiveFeedTest, OneSampleForEachGgaWithTheDopsTruncated)
{
    feed(live, parser, survey, kGsa3d + gga("4807.038", 1, "1.05") + gga("4807.039", 2, "2.09"));
    ASSERT_EQ(survey.sampleCount(), 2u);
    const SurveySample& first = survey.samples().at(0);
    EXPECT_EQ(first.latitude, 481173000);
    EXPECT_EQ(first.altitude, 54540);
    EXPECT_EQ(first.hdop10, 10) << "HDOP 1.05 gives 10";
    EXPECT_EQ(first.pdop10, 25);
    EXPECT_EQ(first.vdop10, 22);
    EXPECT_EQ(first.fix3d, 1);
    EXPECT_EQ(survey.samples().at(1).hdop10, 20) << "HDOP 2.09 gives 20";
    EXPECT_EQ(survey.hdopClassCounts[1], 1u);
}

TEST_F(LiveFeedTest, FixQualityAndAcquisition)
{
    // Quality 0 is skipped while fixes are verified.
    feed(live, parser, survey, gga("4807.038", 0, "1.0"));
    EXPECT_EQ(survey.sampleCount(), 0u);
    survey.verifyPositionFix = 0;
    feed(live, parser, survey, gga("4807.038", 0, "1.0"));
    EXPECT_EQ(survey.sampleCount(), 1u);
    EXPECT_EQ(survey.samples().at(0).fix3d, 0) << "no GSA yet: not a 3D fix";
    survey.acquisitionEnabled = false;
    feed(live, parser, survey, gga("4807.038", 1, "1.0"));
    EXPECT_EQ(survey.sampleCount(), 1u);
}

TEST_F(LiveFeedTest, PolledStateGivesOneSamplePerNewGgaCount)
{
    // A timer looking at the state takes only the latest of several GGAs.
    orbilunex::test::feedText(parser, gga("4807.038", 1, "1.0") + gga("4807.040", 1, "1.0"));
    ASSERT_TRUE(live.wantsSample(parser.gpsState(), survey));
    addLiveSample(survey, parser.gpsState());
    EXPECT_FALSE(live.wantsSample(parser.gpsState(), survey)) << "same GGA count";
    EXPECT_EQ(survey.sampleCount(), 1u);
    EXPECT_EQ(survey.samples().at(0).latitude, 481173333);
}

TEST_F(LiveFeedTest, StopsWhenTheSurveyIsFull)
{
    SurveyModel small(settings, 1);
    std::string log;
    for (int i = 0; i < 5002; ++i) log += gga("4807.038", 1, "1.0");
    EXPECT_EQ(feed(live, parser, small, log), SurveyModel::AddResult::TableFull);
    EXPECT_EQ(small.sampleCount(), 5000u);
}
