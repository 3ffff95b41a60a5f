#include "nmea/FieldReader.h"
#include "nmea/GpsState.h"
#include "nmea/NmeaParser.h"
#include "nmea/StateJson.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using namespace orbilunex;

namespace {

struct Sentence {
    const char* address;
    const char* data;
};

// One row: the sentences dispatched in order from a fresh parser, and the
// whole record expected afterwards, built as changes to a fresh record.
struct DecoderCase {
    const char* legend;
    std::vector<Sentence> sentences;
    std::function<void(GpsState&)> expect;
};

void runCases(const std::vector<DecoderCase>& cases)
{
    for (const auto& c : cases) {
        NmeaParser parser;
        for (const auto& s : c.sentences) parser.dispatch(s.address, s.data);
        GpsState expected;
        resetGpsState(expected);
        c.expect(expected);
        EXPECT_EQ(stateToJson(0, parser.gpsState()), stateToJson(0, expected)) << c.legend;
    }
}

const char* kGga = "123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";

void expectReferenceGga(GpsState& s)
{
    s.ggaHour = 12;
    s.ggaMinute = 35;
    s.ggaSecond = 19;
    s.latitude = 48.1173;
    s.longitude = 11.0 + 31.0 * 0.016666666666666666;
    s.fixQuality = 1;
    s.satellitesUsed = 8;
    s.hdop = 0.9;
    s.altitude = 545.4;
    s.ggaCount = 1;
    s.prevAltitudeTime = 35 * 60 + 19;
    s.prevAltitude = 545.4;
    // First GGA after a reset measures against altitude 0 at time 0.
    s.verticalSpeed = 545.4 / ((35 * 60 + 19) / 60.0);
}

TEST(DecodeGga, Records)
{
    runCases({
        {"reference sentence", {{"GPGGA", kGga}}, expectReferenceGga},
        {"empty latitude with S keeps value and sign",
         {{"GPGGA", kGga}, {"GPGGA", "123520,,S,,W,,,,"}},
         [](GpsState& s) {
             expectReferenceGga(s);
             s.ggaSecond = 20;
             s.ggaCount = 2;
             s.prevAltitudeTime = 35 * 60 + 20;
             s.verticalSpeed = 0.0; // same altitude one second later
         }},
        {"south and west negate",
         {{"GPGGA", ",3000.000,S,04530.000,W,,,,"}},
         [](GpsState& s) {
             s.latitude = -30.0;
             s.longitude = -(45.0 + 30.0 * 0.016666666666666666);
             s.ggaCount = 1;
         }},
        {"other hemisphere letters leave it positive",
         {{"GPGGA", ",3000.000,s,04530.000,X,,,,"}},
         [](GpsState& s) {
             s.latitude = 30.0;
             s.longitude = 45.0 + 30.0 * 0.016666666666666666;
             s.ggaCount = 1;
         }},
        {"quality x stores 72, satellites from first two characters",
         {{"GPGGA", ",,,,,x,123,,"}},
         [](GpsState& s) {
             s.fixQuality = 72;
             s.satellitesUsed = 12;
             s.ggaCount = 1;
         }},
        {"time pairs read on their own, fraction dropped",
         {{"GPGGA", "0709"}},
         [](GpsState& s) {
             s.ggaHour = 7;
             s.ggaMinute = 9;
             s.ggaCount = 1;
             s.prevAltitudeTime = 9 * 60;
         }},
        {"empty sentence is still counted", {{"GPGGA", ""}},
         [](GpsState& s) { s.ggaCount = 1; }},
        {"short coordinate field", {{"GPGGA", ",4,N,1,E"}},
         [](GpsState& s) {
             s.latitude = 4.0;
             s.longitude = 1.0;
             s.ggaCount = 1;
         }},
    });
}

TEST(DecodeGga, VerticalSpeedRule)
{
    NmeaParser parser;
    parser.dispatch("GPGGA", "120010,,,,,1,08,0.9,100.0,M,,,,");
    parser.dispatch("GPGGA", "120020,,,,,1,08,0.9,110.0,M,,,,");
    EXPECT_EQ(parser.gpsState().verticalSpeed, 60.0);

    // Passing the full hour: t goes from 3595 to 5; the speed is kept.
    parser.dispatch("GPGGA", "125955,,,,,1,08,0.9,200.0,M,,,,");
    const double before = parser.gpsState().verticalSpeed;
    parser.dispatch("GPGGA", "130005,,,,,1,08,0.9,900.0,M,,,,");
    EXPECT_EQ(parser.gpsState().verticalSpeed, before);
    EXPECT_EQ(parser.gpsState().prevAltitudeTime, 5);
    EXPECT_EQ(parser.gpsState().prevAltitude, 900.0);

    // Same second: kept as well.
    parser.dispatch("GPGGA", "130005,,,,,1,08,0.9,950.0,M,,,,");
    EXPECT_EQ(parser.gpsState().verticalSpeed, before);
}

TEST(DecodeGsa, Records)
{
    runCases({
        {"full sentence", {{"GPGSA", "A,3,03,06,,10,17,,,28,,,,,2.4,1.2,2.0"}},
         [](GpsState& s) {
             s.gsaMode = 'A';
             s.fixType = 3;
             s.activePrns[0] = 3;
             s.activePrns[1] = 6;
             s.activePrns[3] = 10;
             s.activePrns[4] = 17;
             s.activePrns[7] = 28;
             s.pdop = 2.4;
             s.gsaHdop = 1.2;
             s.vdop = 2.0;
             s.gsaCount = 1;
         }},
        {"fewer PRN fields zero the rest; empty DOPs store 0, mode and fix kept",
         {{"GPGSA", "A,3,01,02,03,04,05,06,07,08,09,10,11,12,2.5,1.3,2.1"},
          {"GPGSA", ",,17,18"}},
         [](GpsState& s) {
             s.gsaMode = 'A';
             s.fixType = 3;
             s.activePrns[0] = 17;
             s.activePrns[1] = 18;
             s.gsaCount = 2;
         }},
    });
}

TEST(DecodeGsv, Records)
{
    runCases({
        {"message 2 of 3 writes entries 4-7 only; used judged against the GSA",
         {{"GPGSA", "A,3,14,,,,,,,,,,,,,,"},
          {"GPGSV", "3,2,11,01,38,091,46,02,19,301,,12,06,350,39,14,24,233,45"}},
         [](GpsState& s) {
             s.gsaMode = 'A';
             s.fixType = 3;
             s.activePrns[0] = 14;
             s.gsaCount = 1;
             s.satellitesInView = 11;
             s.satellites[4] = {1, 46, 0, 91, 38};
             s.satellites[5] = {2, 0, 0, 301, 19};
             s.satellites[6] = {12, 39, 0, 350, 6};
             s.satellites[7] = {14, 45, 1, 233, 24};
             s.gsvCount = 1;
         }},
        {"short last message zeroes the rest of its block; empty in-view kept",
         {{"GPGSV", "1,1,05,01,38,091,46,02,19,301,41,12,06,350,39,14,24,233,45"},
          {"GPGSV", "1,1,,03,10,100,30"}},
         [](GpsState& s) {
             s.satellitesInView = 5;
             s.satellites[0] = {3, 30, 0, 100, 10};
             s.gsvCount = 2;
         }},
        {"message numbers 0 and 10 and empty are ignored",
         {{"GPGSV", "3,0,11,01,38,091,46"},
          {"GPGSV", "3,10,11,01,38,091,46"},
          {"GPGSV", "3,,11,01,38,091,46"}},
         [](GpsState&) {}},
        {"totals 0, 10 and empty are ignored",
         {{"GPGSV", "0,1,11,01,38,091,46"},
          {"GPGSV", "10,1,11,01,38,091,46"},
          {"GPGSV", ",1,11,01,38,091,46"}},
         [](GpsState&) {}},
        {"message number above the total is still accepted",
         {{"GPGSV", "1,9,40,33,10,100,30"}},
         [](GpsState& s) {
             s.satellitesInView = 40;
             s.satellites[32] = {33, 30, 0, 100, 10};
             s.gsvCount = 1;
         }},
    });
}

TEST(DecodeGsv, UsedFlagIsNotUpdatedByLaterGsa)
{
    NmeaParser parser;
    parser.dispatch("GPGSV", "1,1,01,07,45,120,44");
    parser.dispatch("GPGSA", "A,3,07,,,,,,,,,,,,1.0,1.0,1.0");
    EXPECT_EQ(parser.gpsState().satellites[0].usedInSolution, 0);
    parser.dispatch("GPGSV", "1,1,01,07,45,120,44");
    EXPECT_EQ(parser.gpsState().satellites[0].usedInSolution, 1);
}

TEST(DecodeRmb, Records)
{
    runCases({
        {"full sentence",
         {{"GPRMB", "A,0.42,R,HOME,DOCK,5103.81,N,11402.36,W,002.7,118.9,003.8,V"}},
         [](GpsState& s) {
             s.rmbStatus = 'A';
             s.crossTrackError = 0.42;
             s.steerDirection = 'R';
             std::strcpy(s.originWaypoint, "HOME");
             std::strcpy(s.destinationWaypoint, "DOCK");
             s.destLatitude = 51.0 + 3.81 * 0.016666666666666666;
             s.destLongitude = -(114.0 + 2.36 * 0.016666666666666666);
             s.rangeToDestination = 2.7;
             s.bearingToDestination = 118.9;
             s.closingVelocity = 3.8;
             s.arrivalStatus = 'V';
             s.rmbCount = 1;
         }},
        {"empties: range 0, arrival V, status V, steer ?, texts empty, position kept",
         {{"GPRMB", "A,0.42,R,HOME,DOCK,5103.81,N,11402.36,W,002.7,118.9,003.8,A"},
          {"GPRMB", ",0.10,,,,,,,,,,0.7,"}},
         [](GpsState& s) {
             s.crossTrackError = 0.10;
             s.destLatitude = 51.0 + 3.81 * 0.016666666666666666;
             s.destLongitude = -(114.0 + 2.36 * 0.016666666666666666);
             s.closingVelocity = 0.7;
             s.rmbCount = 2;
         }},
        {"waypoint of 30 characters keeps its first 24",
         {{"GPRMB", "A,,,ABCDEFGHIJKLMNOPQRSTUVWXYZ1234,\xb0wp"}},
         [](GpsState& s) {
             s.rmbStatus = 'A';
             std::strcpy(s.originWaypoint, "ABCDEFGHIJKLMNOPQRSTUVWX");
             std::strcpy(s.destinationWaypoint, "\xb0wp");
             s.rmbCount = 1;
         }},
    });
}

TEST(DecodeRmc, Records)
{
    runCases({
        {"full sentence",
         {{"GPRMC", "123519,A,4807.038,N,01131.000,E,031.7,266.2,230394,002.4,W"}},
         [](GpsState& s) {
             s.rmcHour = 12;
             s.rmcMinute = 35;
             s.rmcSecond = 19;
             s.rmcStatus = 'A';
             s.rmcLatitude = 48.1173;
             s.rmcLongitude = 11.0 + 31.0 * 0.016666666666666666;
             s.speedOverGround = 31.7;
             s.courseOverGround = 266.2;
             s.rmcDay = 23;
             s.rmcMonth = 3;
             s.rmcYear = 2094;
             s.magneticVariation = -2.4;
             s.rmcCount = 1;
         }},
        {"empty speed and course store 0; date and time kept; status V",
         {{"GPRMC", "123519,A,4807.038,N,01131.000,E,031.7,266.2,230394,002.4,E"},
          {"GPRMC", ",,,,,,,,,,"}},
         [](GpsState& s) {
             s.rmcHour = 12;
             s.rmcMinute = 35;
             s.rmcSecond = 19;
             s.rmcLatitude = 48.1173;
             s.rmcLongitude = 11.0 + 31.0 * 0.016666666666666666;
             s.rmcDay = 23;
             s.rmcMonth = 3;
             s.rmcYear = 2094;
             s.rmcCount = 2;
         }},
        {"short date field", {{"GPRMC", ",,,,,,,,0703"}},
         [](GpsState& s) {
             s.rmcDay = 7;
             s.rmcMonth = 3;
             s.rmcYear = 2000;
             s.rmcCount = 1;
         }},
    });
}

TEST(DecodeZda, Records)
{
    runCases({
        {"full sentence", {{"GPZDA", "184512.00,19,11,2031,-05,30"}},
         [](GpsState& s) {
             s.zdaHour = 18;
             s.zdaMinute = 45;
             s.zdaSecond = 12;
             s.zdaDay = 19;
             s.zdaMonth = 11;
             s.zdaYear = 2031;
             s.localZoneHours = -5;
             s.localZoneMinutes = 30;
             s.zdaCount = 1;
         }},
        {"empty date fields store 1, zones 0, time kept",
         {{"GPZDA", "184512.00,19,11,2031,-05,30"}, {"GPZDA", ",,,,,"}},
         [](GpsState& s) {
             s.zdaHour = 18;
             s.zdaMinute = 45;
             s.zdaSecond = 12;
             s.zdaDay = 1;
             s.zdaMonth = 1;
             s.zdaYear = 1;
             s.zdaCount = 2;
         }},
    });
}

struct FieldCase {
    const char* legend;
    const char* data;
    int index;
    int present;
    const char* text;
};

TEST(GetField, Table)
{
    const FieldCase cases[] = {
        {"first field", "abc,def", 0, 1, "abc"},
        {"second field", "abc,def", 1, 1, "def"},
        {"empty between commas", "abc,,def", 1, 0, ""},
        {"comma as last character opens no field", "abc,", 1, 0, ""},
        {"past the end", "abc", 3, 0, ""},
        {"empty text has no field 0", "", 0, 0, ""},
        {"field ends at *", "ab*cd,ef", 0, 1, "ab"},
        {"field starting with * is empty", "*cd,ef", 0, 0, ""},
        {"next field starts after the comma, not after *", "ab*cd,ef", 1, 1, "ef"},
        {"cut to 24 characters", "0123456789012345678901234567890", 0, 1,
         "012345678901234567890123"},
        {"index beyond the indexed fields", "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,"
                                            "20,21,22,23,24,25,26", 26, 1, "26"},
        {"index beyond the indexed fields, absent", "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,"
                                                    "17,18,19,20,21,22,23,24", 25, 0, ""},
    };
    for (const auto& c : cases) {
        char buffer[kFieldBufferSize] = "junk";
        EXPECT_EQ(getField(c.data, c.index, buffer, kFieldBufferSize), c.present) << c.legend;
        EXPECT_STREQ(buffer, c.text) << c.legend;
        char indexed[kFieldBufferSize] = "junk";
        FieldReader reader(c.data);
        EXPECT_EQ(reader.get(c.index, indexed, kFieldBufferSize), c.present)
            << c.legend << " (indexed)";
        EXPECT_STREQ(indexed, c.text) << c.legend << " (indexed)";
        const FieldView view = reader.field(c.index);
        EXPECT_EQ(std::string(view.text, static_cast<std::size_t>(view.length)), c.text)
            << c.legend << " (in place)";
    }
    char small[4];
    EXPECT_EQ(getField("abcdef", 0, small, sizeof small), 1);
    EXPECT_STREQ(small, "abc") << "capacity 4 keeps 3 characters";
}

} // namespace
