#include "shell/WindowKinds.h"
#include "shell/WindowPlacement.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

using namespace orbilunex;

namespace {

TEST(WindowPlacement, TextOrderIsLeftRightTopBottom)
{
    WindowPlacement p;
    p.showCommand = kShowMaximized;
    p.left = 10;
    p.right = 810;
    p.top = 20;
    p.bottom = 620;
    EXPECT_EQ(formatPlacement(p), "44, 0, 3, -1, -1, -1, -1, 10, 810, 20, 620");
    EXPECT_EQ(formatWindowEntry(207, p), "207, 44, 0, 3, -1, -1, -1, -1, 10, 810, 20, 620");
    const auto back = parsePlacement(formatPlacement(p));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, p);
    EXPECT_EQ(back->width(), 800);
    EXPECT_EQ(back->height(), 600);
}

struct ParseCase {
    const char* legend;
    const char* text;
    bool parses;
};

TEST(WindowPlacement, ParsingIsLikeScanningIntegers)
{
    const ParseCase cases[] = {
        {"as written", "44, 0, 1, -1, -1, -1, -1, 0, 100, 0, 80", true},
        {"no blanks", "44,0,1,-1,-1,-1,-1,0,100,0,80", true},
        {"blanks before commas", "44 , 0 ,1, -1,-1,-1,-1,0,100,0,80", true},
        {"text after the eleventh number", "44, 0, 1, -1, -1, -1, -1, 0, 100, 0, 80, junk", true},
        {"ten numbers", "44, 0, 1, -1, -1, -1, -1, 0, 100, 0", false},
        {"empty", "", false},
        {"letters", "44, 0, x, -1, -1, -1, -1, 0, 100, 0, 80", false},
        {"beyond the int range", "44, 0, 1, -1, -1, -1, -1, 0, 99999999999, 0, 80", false},
        {"semicolons", "44; 0; 1; -1; -1; -1; -1; 0; 100; 0; 80", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsePlacement(c.text).has_value(), c.parses) << c.legend;

    int code = 0;
    WindowPlacement p;
    EXPECT_TRUE(parseWindowEntry("211, 44, 0, 1, -1, -1, -1, -1, 5, 400, 6, 300", code, p));
    EXPECT_EQ(code, 211);
    EXPECT_EQ(p.right, 400);
    EXPECT_EQ(p.top, 6);
    EXPECT_FALSE(parseWindowEntry("44, 0, 1, -1, -1, -1, -1, 5, 400, 6, 300", code, p))
        << "an entry without its kind has only eleven numbers";
}

TEST(WindowKinds, TableAndLookups)
{
    std::set<int> codes;
    std::set<std::string> names;
    for (int i = 0; i < kWindowKindCount; ++i) {
        codes.insert(windowKinds()[i].code);
        names.insert(windowKinds()[i].shortName);
        EXPECT_EQ(kindByCommand(windowKinds()[i].command), &windowKinds()[i]);
    }
    EXPECT_EQ(codes.size(), 10u);
    EXPECT_EQ(names.size(), 10u);
    EXPECT_STREQ(kindByCode(207)->title, "Azimuth & Elevation Window");
    EXPECT_STREQ(kindByCode(340)->title, "Attitude");
    EXPECT_STREQ(kindByTitle("Survey Window")->extension, ".pth");
    EXPECT_STREQ(kindByShortName("vspeed")->title, "Vertical Speed Window");
    EXPECT_EQ(kindByCode(203), nullptr);
    EXPECT_EQ(kindByTitle("Survey"), nullptr);
    for (int code : kOpenByTitleOrder) EXPECT_NE(kindByCode(code), nullptr);
    for (int code : kSaveLayoutOrder) EXPECT_NE(kindByCode(code), nullptr);
}

} // namespace
