#include "format/PositionText.h"

#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace orbilunex {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

enum class Axis { Latitude, Longitude };

std::string format(Axis axis, std::optional<int> positionFormat, double degrees)
{
    MemorySettingsStore store;
    if (positionFormat) store.setInt("Settings", "PositionFormat", *positionFormat);
    return axis == Axis::Latitude ? formatLatitude(store, degrees)
                                  : formatLongitude(store, degrees);
}

struct PositionCase {
    Axis axis;
    std::optional<int> positionFormat; // nullopt: key missing
    double degrees;
    const char* expected;
    const char* legend;
};

constexpr Axis Lat = Axis::Latitude;
constexpr Axis Lon = Axis::Longitude;

const PositionCase positionCases[] = {
    {Lat, 0, 48.1173, "N 48° 07.0380", "degrees and minutes"},
    {Lat, 1, 48.1173, "N 48° 07' 02.280", "degrees, minutes and seconds"},
    {Lat, 2, 48.1173, "N 48.1173000000°", "decimal degrees, 13 wide"},
    {Lat, std::nullopt, 48.1173, "N 48° 07.0380", "missing format defaults to minutes"},
    {Lon, 0, -11.5166666667, "W 011° 31.0000", "west, three degree digits"},
    {Lon, 1, -11.5166666667, "W 011° 31' 00.000", "west in seconds"},
    {Lon, 2, -11.5166666667, "W 011.5166666667°", "west decimal, 14 wide"},
    {Lat, 0, -33.8568, "S 33° 51.4080", "south in minutes"},
    {Lat, 1, -33.8568, "S 33° 51' 24.480", "south in seconds"},
    {Lat, 2, -33.8568, "S 33.8568000000°", "south decimal"},
    {Lon, 0, 151.2153, "E 151° 12.9180", "east in minutes"},
    {Lon, 1, 151.2153, "E 151° 12' 55.080", "east in seconds"},
    {Lon, 2, 151.2153, "E 151.2153000000°", "east decimal"},
    {Lat, 1, 5.5, "N 05° 30' 00.000", "one-digit degrees padded"},
    {Lat, 0, 0.0, "N 00° 00.0000", "zero latitude is north"},
    {Lon, 0, 0.0, "E 000° 00.0000", "zero longitude is east"},
    {Lat, 1, -0.0, "N 00° 00' 00.000", "negative zero latitude is north"},
    {Lon, 2, -0.0, "E 000.0000000000°", "negative zero longitude: no minus sign"},
    {Lat, 2, -0.0, "N 00.0000000000°", "negative zero decimal latitude"},
    {Lat, 0, 90, "N 90° 00.0000", "north pole"},
    {Lat, 1, -90, "S 90° 00' 00.000", "south pole"},
    {Lon, 0, 180, "E 180° 00.0000", "date line east"},
    {Lon, 2, -180, "W 180.0000000000°", "date line west, decimal"},
    {Lat, 0, 10.999999999, "N 10° 60.0000", "60-minute carry stays in the degree"},
    {Lat, 1, 10.999999999, "N 10° 60' 00.000", "60-minute carry in seconds format"},
    {Lat, 2, 10.999999999, "N 10.9999999990°", "no carry question in decimal"},
    {Lon, 0, -179.9999999999, "W 179° 60.0000", "carry at the date line"},
    {Lat, 0, 2.6 / 600000, "N 00° 00.0003", "2.6 ticks round up"},
    {Lat, 0, 2.4 / 600000, "N 00° 00.0002", "2.4 ticks round down"},
    {Lat, 1, 12 + 9999.2 / 600000, "N 12° 00' 59.994", "largest seconds below a minute"},
    {Lat, 0, 123.5, "N 123° 30.0000", "beyond 90 is not checked"},
    {Lon, 0, 999999999.5, "E 999999999° 30.0000", "largest whole degrees shown"},
    {Lat, 0, 1e9, "", "too large for a position"},
    {Lat, 0, nan, "", "NaN"},
    {Lon, 1, inf, "", "infinity"},
    {Lat, 2, -inf, "", "negative infinity"},
    {Lat, 3, 48.1173, "ERROR", "unknown format, latitude"},
    {Lon, 3, 11.5, "", "unknown format, longitude"},
    {Lat, -1, 48.1173, "ERROR", "negative format"},
    {Lat, 99, nan, "ERROR", "unknown format wins over a bad value"},
};

TEST(PositionText, TabulatedTexts)
{
    for (const PositionCase& row : positionCases) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(format(row.axis, row.positionFormat, row.degrees), row.expected);
    }
}

TEST(PositionText, NonNumericFormatFallsBackToMinutes)
{
    MemorySettingsStore store;
    store.setString("Settings", "PositionFormat", "2x");
    EXPECT_EQ(formatLatitude(store, 48.1173), "N 48° 07.0380");
}

TEST(PositionText, FormatIsReadAtEveryCall)
{
    MemorySettingsStore store;
    EXPECT_EQ(formatLongitude(store, 7.25), "E 007° 15.0000");
    store.setInt("Settings", "PositionFormat", 2);
    EXPECT_EQ(formatLongitude(store, 7.25), "E 007.2500000000°");
    store.setInt("Settings", "PositionFormat", 4);
    EXPECT_EQ(formatLongitude(store, 7.25), "");
}

