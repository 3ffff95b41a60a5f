#include "shell/SystemsHint.h"

#include <gtest/gtest.h>

#include <vector>

using namespace orbilunex;

namespace {

struct Step {
    std::int64_t ms;
    std::int64_t gps;
    std::int64_t other;
    bool allSystems;
    bool shows;
};

struct Timeline {
    const char* legend;
    std::vector<Step> steps;
};

TEST(SystemsHint, ShowsAfterFiveSecondsOfOtherTalkersOnly)
{
    const Timeline timelines[] = {
        {"GN positions for 5 s",
         {{0, 0, 0, false, false}, {1000, 0, 1, false, false}, {5900, 0, 5, false, false},
          {6000, 0, 6, false, true}, {9000, 0, 9, false, true}}},
        {"a GP position restarts the wait",
         {{0, 0, 0, false, false}, {1000, 0, 1, false, false}, {4000, 1, 4, false, false},
          {8000, 1, 8, false, false}, {9100, 1, 9, false, true}}},
        {"gone once they stop arriving",
         {{0, 0, 0, false, false}, {1000, 0, 1, false, false}, {6000, 0, 6, false, true},
          {10900, 0, 6, false, true}, {11000, 0, 6, false, false}}},
        {"never while all systems are decoded",
         {{0, 0, 0, true, false}, {1000, 0, 1, true, false}, {7000, 0, 7, true, false}}},
        {"counts already there at start are no news",
         {{0, 0, 50, false, false}, {6000, 0, 50, false, false}}},
    };
    for (const Timeline& t : timelines) {
        SystemsHint hint;
        for (const Step& s : t.steps)
            EXPECT_EQ(hint.update(s.ms, s.gps, s.other, s.allSystems), s.shows)
                << t.legend << " at " << s.ms << " ms";
    }
}

} // namespace
