#include "NmeaTestUtil.h"

#include "nmea/AllSystems.h"
#include "nmea/NmeaParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace orbilunex;
using orbilunex::test::feedText;
using orbilunex::test::sentence;

namespace {

std::string stream(const std::vector<std::string>& bodies)
{
    std::string bytes;
    for (const std::string& body : bodies) bytes += sentence(body);
    return bytes;
}

// "G05:44:u" for GPS PRN 5, SNR 44, used; ":-" when not used.
std::vector<std::string> table(const GpsState& s)
{
    std::vector<std::string> out;
    for (int i = 0; i < s.sky.count; ++i) {
        const SystemSatellite& sat = s.sky.satellites[i];
        out.push_back(std::string(1, systemLetter(sat.system)) + std::to_string(sat.prn) + ":" +
                      std::to_string(sat.snr) + (sat.usedInSolution == 1 ? ":u" : ":-"));
    }
    return out;
}

struct Make {
    const char* legend;
    std::vector<std::string> bodies;
    std::vector<std::string> satellites; // in table order: system, then PRN
    double latitude;
    int fixType;
};

// One epoch each, in the forms receivers of several systems send: NMEA 4.11
// with system and signal ids, NMEA 4.0 with GLONASS numbered 65-96 under one
// GN GSA, a BD talker, and one GN GSV for every system by number.
TEST(AllSystems, ReceiversOfSeveralMakes)
{
    const Make makes[] = {
        {"4.11 ids, two signals of one GPS satellite keep the stronger",
         {"GNRMC,101500.00,A,4807.03800,N,01131.00000,E,0.012,,081226,,,A,V",
          "GNGGA,101500.00,4807.03800,N,01131.00000,E,1,09,0.87,545.4,M,46.9,M,,",
          "GNGSA,A,3,05,13,15,,,,,,,,,,1.52,0.87,1.25,1",
          "GNGSA,A,3,67,68,,,,,,,,,,,1.52,0.87,1.25,2",
          "GNGSA,A,3,11,36,,,,,,,,,,,1.52,0.87,1.25,3",
          "GNGSA,A,3,19,,,,,,,,,,,,1.52,0.87,1.25,4",
          "GPGSV,1,1,04,05,62,290,45,13,40,070,38,15,21,140,33,29,05,320,,1",
          "GPGSV,1,1,02,05,62,290,47,13,40,070,31,8",
          "GLGSV,1,1,03,67,55,030,40,68,33,300,36,77,10,180,22,1",
          "GAGSV,1,1,02,11,45,210,41,36,28,100,39,7",
          "GBGSV,1,1,01,19,70,015,44,1"},
         {"G5:47:u", "G13:38:u", "G15:33:u", "G29:0:-", "R67:40:u", "R68:36:u", "R77:22:-",
          "E11:41:u", "E36:39:u", "C19:44:u"},
         48.1173,
         3},
        {"4.0 numbering, one GN GSA for GPS and GLONASS, SBAS under GP",
         {"GNGGA,101501,4807.0380,S,01131.0000,E,1,06,1.1,545.4,M,46.9,M,,",
          "GNGSA,A,2,02,12,25,70,71,86,,,,,,,2.1,1.1,1.8",
          "GPGSV,2,1,05,02,40,100,42,12,35,200,40,25,60,300,44,48,30,180,39",
          "GPGSV,2,2,05,31,03,020,",
          "GLGSV,1,1,03,70,50,060,37,71,20,240,30,86,45,330,35",
          "GNRMC,101501,A,4807.0380,S,01131.0000,E,0.0,0.0,081226,,"},
         {"G2:42:u", "G12:40:u", "G25:44:u", "G31:0:-", "R70:37:u", "R71:30:u", "R86:35:u",
          "S48:39:-"},
         -48.1173,
         2},
        {"BD talker beside GP, a GSA each",
         {"GNGGA,101502.000,4807.0380,N,01131.0000,W,1,05,1.3,545.4,M,0.0,M,,",
          "GPGSA,A,3,08,10,,,,,,,,,,,2.0,1.3,1.5",
          "BDGSA,A,3,06,09,16,,,,,,,,,,2.0,1.3,1.5",
          "GPGSV,1,1,02,08,55,045,46,10,25,250,38",
          "BDGSV,1,1,03,06,48,130,40,09,62,210,43,16,35,320,36",
          "GNRMC,101502.000,A,4807.0380,N,01131.0000,W,0.00,0.00,081226,,,A"},
         {"G8:46:u", "G10:38:u", "C6:40:u", "C9:43:u", "C16:36:u"},
         48.1173,
         3},
        {"one GN GSV sequence numbering every system",
         {"GNGGA,101503,4807.0380,N,01131.0000,E,1,04,1.0,545.4,M,46.9,M,,",
          "GNGSA,A,3,07,66,301,401,,,,,,,,,1.9,1.0,1.6",
          "GNGSV,2,1,06,07,50,100,45,66,30,200,35,301,40,050,41,401,60,310,43",
          "GNGSV,2,2,06,195,70,180,39,133,32,150,37"},
         {"G7:45:u", "R66:35:u", "E301:41:u", "C401:43:u", "J195:39:-", "S133:37:-"},
         48.1173,
         3},
    };
    for (const Make& make : makes) {
        NmeaParser parser;
        parser.setAllSystems(true);
        feedText(parser, stream(make.bodies));
        const GpsState& s = parser.gpsState();
        EXPECT_EQ(table(s), make.satellites) << make.legend;
        EXPECT_EQ(s.satellitesInView, make.satellites.size()) << make.legend;
        EXPECT_NEAR(s.latitude, make.latitude, 1e-4) << make.legend;
        EXPECT_EQ(s.ggaCount, 1) << make.legend;
        EXPECT_EQ(s.fixType, make.fixType) << make.legend;
    }
}

// Each system runs its own GSV sequence: a GLONASS satellite that sets
// leaves at the end of GLONASS's next sequence, GPS's stay untouched.
TEST(AllSystems, EachSystemsSequenceReplacesOnlyItsOwnSatellites)
{
    NmeaParser parser;
    parser.setAllSystems(true);
    feedText(parser, stream({"GPGSV,1,1,02,03,40,100,41,04,30,200,38",
                             "GLGSV,1,1,02,65,05,010,25,66,50,020,40"}));
    feedText(parser, stream({"GLGSV,2,1,01,66,51,021,41", "GLGSV,2,2,01,"}));
    EXPECT_EQ(table(parser.gpsState()),
              (std::vector<std::string>{"G3:41:-", "G4:38:-", "R66:41:-"}));
}

// With GPS alone, a receiver that sends only GN positions decodes nothing
// new, exactly as before, and the parser counts what it passed over.
TEST(AllSystems, GpsOnlyIgnoresOtherTalkersButCountsTheirPositions)
{
    NmeaParser parser;
    feedText(parser, stream({"GNGGA,101500,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,",
                             "GNRMC,101500,A,4807.038,N,01131.000,E,0.0,0.0,081226,,",
                             "GLGSV,1,1,01,65,05,010,25", "GNGSA,A,3,65,,,,,,,,,,,,1.0,1.0,1.0",
                             "XXGGA,101500,4807.038,N"}));
    const GpsState& s = parser.gpsState();
    EXPECT_EQ(parser.otherTalkerPositionCount(), 2);
    EXPECT_EQ(s.ggaCount + s.rmcCount + s.gsvCount + s.gsaCount, 0);
    EXPECT_EQ(s.allSystems, 0);
    EXPECT_EQ(s.sky.count, 0);
}

} // namespace
