#include "NmeaTestUtil.h"

#include "nmea/NmeaParser.h"
#include "nmea/StateJson.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

using namespace orbilunex;
using orbilunex::test::feedText;
using orbilunex::test::sentences;

namespace {

constexpr double kTolerance = 1e-9;

GpsState decodeAll(const std::string& bodies)
{
    NmeaParser parser;
    parser.setAllSystems(true);
    feedText(parser, sentences(bodies));
    return parser.gpsState();
}

std::string repeat(const std::string& body, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i) out += body + "\n";
    return out;
}

// 48 07.038 N, 11 31.000 E and a second point 0.001' north and east of it.
constexpr double kLat1 = 48.1173;
constexpr double kLon1 = 11.516666666666667;
constexpr double kLat2 = 48.117316666666667;
constexpr double kLon2 = 11.516683333333333;

struct Row {
    const char* legend;
    std::string bodies;
    double latitude;  // 0 when no position may have been taken
    double longitude;
    int fixQuality;
};

// Who sets the position and the fix quality, in the forms receivers send.
TEST(MoreSentences, PositionAndFixQuality)
{
    const Row rows[] = {
        {"GLL valid, mode A", "GPGLL,4807.038,N,01131.000,E,120000,A,A", kLat1, kLon1, 1},
        {"GLL of NMEA 2.0 without a mode", "GPGLL,4807.038,N,01131.000,E,120000,A", kLat1, kLon1, 1},
        {"GLL status V keeps the position out", "GPGLL,4807.038,N,01131.000,E,120000,V,N", 0, 0, 0},
        {"GLL status V beside mode A is no fix", "GPGLL,4807.038,N,01131.000,E,120000,V,A", 0, 0, 0},
        {"GLL with empty fields", "GPGLL,,,,,120000,V,N", 0, 0, 0},
        {"GLL between RMCs gives the latest position and the mode's quality",
         "GPRMC,120000,A,4807.038,N,01131.000,E,0.0,0.0,081226,,,D\n"
         "GPGLL,4807.039,N,01131.001,E,120001,A,D",
         kLat2, kLon2, 2},
        {"RMC dead reckoning comes with V and is still an estimate",
         "GPRMC,120000,V,4807.038,N,01131.000,E,0.0,0.0,081226,,,E", kLat1, kLon1, 6},
        {"RMC of NMEA 2.0 with status V", "GPRMC,120000,V,4807.038,N,01131.000,E,,,081226,,", 0, 0, 0},
        {"RMC float RTK", "GNRMC,120000,A,4807.038,N,01131.000,E,0.0,,081226,,,F", kLat1, kLon1, 5},
        {"GGA with an empty quality neither clears nor sets RMC's fix",
         "GNRMC,120000,A,4807.038,N,01131.000,E,0.0,,081226,,,A\n"
         "GNGGA,120000,4807.039,N,01131.001,E,,08,0.9,545.4,M,,,,",
         kLat1, kLon1, 1},
        {"GGA with a quality owns the position; the RMC after it does not move it",
         "GNGGA,120000,4807.038,N,01131.000,E,4,12,0.6,545.4,M,46.9,M,,\n"
         "GNRMC,120000,A,4807.039,N,01131.001,E,0.0,,081226,,,A",
         kLat1, kLon1, 4},
        {"nine RMCs since the last GGA: GGA still owns the quality",
         "GNGGA,120000,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,,,\n" +
             repeat("GNRMC,120001,V,,,,,,,081226,,,N", 9),
         kLat1, kLon1, 1},
        {"ten RMCs since the last GGA: RMC says there is no fix",
         "GNGGA,120000,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,,,\n" +
             repeat("GNRMC,120001,V,,,,,,,081226,,,N", 10),
         kLat1, kLon1, 0},
        {"GNS with GPS autonomous and GLONASS without fix",
         "GNGNS,120000.00,4807.038,N,01131.000,E,AN,08,0.9,545.4,46.9,,,V", kLat1, kLon1, 1},
        {"GNS without any fix keeps the position out",
         "GNGNS,120000.00,4807.038,N,01131.000,E,NN,00,,,,,,V", 0, 0, 0},
        {"GNS with an empty mode leaves the quality to RMC",
         "GNGNS,120000.00,,,,,,00,,,,,,V\n"
         "GNRMC,120000,A,4807.038,N,01131.000,E,0.0,,081226,,,D",
         kLat1, kLon1, 2},
        {"an instrument network's sentences",
         "INGLL,4807.038,N,01131.000,E,120000,A,A\n"
         "INRMC,120001,A,4807.039,N,01131.001,E,4.2,270.0,081226,,,A",
         kLat2, kLon2, 1},
    };
    for (const Row& row : rows) {
        const GpsState s = decodeAll(row.bodies);
        EXPECT_NEAR(s.latitude, row.latitude, kTolerance) << row.legend;
        EXPECT_NEAR(s.longitude, row.longitude, kTolerance) << row.legend;
        EXPECT_EQ(s.fixQuality, row.fixQuality) << row.legend;
    }
}

