#include "shell/StatusTexts.h"

#include <gtest/gtest.h>

using namespace orbilunex;

namespace {

TEST(StatusTexts, PaneTexts)
{
    EXPECT_EQ(fixQualityText(0), "Fix not available");
    EXPECT_EQ(fixQualityText(2), "Differential GPS, SPS Mode");
    EXPECT_EQ(fixQualityText(8), "Simulator Mode");
    EXPECT_EQ(fixQualityText(9), "GPS mode unknown");
    EXPECT_EQ(fixQualityText(72), "GPS mode unknown");
    EXPECT_EQ(sourceKindText(0), "None");
    EXPECT_EQ(sourceKindText(1), "RS-232");
    EXPECT_EQ(sourceKindText(2), "Lan");
    EXPECT_EQ(sourceKindText(3), "File");
    EXPECT_EQ(sourceKindText(4), "gpsd");
    EXPECT_EQ(sourceKindText(5), "UDP");
    EXPECT_EQ(sourceKindText(6), "??");
    EXPECT_EQ(fixTypeText(0), "NA");
    EXPECT_EQ(fixTypeText(1), "Fix NA");
    EXPECT_EQ(fixTypeText(3), "3D fix");
    EXPECT_EQ(satellitesText(9), "Sats:9");
    EXPECT_EQ(serverPaneText(0), "Server: 0 clients");
    EXPECT_EQ(serverPaneText(1), "Server: 1 client");
    EXPECT_EQ(serverPaneText(12), "Server: 12 clients");
}

struct RecordingCase {
    const char* legend;
    bool recording;
    int hours;
    long long elapsed;
    const char* expected;
};

TEST(StatusTexts, RecordingPane)
{
    const RecordingCase cases[] = {
        {"not recording", false, 1, 0, "Data capture off"},
        {"no limit", true, 0, 99999, "Recording NMEA"},
        {"one second into an hour", true, 1, 1, "Recording: 00:59:59"},
        {"start of a long recording", true, 48, 0, "Recording: 48:00:00"},
        {"minutes and seconds", true, 2, 3600 + 61, "Recording: 00:58:59"},
    };
    const long long start = 1'700'000'000;
    for (const auto& c : cases)
        EXPECT_EQ(recordingText(c.recording, c.hours, start, start + c.elapsed), c.expected)
            << c.legend;
}

} // namespace
