#include "shell/Alarms.h"

#include "format/GreatCircle.h"
#include "nmea/GpsState.h"
#include "settings/AlarmSettings.h"
#include "survey/AccuracySettings.h"

#include <cmath>

namespace orbilunex {

namespace {

namespace keys = settings::alarms;

constexpr double kMetresPerNauticalMile = 1852.0;

// A stored decimal, 0 when it is not one as a whole (the alarm is then
// off): a hand-edited "5x" is no 5.
double storedNumber(const SettingsStore& settings, const StringSetting& setting)
{
    return parseDecimal(readSetting(settings, setting)).value_or(0.0);
}

std::optional<double> storedDegrees(const SettingsStore& settings, const StringSetting& setting,
                                    double limit)
{
    const std::optional<double> value = parseDecimal(readSetting(settings, setting));
    if (!value || std::fabs(*value) > limit) return std::nullopt;
    return value;
}

bool validFix(const GpsState& state)
{
    return state.fixQuality != 0;
}

} // namespace

AlarmRules readAlarmRules(const SettingsStore& settings)
{
    AlarmRules rules;
    rules.fixLost = readSetting(settings, keys::kFixLost) == 1;
    rules.fixLostSeconds = readSetting(settings, keys::kFixLostSeconds);
    if (rules.fixLostSeconds < 0) rules.fixLostSeconds = 0;
    rules.minSatellites = readSetting(settings, keys::kMinSatellites);
    rules.maxHdop = storedNumber(settings, keys::kMaxHdop);
    rules.anchorRadius = storedNumber(settings, keys::kAnchorRadius);
    rules.anchorLatitude = storedDegrees(settings, keys::kAnchorLatitude, 90.0);
    rules.anchorLongitude = storedDegrees(settings, keys::kAnchorLongitude, 180.0);
    rules.sound = readSetting(settings, keys::kSound) == 1;
    return rules;
}

const char* alarmName(AlarmKind kind)
{
    switch (kind) {
    case AlarmKind::FixLost: return "fix lost";
    case AlarmKind::FewSatellites: return "satellites";
    case AlarmKind::HighHdop: return "HDOP";
    case AlarmKind::Anchor: return "anchor";
    }
    return "";
}

bool AlarmMonitor::anyActive() const
{
    for (const Alarm& a : alarms)
        if (a.active) return true;
    return false;
}

std::array<std::optional<AlarmChange>, kAlarmKinds>
AlarmMonitor::update(std::int64_t nowMs, const GpsState& state, const AlarmRules& rules,
                     double shortUnitsPerMetre)
{
    const bool fix = validFix(state);
    // A new position sentence with a valid fix: the fix is fresh now.
    const std::uint64_t positions =
        static_cast<std::uint64_t>(state.ggaCount) + static_cast<std::uint64_t>(state.rmcCount) +
        static_cast<std::uint64_t>(state.gllCount) + static_cast<std::uint64_t>(state.gnsCount);
    if (!started || (positions != positionSentences && fix)) {
        if (!started || fix) lastFixMs = nowMs;
        started = true;
    }
    positionSentences = positions;
    const bool anchorOn = rules.anchorRadius > 0.0;
    if (!anchorOn) {
        armedAnchor.reset();
    } else if (rules.anchorLatitude && rules.anchorLongitude) {
        armedAnchor = std::make_pair(*rules.anchorLatitude, *rules.anchorLongitude);
    } else if (!armedAnchor && fix) {
        armedAnchor = std::make_pair(state.latitude, state.longitude);
    }

    // Each alarm: whether it is on, whether its condition holds, its delay.
    struct Watch {
        bool on;
        bool condition;
        std::int64_t activateMs; // how long the condition holds before it shows
        std::int64_t clearMs;    // how long it is gone before it clears
    };
    const std::int64_t delay = static_cast<std::int64_t>(kAlarmDelaySeconds) * 1000;
    const std::int64_t fixLostMs = static_cast<std::int64_t>(rules.fixLostSeconds) * 1000;
    double drift = 0.0;
    if (armedAnchor && fix)
        drift = distanceNm(armedAnchor->first, armedAnchor->second, state.latitude,
                           state.longitude) *
                kMetresPerNauticalMile * shortUnitsPerMetre;
    const Watch watches[kAlarmKinds] = {
        // The time since the last fix is the fix-lost alarm's own delay.
        {rules.fixLost, nowMs - lastFixMs > fixLostMs, 0, fixLostMs},
        {rules.minSatellites > 0, state.satellitesUsed < rules.minSatellites, delay, delay},
        {rules.maxHdop > 0.0, fix && state.hdop > rules.maxHdop, delay, delay},
        {anchorOn, armedAnchor.has_value() && fix && drift > rules.anchorRadius, delay, delay},
    };

    std::array<std::optional<AlarmChange>, kAlarmKinds> changes;
    for (int i = 0; i < kAlarmKinds; ++i) {
        Alarm& a = alarms[i];
        const Watch& w = watches[i];
        const auto kind = static_cast<AlarmKind>(i);
        if (!w.on) {
            // Switched off: an active alarm clears at once.
            if (a.active) changes[i] = AlarmChange{kind, false, nowMs};
            a = Alarm{};
            continue;
        }
        if (w.condition != a.condition) {
            a.condition = w.condition;
            a.changedMs = nowMs;
        }
        const std::int64_t held = nowMs - a.changedMs;
        if (!a.active && a.condition && held >= w.activateMs) {
            a.active = true;
            a.sinceMs = nowMs;
            changes[i] = AlarmChange{kind, true, nowMs};
        } else if (a.active && !a.condition && held >= w.clearMs) {
            a.active = false;
            changes[i] = AlarmChange{kind, false, nowMs};
        }
    }
    return changes;
}

std::string alarmText(const AlarmChange& change)
{
    return std::string("Alarm: ") + alarmName(change.kind) + (change.active ? "" : " cleared");
}

} // namespace orbilunex
