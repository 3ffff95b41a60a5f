#include "settings/DisplaySettings.h"
#include "settings/LayoutSettings.h"
#include "settings/Setting.h"

#include <gtest/gtest.h>

namespace orbilunex {
namespace {

constexpr IntSetting kInt{"Section", "Number", 30};
constexpr IntTextSetting kText{"Section", "Text", 30};
constexpr StringSetting kString{"Section", "Name", "fallback"};

TEST(Setting, ReadsTheStoredValueOrTheDefault)
{
    struct Case {
        const char* stored; // nullptr: nothing stored
        int asInt;
        int asText;
        const char* legend;
    };
    const Case cases[] = {
        {nullptr, 30, 30, "missing"},
        {"12", 12, 12, "decimal"},
        {" -7 ", -7, -7, "sign and blanks"},
        {"0", 0, 0, "zero is a value, not missing"},
        {"12a", 30, 30, "damaged"},
        {"", 30, 30, "empty"},
        {"99999999999", 30, 30, "beyond the int range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        MemorySettingsStore store;
        if (c.stored) {
            store.setString("Section", "Number", c.stored);
            store.setString("Section", "Text", c.stored);
        }
        EXPECT_EQ(readSetting(store, kInt), c.asInt);
        EXPECT_EQ(readSetting(store, kText), c.asText);
    }
}

TEST(Setting, WritesUnderItsSectionAndKey)
{
    MemorySettingsStore store;
    writeSetting(store, kInt, -5);
    writeSetting(store, kText, 42);
    writeSetting(store, kString, "pier.msk");
    EXPECT_EQ(store.getString("Section", "Number", ""), "-5");
    EXPECT_EQ(store.getString("Section", "Text", ""), "42");
    EXPECT_EQ(readSetting(store, kString), "pier.msk");
    EXPECT_EQ(readSetting(MemorySettingsStore(), kString), "fallback");

    writeSetting(store, settings::display::kUnits, unitsMetric);
    EXPECT_EQ(store.getInt("Settings", "Units", -1), unitsMetric);
    EXPECT_EQ(settings::layout::windowKey(3), "WINDOW 3");
}

TEST(Setting, ToggleFlipsTheStoredFlagAndKeepsIt)
{
    struct Case {
        const char* stored;
        int after;
    };
    const Case cases[] = {{nullptr, 1}, {"1", 0}, {"0", 1}, {"2", 1}, {"x", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "missing");
        MemorySettingsStore store;
        constexpr IntSetting flag{"S", "Flag", 0};
        if (c.stored) store.setString("S", "Flag", c.stored);
        EXPECT_EQ(toggleSetting(store, flag), c.after);
        EXPECT_EQ(store.getInt("S", "Flag", -1), c.after);
    }
}

} // namespace
} // namespace orbilunex
