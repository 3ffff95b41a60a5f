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
    static const char* const texts[] = {"None", "RS-232", "Lan", "File", "gpsd", "UDP"};
    if (sourceKind < 0 || sourceKind > 5) return "??";
    return texts[sourceKind];
}

std::string sourcePaneText(int sourceKind, LinkHealthState health,
                           const std::string& waitingDevice)
{
    const std::string kind = sourceKindText(sourceKind);
    if (!waitingDevice.empty()) return kind + " (waiting for " + waitingDevice + ")";
    switch (health) {
    case LinkHealthState::NoData: return kind + " (no data)";
    case LinkHealthState::NoValidNmea:
        // Only a serial port (kind 1) has a baud rate to get wrong.
        return kind + (sourceKind == 1 ? " (no valid NMEA: check the baud rate)"
                                       : " (no valid NMEA)");
    case LinkHealthState::Closed:
    case LinkHealthState::Ok: break;
    }
    return kind;
}

std::string serverPaneText(int clients)
{
    return "Server: " + std::to_string(clients) + (clients == 1 ? " client" : " clients");
}

std::string sentenceCountsText(std::int64_t good, std::int64_t failed)
{
    return "Sentences: " + std::to_string(good) + " good, " + std::to_string(failed) +
           " bad checksum";
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
