#pragma once

#include <cstdint>

namespace orbilunex {

// One entry of the satellite table, filled from GSV.
struct SatelliteInfo {
    std::uint16_t prn;       // satellite PRN, 0 = empty entry
    std::uint16_t snr;       // dB-Hz, 0 when not tracked
    std::int32_t usedInSolution; // 1 when listed in the latest GSA at the time of the GSV
    std::uint16_t azimuth;   // degrees true, 0..359
    std::uint16_t elevation; // degrees, 0..90
};

constexpr int kSatelliteTableSize = 36;
constexpr int kGsaPrnFields = 12;
constexpr int kWaypointSize = 32;

// Everything the program knows about the receiver. Each sentence type keeps
// its own copy of the values it carries (GGA and RMC each have a position and
// a time); nothing is merged across types. Counters only grow: views compare
// them with the value they last saw to learn that a sentence arrived.
// Member order and widths are part of the program's interface (the decode
// tool prints them in this order).
struct GpsState {
    // GGA
    std::uint8_t ggaHour;
    std::uint8_t ggaMinute;
    std::uint8_t ggaSecond;
    double latitude;         // degrees, north positive
    double longitude;        // degrees, east positive
    std::uint8_t fixQuality; // 0 invalid, 1 GPS, 2 differential; other digits as sent
    std::uint8_t satellitesUsed;
    double hdop;
    double altitude;         // metres above mean sea level
    std::int32_t ggaCount;
    std::int32_t prevAltitudeTime; // minute * 60 + second of the previous GGA
    double prevAltitude;
    double verticalSpeed;    // metres per minute

    // GSA
    char gsaMode;            // 'M' manual, 'A' automatic
    std::uint8_t fixType;    // 1 none, 2 two-dimensional, 3 three-dimensional
    std::uint16_t activePrns[kSatelliteTableSize]; // GSA fills 0..11 only
    double pdop;
    double gsaHdop;
    double vdop;
    std::int32_t gsaCount;

    // GSV
    std::uint16_t satellitesInView; // as reported; may exceed the table size
    SatelliteInfo satellites[kSatelliteTableSize];
    std::int32_t gsvCount;

    // RMB
    char rmbStatus;          // 'A' valid, 'V' warning
    double crossTrackError;  // nautical miles
    char steerDirection;     // 'L' or 'R'
    char originWaypoint[kWaypointSize];      // NUL-terminated, at most 24 characters
    char destinationWaypoint[kWaypointSize]; // NUL-terminated, at most 24 characters
    double destLatitude;
    double destLongitude;
    double rangeToDestination;   // nautical miles
    double bearingToDestination; // degrees true
    double closingVelocity;      // knots
    char arrivalStatus;      // 'A' arrival circle entered, 'V' not
    std::int32_t rmbCount;

    // RMC
    std::uint8_t rmcHour;
    std::uint8_t rmcMinute;
    std::uint8_t rmcSecond;
    char rmcStatus;          // 'A' valid, 'V' warning
    double rmcLatitude;
    double rmcLongitude;
    double speedOverGround;  // knots
    double courseOverGround; // degrees true
    std::uint8_t rmcDay;
    std::uint8_t rmcMonth;
    std::uint16_t rmcYear;   // 2000 + two-digit year
    double magneticVariation; // degrees, west negative
    std::int32_t rmcCount;

    // ZDA
    std::uint8_t zdaHour;
    std::uint8_t zdaMinute;
    std::uint8_t zdaSecond;
    std::uint8_t zdaDay;
    std::uint8_t zdaMonth;
    std::uint16_t zdaYear;
    std::int8_t localZoneHours;
    std::int8_t localZoneMinutes;
    std::int32_t zdaCount;
};

// Sets every member to its initial value: zero, except the status and mode
// characters ('M', 'V', '?') and the dates (day and month 1, year 2000), and
// fixType 1.
void resetGpsState(GpsState& state);

} // namespace orbilunex
