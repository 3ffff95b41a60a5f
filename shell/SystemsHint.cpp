#include "shell/SystemsHint.h"

namespace orbilunex {

bool SystemsHint::update(std::int64_t nowMs, std::int64_t gpsPositions,
                         std::int64_t otherPositions, bool allSystems)
{
    if (gpsPositions != lastGps) {
        lastGps = gpsPositions;
        otherSince = -1;
    }
    if (otherPositions != lastOther) {
        // The first call only learns the counts: what came before is no news.
        if (lastOther >= 0) {
            if (otherSince < 0) otherSince = nowMs;
            lastOtherTime = nowMs;
        }
        lastOther = otherPositions;
    }
    // Still arriving (within the delay), and for the whole delay without GP.
    shown = !allSystems && otherSince >= 0 && nowMs - otherSince >= kDelayMs &&
            nowMs - lastOtherTime < kDelayMs;
    return shown;
}

} // namespace orbilunex
