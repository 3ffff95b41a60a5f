#include "shell/Recovery.h"

#include <gtest/gtest.h>

using namespace orbilunex;

TEST(Recovery, FolderFollowsTheStateHomeAndNamesCarryTheTime)
{
    const struct {
        const char* stateHome;
        const char* home;
        const char* expected;
    } rows[] = {
        {"/tmp/state", "/home/ann", "/tmp/state/orbilunex"},
        {nullptr, "/home/ann", "/home/ann/.local/state/orbilunex"},
        {"relative/state", "/home/ann", "/home/ann/.local/state/orbilunex"},
        {nullptr, nullptr, ""},
    };
    for (const auto& r : rows)
        EXPECT_EQ(recoveryFolder(r.stateHome, r.home), r.expected)
            << (r.stateHome ? r.stateHome : "(unset)");

    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 8;
    time.tm_hour = 9;
    time.tm_sec = 2;
    EXPECT_EQ(recoveryFileName("Survey", time, ".pth"), "Survey-20261208-090002.pth");
    EXPECT_EQ(recoveryFileName("a/b", time, ".msk"), "a_b-20261208-090002.msk");
}