// What a user types back: every format written, the letters in either case,
// no degree sign, signed numbers; anything else, the other axis's letters and
// values out of range read as none. Written texts read back within their
// last digit.
TEST(PositionText, ParsesTypedPositions)
{
    constexpr double unreadable = 1e300;
    struct Case {
        Axis axis;
        const char* text;
        double expected; // `unreadable`: none
    };
    const Case cases[] = {
        {Lat, "N 48° 07.0380", 48 + 7.038 / 60},
        {Lat, "N 48° 07' 02.280", 48 + 7.0 / 60 + 2.28 / 3600},
        {Lat, "N 48.1173000000°", 48.1173},
        {Lat, "s 48 07.0380", -(48 + 7.038 / 60)},
        {Lat, "  S48 07' 02.280  ", -(48 + 7.0 / 60 + 2.28 / 3600)},
        {Lat, "n 48.1173", 48.1173},
        {Lat, "-12.5", -12.5},
        {Lat, "+12.5°", 12.5},
        {Lat, "90", 90},
        {Lat, "N 10° 60.0000", 11},
        {Lon, "W 011° 31.0000", -(11 + 31.0 / 60)},
        {Lon, "e 007° 15' 00.000\"", 7.25},
        {Lon, "-180", -180},
        {Lat, "N 90.0001", unreadable},
        {Lat, "-91", unreadable},
        {Lon, "E 180° 00.0060", unreadable},
        {Lat, "E 12.5", unreadable},
        {Lon, "N 12.5", unreadable},
        {Lat, "N -12.5", unreadable},
        {Lat, "- N 12.5", unreadable},
        {Lat, "48° 61.0", unreadable},
        {Lat, "48° 07' 61", unreadable},
        {Lat, "48.5 07", unreadable},
        {Lat, "48 07.5' 02", unreadable},
        {Lat, "12,5", unreadable},
        {Lat, "1e1", unreadable},
        {Lat, "N", unreadable},
        {Lat, "", unreadable},
        {Lat, "abc", unreadable},
        {Lat, "N 48° 07.0380 x", unreadable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> read =
            c.axis == Lat ? parseLatitude(c.text) : parseLongitude(c.text);
        if (c.expected == unreadable) {
            EXPECT_FALSE(read.has_value()) << *read;
        } else {
            ASSERT_TRUE(read.has_value());
            EXPECT_NEAR(*read, c.expected, 1e-12);
        }
    }

    // Round trips: a minute's ten-thousandth, a thousandth of a second and
    // 1e-10 degree are the texts' last digits.
    const double tolerance[] = {1.0 / 600000, 1.0 / 3600000, 1e-10};
    for (double value : {0.0, -0.0, 48.1173, -33.8568, 89.99999, -90.0, 10.999999999}) {
        for (int positionFormat : {0, 1, 2}) {
            for (Axis axis : {Lat, Lon}) {
                const double degrees = axis == Lat ? value : value * 2;
                const std::string text = format(axis, positionFormat, degrees);
                SCOPED_TRACE(text);
                const std::optional<double> read =
                    axis == Lat ? parseLatitude(text) : parseLongitude(text);
                ASSERT_TRUE(read.has_value());
                EXPECT_NEAR(*read, degrees, tolerance[positionFormat]);
            }
        }
    }
}

// The texts written the classic way, with printf and the C format strings,
// as a reference for every field width and padding rule.
std::string printfPosition(Axis axis, int positionFormat, double degrees)
{
    const bool latitude = axis == Axis::Latitude;
    const char letter = latitude ? (degrees >= 0 ? 'N' : 'S') : (degrees >= 0 ? 'E' : 'W');
    const double m = std::fabs(degrees);
    const unsigned long d = static_cast<unsigned long>(m);
    const unsigned long c = static_cast<unsigned long>((m - d) * 600000 + 0.5);
    char text[128];
    if (positionFormat == 0)
        std::snprintf(text, sizeof text, latitude ? "%c %02lu° %07.04f" : "%c %03lu° %07.04f",
                      letter, d, c * 0.0001);
    else if (positionFormat == 1)
        std::snprintf(text, sizeof text,
                      latitude ? "%c %02lu° %02d' %06.03f" : "%c %03lu° %02d' %06.03f", letter, d,
                      static_cast<int>(c / 10000), (c % 10000) * 0.0001 * 60);
    else
        std::snprintf(text, sizeof text, latitude ? "%c %013.010f°" : "%c %014.010f°", letter, m);
    return text;
}

TEST(PositionText, MatchesPrintfReference)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> degrees(-180.0, 180.0);
    std::uniform_int_distribution<int> ticks(0, 600000);
    for (int i = 0; i < 100000; ++i) {
        // Half plain values, half values within a rounding step of a tick edge.
        double value = degrees(random);
        if (i % 2 == 1)
            value = std::trunc(value) + std::copysign((ticks(random) + 0.5) / 600000, value);
        for (Axis axis : {Lat, Lon}) {
            for (int positionFormat : {0, 1, 2}) {
                const std::string expected = printfPosition(axis, positionFormat, value);
                const std::string actual = format(axis, positionFormat, value);
                if (actual != expected) {
                    std::setlocale(LC_ALL, previous.c_str());
                    FAIL() << "value " << value << " format " << positionFormat << ": "
                           << actual << " != " << expected;
                }
            }
        }
    }
    std::setlocale(LC_ALL, previous.c_str());
}

} // namespace
} // namespace orbilunex
