#include "format/FixedText.h"
#include "format/PositionText.h"

#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace orbilunex {
namespace {

// Runs a test body under the decimal-comma locale the test build provides
// (LOCPATH), and puts the C locale back whatever the outcome.
class DecimalCommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
            << "run scripts/setup / locale missing (de_DE.UTF-8 under LOCPATH)";
        // Proves the locale really writes a comma, or the test shows nothing.
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 1.5);
        ASSERT_STREQ(text, "1,5");
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(DecimalCommaLocale, PositionTextsKeepThePoint)
{
    struct Row {
        int positionFormat;
        const char* latitude;
        const char* longitude;
    };
    const Row rows[] = {
        {0, "N 48° 07.0380", "W 011° 31.0000"},
        {1, "N 48° 07' 02.280", "W 011° 31' 00.000"},
        {2, "N 48.1173000000°", "W 011.5166666667°"},
    };
    MemorySettingsStore store;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.positionFormat);
        store.setInt("Settings", "PositionFormat", row.positionFormat);
        EXPECT_EQ(formatLatitude(store, 48.1173), row.latitude);
        EXPECT_EQ(formatLongitude(store, -11.5166666667), row.longitude);
    }
}

TEST_F(DecimalCommaLocale, FixedTextKeepsThePoint)
{
    EXPECT_EQ(fixedText(1234.5, 2, 10), "0001234.50");
    EXPECT_EQ(fixedText(-0.25, 3, 0), "-0.250");
}

} // namespace
} // namespace orbilunex
