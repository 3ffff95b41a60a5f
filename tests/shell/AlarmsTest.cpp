#include "shell/Alarms.h"

#include "nmea/GpsState.h"
#include "settings/AlarmSettings.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace orbilunex;

namespace {

// Polls the monitor every 100 ms from 0 to `endMs`, the state at each poll
// given by `at`, and returns every change seen.
std::vector<AlarmChange> run(AlarmMonitor& monitor, const AlarmRules& rules, std::int64_t endMs,
                             const std::function<void(std::int64_t, GpsState&)>& at)
{
    std::vector<AlarmChange> seen;
    GpsState state;
    for (std::int64_t now = 0; now <= endMs; now += 100) {
        resetGpsState(state);
        // A position sentence at every poll (the state then holds a fix only
        // where `at` gives one).
        state.ggaCount = static_cast<std::uint32_t>(now / 100);
        at(now, state);
        for (const auto& change : monitor.update(now, state, rules, 1.0))
            if (change) seen.push_back(*change);
    }
    return seen;
}

void fixAt(GpsState& state, double latitude = 47.0, double longitude = 11.0)
{
    state.fixQuality = 1;
    state.satellitesUsed = 8;
    state.hdop = 0.9;
    state.latitude = latitude;
    state.longitude = longitude;
}

} // namespace

TEST(Alarms, FixLostGoesActiveOnceForALongGapAndNotForAShortOne)
{
    struct Case {
        std::int64_t gapMs;
        int changes;
        std::int64_t activeAtMs;
        std::int64_t clearedAtMs;
    };
    // Fixes until 20 s (the last at 19.9 s), then a gap, then fixes again.
    const Case cases[] = {
        {10000, 2, 25000, 35000}, // more than 5 s without a fix; clear 5 s after
        {2000, 0, 0, 0},
        {5000, 0, 0, 0},          // a fix again 5.1 s after the last: not more
        {6000, 2, 25000, 31000},
    };
    for (const Case& c : cases) {
        AlarmRules rules;
        rules.fixLost = true;
        AlarmMonitor monitor;
        const auto seen = run(monitor, rules, 60000, [&](std::int64_t now, GpsState& s) {
            if (now < 20000 || now >= 20000 + c.gapMs) fixAt(s);
        });
        ASSERT_EQ(static_cast<int>(seen.size()), c.changes) << c.gapMs;
        if (c.changes == 0) continue;
        EXPECT_TRUE(seen[0].active);
        EXPECT_EQ(seen[0].atMs, c.activeAtMs);
        EXPECT_FALSE(seen[1].active);
        EXPECT_EQ(seen[1].atMs, c.clearedAtMs);
        EXPECT_EQ(alarmText(seen[0]), "Alarm: fix lost");
        EXPECT_EQ(alarmText(seen[1]), "Alarm: fix lost cleared");
    }
}

TEST(Alarms, SatellitesHdopAndAnchorWaitTheirDelay)
{
    struct Case {
        const char* legend;
        AlarmRules rules;
        std::function<void(GpsState&)> bad; // applied from 10 s to 30 s
        AlarmKind kind;
    };
    AlarmRules satellites;
    satellites.minSatellites = 5;
    AlarmRules hdop;
    hdop.maxHdop = 2.5;
    AlarmRules anchor;
    anchor.anchorRadius = 50.0; // metres here
    const Case cases[] = {
        {"satellites", satellites, [](GpsState& s) { s.satellitesUsed = 4; },
         AlarmKind::FewSatellites},
        {"hdop", hdop, [](GpsState& s) { s.hdop = 3.0; }, AlarmKind::HighHdop},
        // 0.001 degree of latitude is 111 m from where it was armed.
        {"anchor", anchor, [](GpsState& s) { s.latitude += 0.001; }, AlarmKind::Anchor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        AlarmMonitor monitor;
        const auto seen = run(monitor, c.rules, 60000, [&](std::int64_t now, GpsState& s) {
            fixAt(s);
            if (now >= 10000 && now < 30000) c.bad(s);
        });
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_EQ(seen[0].kind, c.kind);
        EXPECT_EQ(seen[0].atMs, 15000);
        EXPECT_EQ(seen[1].atMs, 35000);
        EXPECT_FALSE(monitor.anyActive());
    }
}

TEST(Alarms, SwitchedOffClearsAtOnceAndRulesAreOffByDefault)
{
    MemorySettingsStore settings;
    const AlarmRules defaults = readAlarmRules(settings);
    EXPECT_FALSE(defaults.fixLost);
    EXPECT_EQ(defaults.fixLostSeconds, 5);
    EXPECT_EQ(defaults.minSatellites, 0);
    EXPECT_EQ(defaults.maxHdop, 0.0);
    EXPECT_EQ(defaults.anchorRadius, 0.0);
    writeSetting(settings, settings::alarms::kMaxHdop, std::string("2.5"));
    writeSetting(settings, settings::alarms::kAnchorLatitude, std::string("91"));
    const AlarmRules read = readAlarmRules(settings);
    EXPECT_EQ(read.maxHdop, 2.5);
    EXPECT_FALSE(read.anchorLatitude) << "out of range";
    // A hand-edited value with junk after its number is no number: off.
    writeSetting(settings, settings::alarms::kMaxHdop, std::string("5x"));
    writeSetting(settings, settings::alarms::kAnchorLatitude, std::string("48.1x"));
    EXPECT_EQ(readAlarmRules(settings).maxHdop, 0.0);
    EXPECT_FALSE(readAlarmRules(settings).anchorLatitude);

    AlarmRules rules;
    rules.fixLost = true;
    rules.fixLostSeconds = 1;
    AlarmMonitor monitor;
    GpsState held;
    resetGpsState(held);
    fixAt(held);
    held.ggaCount = 1;
    monitor.update(0, held, rules, 1.0);
    // The state keeps its fix, but nothing more arrives: the fix is lost.
    monitor.update(1100, held, rules, 1.0);
    ASSERT_TRUE(monitor.alarm(AlarmKind::FixLost).active);
    GpsState lost = held;
    rules.fixLost = false;
    const auto changes = monitor.update(1200, lost, rules, 1.0);
    ASSERT_TRUE(changes[0]);
    EXPECT_FALSE(changes[0]->active);
    EXPECT_FALSE(monitor.anyActive());
}
