#pragma once

#include <cstdint>

namespace orbilunex {

// What the status bar (and the headless program) says when a receiver of
// several satellite systems is plugged in while only GPS is decoded.
// Short enough for the message pane beside the status panes; the detail
// goes in its tooltip and in the headless program's line.
constexpr const char* kSystemsHintText = "Set \"Satellite systems\" to \"All systems\"";
constexpr const char* kSystemsHintDetail =
    "Positions arrive only from other satellite systems' talkers (GN, GL, GA, GB...), "
    "which \"GPS only\" does not decode: set \"Satellite systems\" to \"All systems\" "
    "in General Settings";

// Notices a receiver whose positions the "GPS only" setting ignores: GGA and
// RMC arrive only from talkers other than GP for 5 seconds. Fed every tick
// with the parser's running counts; plain numbers, so it is tested without
// a clock.
class SystemsHint {
public:
    static constexpr std::int64_t kDelayMs = 5000;

    // gpsPositions: GGA and RMC decoded (GP); otherPositions: those of other
    // talkers passed over. True while the hint should show.
    bool update(std::int64_t nowMs, std::int64_t gpsPositions, std::int64_t otherPositions,
                bool allSystems);

    bool showing() const { return shown; }

private:
    std::int64_t lastGps = -1;
    std::int64_t lastOther = -1;
    std::int64_t otherSince = -1; // first other-talker position since the last GP one
    std::int64_t lastOtherTime = 0;
    bool shown = false;
};

} // namespace orbilunex
