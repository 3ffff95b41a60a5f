#include "format/FixedText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace orbilunex {
namespace {

// The oracle: the C library itself. Every test here runs with the C locale
// active (see FixedText below), so printf writes what the formats mean.
std::string printfFixed(double value, int precision, int width)
{
    std::vector<char> buffer(512);
    std::snprintf(buffer.data(), buffer.size(), "%0*.*f", width, precision, value);
    return buffer.data();
}

class FixedText : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    }
    void TearDown() override { std::setlocale(LC_ALL, previous.c_str()); }

private:
    std::string previous;
};

// The (precision, width) pairs the position texts use, plus plain ones.
struct Field {
    int precision;
    int width;
};
constexpr Field positionFields[] = {{4, 7}, {3, 6}, {10, 13}, {10, 14}, {0, 0}, {2, 1}};

struct FixedCase {
    double value;
    const char* legend;
};

const FixedCase fixedCases[] = {
    {0.0, "zero pads to the full width"},
    {-0.0, "negative zero keeps its sign, as printf does"},
    {7.038, "minutes of 48.1173 degrees"},
    {48.1173, "decimal degrees of a typical latitude"},
    {59.99995, "rounds up at the last place of 4 decimals"},
    {59.9995, "rounds up at the last place of 3 decimals"},
    {0.00005, "smallest tick, binary value just above the tie"},
    {0.125, "exact tie at 2 decimals goes to even"},
    {0.375, "exact tie at 2 decimals goes to even, upwards"},
    {2.5, "exact tie at 0 decimals goes to even"},
    {90.0, "largest latitude"},
    {180.0, "largest longitude"},
    {179.99999999995, "rounds into a wider integer part at 10 decimals"},
    {9.99999, "rounds from one integer digit to two"},
    {1e-7, "tiny value rounds to zero"},
    {-3.25, "negative value: zeros go after the sign"},
    {123456789.0, "wider than every field"},
    {1e300, "huge value prints all its integer digits"},
    {std::numeric_limits<double>::denorm_min(), "smallest subnormal"},
    {std::numeric_limits<double>::infinity(), "infinity pads with blanks"},
    {-std::numeric_limits<double>::infinity(), "negative infinity"},
    {std::numeric_limits<double>::quiet_NaN(), "NaN pads with blanks"},
};

TEST_F(FixedText, MatchesPrintfForTabulatedValues)
{
    for (const FixedCase& row : fixedCases) {
        for (const Field& field : positionFields) {
            SCOPED_TRACE(std::string(row.legend) + ", precision " +
                         std::to_string(field.precision) + ", width " + std::to_string(field.width));
            EXPECT_EQ(fixedText(row.value, field.precision, field.width),
                      printfFixed(row.value, field.precision, field.width));
        }
    }
}

TEST_F(FixedText, KnownTexts)
{
    EXPECT_EQ(fixedText(7.038, 4, 7), "07.0380");
    EXPECT_EQ(fixedText(48.1173, 10, 13), "48.1173000000");
    EXPECT_EQ(fixedText(2.28, 3, 6), "02.280");
    EXPECT_EQ(fixedText(-1.5, 1, 6), "-001.5");
    EXPECT_EQ(fixedText(std::numeric_limits<double>::infinity(), 2, 5), "  inf");
}

TEST_F(FixedText, MatchesPrintfOnEveryMinuteTick)
{
    // Every minute value the degrees-and-minutes text can show, including
    // the 60.0000 that rounding produces without carrying.
    for (unsigned long tick = 0; tick <= 600000; ++tick) {
        const double minutes = static_cast<double>(tick) * 0.0001;
        ASSERT_EQ(fixedText(minutes, 4, 7), printfFixed(minutes, 4, 7)) << "tick " << tick;
        const double seconds = static_cast<double>(tick % 10000) * 0.0001 * 60;
        ASSERT_EQ(fixedText(seconds, 3, 6), printfFixed(seconds, 3, 6)) << "tick " << tick;
    }
}

TEST_F(FixedText, MatchesPrintfOnRandomValues)
{
    std::mt19937_64 random(20240601);
    std::uniform_real_distribution<double> degrees(-180.0, 180.0);
    for (int i = 0; i < 200000; ++i) {
        // Mix plain degrees with values snapped near a rounding boundary.
        double value = degrees(random);
        if (i % 2 == 1) value = std::round(value * 1e4) / 1e4 + 0.00005;
        for (const Field& field : positionFields) {
            ASSERT_EQ(fixedText(value, field.precision, field.width),
                      printfFixed(value, field.precision, field.width))
                << "value " << value;
        }
    }
}

TEST_F(FixedText, ZeroPaddedMatchesPrintf)
{
    const unsigned long values[] = {0, 5, 48, 99, 100, 180, 999999999,
                                    std::numeric_limits<unsigned long>::max()};
    for (unsigned long value : values) {
        for (int width : {0, 1, 2, 3, 25}) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%0*lu", width, value);
            EXPECT_EQ(zeroPaddedText(value, width), expected) << value << " width " << width;
        }
    }
}

} // namespace
} // namespace orbilunex
