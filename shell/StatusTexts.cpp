#include "shell/StatusTexts.h"

#include <cstdio>

namespace orbilunex {

std::string fixQualityText(int fixQuality)
{
    static const char* const texts[] = {
        "Fix not available",           "GPS SPS Mode",        "Differential GPS, SPS Mode",
        "GPS PPS Mode, fix valid",     "Real Time Kinematic", "Float RTK",
        "Estimated (dead reckoning)",  "Manual Input Mode",   "Simulator Mode",
    };
    if (fixQuality < 0 || fixQuality > 8) return "GPS mode unknown";
    return texts[fixQuality];
}

std::string sourceKindText(int sourceKind)
{
    static const char* const texts[] = {"None", "RS-232", "Lan", "File", "gpsd"};
    if (sourceKind < 0 || sourceKind > 4) return "??";
    return texts[sourceKind];
}

std::string sourcePaneText(int sourceKind, const std::string& waitingDevice)
{
    std::string text = sourceKindText(sourceKind);
    if (!waitingDevice.empty()) text += " (waiting for " + waitingDevice + ")";
    return text;
}

std::string fixTypeText(int fixType)
{
    switch (fixType) {
    case 1: return "Fix NA";
    case 2: return "2D fix";
    case 3: return "3D fix";
    default: return "NA";
    }
}

std::string satellitesText(int satellitesUsed)
{
    return "Sats:" + std::to_string(satellitesUsed);
}

std::string recordingText(bool recording, int hours, std::int64_t startTime, std::int64_t now)
{
    if (!recording) return "Data capture off";
    if (hours == 0) return "Recording NMEA";
    const std::int64_t left = startTime + static_cast<std::int64_t>(hours) * 3600 - now;
    char text[64];
    // Integer formatting only, so no locale can change it.
    std::snprintf(text, sizeof text, "Recording: %02lld:%02lld:%02lld",
                  static_cast<long long>(left / 3600), static_cast<long long>(left / 60 % 60),
                  static_cast<long long>(left % 60));
    return text;
}

} // namespace orbilunex
