#include "shell/WindowKinds.h"
#include "shell/WindowPlacement.h"

#include <gtest/gtest.h>

#include <vector>

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

TEST(WindowKinds, TableFindsRowsAndKeepsItsThreeOrders)
{
    // Rows given out of every order; menu, open-by-title and save orders differ.
    constexpr WindowKind a{211, "Survey Window", 3, "survey", "Path Files (*.pth)", ".pth", "S",
                           "", "", "", 2, 0, 1};
    constexpr WindowKind b{207, "Sky Window", 1, "sky", "", "", "", "", "", "", 0, 2, 2};
    constexpr WindowKind c{340, "Attitude", 2, "attitude", "", "", "", "", "", "", 1, 1, 0};
    const WindowKindTable table({&a, &b, &c});
    std::vector<int> menu;
    for (const WindowKind* kind : table.inMenuOrder()) menu.push_back(kind->code);
    EXPECT_EQ(menu, (std::vector<int>{207, 340, 211}));
    EXPECT_EQ(table.openByTitleOrder(), (std::vector<int>{211, 340, 207}));
    EXPECT_EQ(table.saveLayoutOrder(), (std::vector<int>{340, 211, 207}));

    EXPECT_EQ(table.byCode(340), &c);
    EXPECT_EQ(table.byCommand(3), &a);
    EXPECT_EQ(table.byTitle("Sky Window"), &b);
    EXPECT_EQ(table.byShortName("survey"), &a);
    EXPECT_EQ(table.byCode(203), nullptr);
    EXPECT_EQ(table.byTitle("Survey"), nullptr) << "titles match whole";
    EXPECT_EQ(table.byShortName(""), nullptr);
    EXPECT_EQ(table.byCommand(0), nullptr);
}

} // namespace