TEST(MoreSentences, GnsFillsWhatGgaWould)
{
    const GpsState s =
        decodeAll("GNGNS,120000.00,4807.038,S,01131.000,W,DAN,11,0.8,545.4,46.9,2.0,0117,S");
    EXPECT_NEAR(s.latitude, -kLat1, kTolerance);
    EXPECT_NEAR(s.longitude, -kLon1, kTolerance);
    EXPECT_EQ(s.fixQuality, 2);
    EXPECT_EQ(s.satellitesUsed, 11);
    EXPECT_DOUBLE_EQ(s.hdop, 0.8);
    EXPECT_DOUBLE_EQ(s.altitude, 545.4);
    EXPECT_DOUBLE_EQ(s.geoidSeparation, 46.9);
    EXPECT_STREQ(s.gnsMode, "DAN");
    EXPECT_EQ(s.gnsCount, 1);
    EXPECT_EQ(s.ggaCount, 0);
}

struct VtgRow {
    const char* legend;
    const char* body;
    double course;
    double knots;
};

TEST(MoreSentences, VtgCourseAndSpeed)
{
    const VtgRow rows[] = {
        {"NMEA 2.3 with a mode", "GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A", 54.7, 5.5},
        {"without a mode", "GPVTG,054.7,T,034.4,M,005.5,N,010.2,K", 54.7, 5.5},
        {"old four numbers", "GPVTG,054.7,034.4,005.5,010.2", 54.7, 5.5},
        {"kilometres an hour alone", "GPVTG,054.7,T,,M,,N,018.52,K,D", 54.7, 10.0},
        {"mode N leaves RMC's values", "GPVTG,,T,,M,0.0,N,0.0,K,N", 12.0, 3.0},
        {"all empty leaves RMC's values", "GPVTG,,T,,M,,N,,K,A", 12.0, 3.0},
    };
    for (const VtgRow& row : rows) {
        const GpsState s =
            decodeAll(std::string("GPRMC,120000,A,4807.038,N,01131.000,E,3.0,12.0,081226,,,A\n") +
                      row.body);
        EXPECT_NEAR(s.courseOverGround, row.course, kTolerance) << row.legend;
        EXPECT_NEAR(s.speedOverGround, row.knots, kTolerance) << row.legend;
        EXPECT_EQ(s.vtgCount, 1) << row.legend;
    }
}

TEST(MoreSentences, GstEstimateAndEmptyFields)
{
    GpsState s = decodeAll("GPGST,172814.0,0.006,0.023,0.020,273.6,0.024,0.021,0.031");
    EXPECT_EQ(s.gstCount, 1);
    EXPECT_EQ(s.gstMinute, 28);
    EXPECT_DOUBLE_EQ(s.gstRms, 0.006);
    EXPECT_DOUBLE_EQ(s.gstSemiMajor, 0.023);
    EXPECT_DOUBLE_EQ(s.gstSemiMinor, 0.020);
    EXPECT_DOUBLE_EQ(s.gstOrientation, 273.6);
    EXPECT_DOUBLE_EQ(s.gstSigmaLatitude, 0.024);
    EXPECT_DOUBLE_EQ(s.gstSigmaLongitude, 0.021);
    EXPECT_DOUBLE_EQ(s.gstSigmaAltitude, 0.031);

    // A receiver without an ellipse sends those fields empty; a later GST
    // replaces the whole estimate.
    s = decodeAll("GNGST,172814.0,0.006,0.023,0.020,273.6,0.024,0.021,0.031\n"
                  "GNGST,172815.0,1.2,,,,1.5,1.1,2.9");
    EXPECT_EQ(s.gstCount, 2);
    EXPECT_TRUE(std::isnan(s.gstSemiMajor));
    EXPECT_TRUE(std::isnan(s.gstOrientation));
    EXPECT_DOUBLE_EQ(s.gstSigmaAltitude, 2.9);
    const std::string json = stateToJson(0, s);
    EXPECT_NE(json.find("\"gst\":{\"hour\":17,\"minute\":28,\"second\":15,\"rms\":1.2,"
                        "\"semiMajor\":null,\"semiMinor\":null,\"orientation\":null,"
                        "\"sigmaLatitude\":1.5,\"sigmaLongitude\":1.1,\"sigmaAltitude\":2.9,"
                        "\"count\":2}"),
              std::string::npos)
        << json;
}

// With GPS alone none of this decodes and the output keeps its old members.
TEST(MoreSentences, GpsAloneIgnoresThem)
{
    NmeaParser parser;
    const std::string fresh = stateToJson(0, parser.gpsState());
    feedText(parser, sentences("GPGLL,4807.038,N,01131.000,E,120000,A,A\n"
                               "GPVTG,054.7,T,034.4,M,005.5,N,010.2,K,A\n"
                               "GPGST,172814.0,0.006,0.023,0.020,273.6,0.024,0.021,0.031\n"
                               "GNGNS,120000.00,4807.038,N,01131.000,E,AN,08,0.9,545.4,46.9,,,V\n"
                               "INGGA,120000,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,,,"));
    EXPECT_EQ(stateToJson(0, parser.gpsState()), fresh);
    EXPECT_EQ(fresh.find("gll"), std::string::npos);
    EXPECT_EQ(parser.otherTalkerPositionCount(), 0);
}

} // namespace
