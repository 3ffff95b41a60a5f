#pragma once

#include "shell/LinkHealth.h"

#include <cstdint>
#include <string>

namespace orbilunex {

// The texts of the main window's status panes (also printed by the headless
// program), from the values they describe.

// "Fix not available", "GPS SPS Mode", ... by GGA fix quality; other values
// "GPS mode unknown".
std::string fixQualityText(int fixQuality);

// "None", "RS-232", "Lan", "File", "gpsd", "UDP" by link source kind; other values
// "??".
std::string sourceKindText(int sourceKind);

// The source pane: the kind's text as above, followed by the first that holds
// of " (waiting for DEVICE)" while waitingDevice names a serial device that
// went away and is looked for again, " (no data)" and " (no valid NMEA: check
// the baud rate)" (without the advice for a source that has no baud rate).
std::string sourcePaneText(int sourceKind, LinkHealthState health,
                           const std::string& waitingDevice);

// "Server: N clients" ("1 client") while the relay server runs.
std::string serverPaneText(int clients);

// "Sentences: GOOD good, FAILED bad checksum".
std::string sentenceCountsText(std::int64_t good, std::int64_t failed);

// "Fix NA", "2D fix", "3D fix" by GSA fix type; other values "NA".
std::string fixTypeText(int fixType);

// "Sats:%d".
std::string satellitesText(int satellitesUsed);

// "Data capture off" when not recording, "Recording NMEA" for a recording
// without limit (hours 0), else "Recording: hh:mm:ss" with the time left,
// start + hours * 3600 - now seconds.
std::string recordingText(bool recording, int hours, std::int64_t startTime, std::int64_t now);

} // namespace orbilunex
