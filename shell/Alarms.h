#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orbilunex {

class SettingsStore;
struct GpsState;

// What the alarms watch, read from the "Alarms" section. A threshold of 0
// switches its alarm off.
struct AlarmRules {
    bool fixLost = false;
    int fixLostSeconds = 5;
    int minSatellites = 0;
    double maxHdop = 0.0;
    double anchorRadius = 0.0; // the user's short distance unit
    std::optional<double> anchorLatitude;
    std::optional<double> anchorLongitude;
    bool sound = false;
};

AlarmRules readAlarmRules(const SettingsStore& settings);

enum class AlarmKind { FixLost, FewSatellites, HighHdop, Anchor };
constexpr int kAlarmKinds = 4;

// "fix lost", "satellites", "HDOP", "anchor".
const char* alarmName(AlarmKind kind);

// Seconds a condition must hold before its alarm goes active, and be gone
// before it clears, for the alarms other than fix lost (which has its own):
// one lost epoch does not blink an alarm.
constexpr int kAlarmDelaySeconds = 5;

struct AlarmChange {
    AlarmKind kind;
    bool active; // went active (true) or cleared (false)
    std::int64_t atMs;
};

// The alarms' state over time. Each poll gives the time (monotonic
// milliseconds), the decoded state and the rules; an alarm goes active once
// its condition has held for its delay and clears once it has been false
// for the same delay. The fix is lost when no position sentence (GGA or
// RMC) with a valid fix has come for more than the fix-lost seconds: a
// receiver that falls silent loses it too, though the decoded state keeps
// its last fix; it clears once fixes have come back for as long. The anchor
// is armed at the first valid position after its alarm is switched on,
// unless the rules give a point.
class AlarmMonitor {
public:
    struct Alarm {
        bool active = false;
        std::int64_t sinceMs = 0;     // when it went active
        bool condition = false;       // as last seen
        std::int64_t changedMs = 0;   // when the condition last turned
    };

    // Polls; returns the alarms that went active or cleared now, in kind
    // order (at most one change per alarm).
    std::array<std::optional<AlarmChange>, kAlarmKinds> update(std::int64_t nowMs,
                                                               const GpsState& state,
                                                               const AlarmRules& rules,
                                                               double shortUnitsPerMetre);

    const Alarm& alarm(AlarmKind kind) const { return alarms[static_cast<int>(kind)]; }
    bool anyActive() const;

    // Where the anchor is armed, if it is.
    std::optional<std::pair<double, double>> anchor() const { return armedAnchor; }

private:
    std::array<Alarm, kAlarmKinds> alarms{};
    bool started = false;
    std::int64_t lastFixMs = 0;
    std::uint64_t positionSentences = 0;
    std::optional<std::pair<double, double>> armedAnchor;
};

// "Alarm: fix lost" and "Alarm: fix lost cleared", as the status and the
// headless program say them.
std::string alarmText(const AlarmChange& change);

} // namespace orbilunex
