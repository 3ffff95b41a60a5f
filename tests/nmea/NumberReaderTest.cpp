#include "nmea/NumberReader.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using orbilunex::readInteger;
using orbilunex::readReal;

namespace {

struct IntegerCase {
    const char* legend;
    const char* text;
    std::int32_t expected;
};

TEST(ReadInteger, LenientDecimalRules)
{
    const IntegerCase cases[] = {
        {"plain", "08", 8},
        {"leading blanks and tab", " \t 42", 42},
        {"plus sign", "+7", 7},
        {"minus sign", "-12", -12},
        {"stops at the first non-digit", "12ab", 12},
        {"stops at a point", "3.9", 3},
        {"no digits", "abc", 0},
        {"empty", "", 0},
        {"sign only", "-", 0},
        {"blank between sign and digits", "- 5", 0},
        {"largest int32", "2147483647", 2147483647},
        {"one above saturates", "2147483648", 2147483647},
        {"smallest int32", "-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"one below saturates", "-2147483649", std::numeric_limits<std::int32_t>::min()},
        {"many digits saturate", "99999999999999999999999999", 2147483647},
        {"leading zeros", "0000000000000000000000123", 123},
    };
    for (const auto& c : cases) EXPECT_EQ(readInteger(c.text), c.expected) << c.legend;
}

struct RealCase {
    const char* legend;
    const char* text;
    double expected;
};

TEST(ReadReal, Forms)
{
    const RealCase cases[] = {
        {"altitude", "545.4", 545.4},
        {"minutes", "07.038", 7.038},
        {"trailing zeros keep the value", "545.4000000000000000000", 545.4},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5.0},
        {"point only", ".", 0.0},
        {"exponent", "1.5e3", 1500.0},
        {"capital exponent with sign", "25E-1", 2.5},
        {"e without digits is not read", "7e", 7.0},
        {"e with sign but no digits", "7e+", 7.0},
        {"leading blanks, plus", "  +0.25", 0.25},
        {"minus", "-0.9", -0.9},
        {"stops at comma", "1,5", 1.0},
        {"no digits", "N", 0.0},
        {"inf is not a number", "inf", 0.0},
        {"nan is not a number", "nan", 0.0},
        {"hexadecimal reads its leading zero", "0x1A", 0.0},
        {"overflow gives infinity", "1e400", std::numeric_limits<double>::infinity()},
        {"negative overflow", "-1e400", -std::numeric_limits<double>::infinity()},
        {"underflow gives zero", "1e-400", 0.0},
        {"smallest subnormal", "4.9406564584124654e-324", 4.9406564584124654e-324},
        {"many digits", "123456789012345678901234567890", 1.2345678901234568e+29},
        {"huge exponent digits", "1e99999999999999999999", std::numeric_limits<double>::infinity()},
        {"tiny with many fraction zeros", "0.000000000000000000000000000001", 1e-30},
    };
    for (const auto& c : cases) EXPECT_EQ(readReal(c.text), c.expected) << c.legend;
    EXPECT_TRUE(std::signbit(readReal("-0.0"))) << "negative zero keeps its sign";
}

// glibc's strtod rounds correctly; in the "C" locale and on texts without
// letters other than e/E it is the reference our reader must match bit for bit.
std::string randomNumberText(std::mt19937_64& random)
{
    static const char alphabet[] = "0123456789012345678901234567890123456789....eE+- ,";
    const int length = 1 + static_cast<int>(random() % 40);
    std::string text;
    for (int i = 0; i < length; ++i) text += alphabet[random() % (sizeof alphabet - 1)];
    return text;
}

std::string randomDecimal(std::mt19937_64& random)
{
    // Shapes NMEA fields take, plus long mantissas and wide exponents that
    // force the slow path.
    std::string text = (random() % 4 == 0) ? "-" : "";
    const int integerDigits = static_cast<int>(random() % 25);
    const int fractionDigits = static_cast<int>(random() % 25);
    for (int i = 0; i < integerDigits; ++i) text += static_cast<char>('0' + random() % 10);
    text += '.';
    for (int i = 0; i < fractionDigits; ++i) text += static_cast<char>('0' + random() % 10);
    if (random() % 3 == 0) text += "e" + std::to_string(static_cast<int>(random() % 700) - 350);
    return text;
}

TEST(ReadReal, MatchesCorrectlyRoundedReferenceOnRandomTexts)
{
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        const std::string text = (i % 2) ? randomNumberText(random) : randomDecimal(random);
        const double expected = std::strtod(text.c_str(), nullptr);
        const double actual = readReal(text.c_str());
        ASSERT_EQ(std::memcmp(&expected, &actual, sizeof(double)), 0)
            << "text \"" << text << "\": expected " << expected << " got " << actual;
        // Read in place, a prefix must read as that prefix copied out.
        const std::size_t cut = random() % (text.size() + 1);
        const double expectedPrefix = std::strtod(text.substr(0, cut).c_str(), nullptr);
        const double actualPrefix = readReal(text.c_str(), cut);
        ASSERT_EQ(std::memcmp(&expectedPrefix, &actualPrefix, sizeof(double)), 0)
            << "first " << cut << " characters of \"" << text << "\"";
    }
}

TEST(ReadInteger, MatchesSaturatedReferenceOnRandomTexts)
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 100000; ++i) {
        const std::string text = randomNumberText(random);
        long long reference = std::strtoll(text.c_str(), nullptr, 10);
        if (reference > std::numeric_limits<std::int32_t>::max())
            reference = std::numeric_limits<std::int32_t>::max();
        if (reference < std::numeric_limits<std::int32_t>::min())
            reference = std::numeric_limits<std::int32_t>::min();
        ASSERT_EQ(readInteger(text.c_str()), reference) << "text \"" << text << "\"";
        const std::size_t cut = random() % (text.size() + 1);
        EXPECT_EQ(readInteger(text.c_str(), cut), readInteger(text.substr(0, cut).c_str()))
            << "first " << cut << " characters of \"" << text << "\"";
    }
}

TEST(NumberReader, BoundedReadsStopAtTheLength)
{
    EXPECT_EQ(readInteger("12345", 2), 12);
    EXPECT_EQ(readInteger("  7", 2), 0) << "only blanks inside the bound";
    EXPECT_EQ(readInteger("-", 0), 0);
    EXPECT_EQ(readReal("545.4", 4), 545.0);
    EXPECT_EQ(readReal("1e5", 2), 1.0) << "an exponent cut off after e is not read";
    EXPECT_EQ(readReal("1e5", 3), 100000.0);
    EXPECT_EQ(readReal("1.5e+", 5), 1.5);
    EXPECT_EQ(readReal("123456789012345678901234", 20), 12345678901234567890.0);
}

TEST(NumberReader, IgnoresDecimalCommaLocale)
{
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 test locale is missing: run scripts/setup and build the tests";
    // Under this locale strtod would stop at the point.
    EXPECT_EQ(readReal("545.4"), 545.4);
    EXPECT_EQ(readReal("4807.038"), 4807.038);
    EXPECT_EQ(readReal("1,5"), 1.0);
    EXPECT_EQ(readReal("12345678901234567890.5"), 12345678901234567890.5);
    std::setlocale(LC_ALL, "C");
}

} // namespace
