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

// Satellite systems, numbered as NMEA 4.10 numbers them in GSA and GSV (SBAS,
// which has no number there, comes after them).
enum SatelliteSystem : std::uint8_t {
    SystemUnknown = 0,
    SystemGps = 1,
    SystemGlonass = 2,
    SystemGalileo = 3,
    SystemBeiDou = 4,
    SystemQzss = 5,
    SystemNavic = 6,
    SystemSbas = 7,
};
constexpr int kSatelliteSystemCount = 8;

// A full sky of every system: GPS, GLONASS, Galileo and BeiDou alone can put
// over 60 satellites above the horizon.
constexpr int kAllSystemsTableSize = 160;
// Signal ids are one hexadecimal digit.
constexpr int kSignalIds = 16;
// Satellites the GSA sentences of one epoch can mark as used.
constexpr int kInUseCapacity = 96;

// One satellite of the all-systems table, keyed by (system, prn) with the
// PRN as the receiver numbered it.
struct SystemSatellite {
    std::uint8_t system;     // SatelliteSystem
    std::uint8_t sequence;   // the GSV sequence (talker's system) that reported it
    std::uint16_t prn;
    std::uint16_t snr;       // the strongest of its signals, 0 when not tracked
    std::int32_t usedInSolution; // 1 when the current epoch's GSA sentences list it
    std::uint16_t azimuth;
    std::uint16_t elevation;
    std::uint16_t signalMask;    // bit per signal id reported in the last sequences
    std::uint16_t seenInCycle;   // bit per signal id seen in the running sequences
    std::uint8_t signalSnr[kSignalIds];
};

// What the "All systems" setting adds to the state: every system's
// satellites in one table, ordered by system then PRN.
struct AllSystemsSky {
    std::uint16_t count;
    SystemSatellite satellites[kAllSystemsTableSize];
    std::uint16_t inUseCount;
    std::uint8_t inUseSystem[kInUseCapacity];
    std::uint16_t inUsePrn[kInUseCapacity];
};
constexpr int kGsaPrnFields = 12;
constexpr int kWaypointSize = 32;
// Mode characters a GNS carries: GPS, GLONASS, Galileo, BeiDou, QZSS, NavIC
// and room for more.
constexpr int kGnsModeSize = 12;

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

    // GLL, GNS, VTG and GST decode only while the parser decodes every
    // system; with GPS alone these stay at their initial values. A valid GLL
    // or GNS also moves the position above, and a valid VTG the RMC's course
    // and speed, as the sentence's own status or mode allows.
    // GLL
    std::uint8_t gllHour;
    std::uint8_t gllMinute;
    std::uint8_t gllSecond;
    char gllStatus;          // 'A' valid, 'V' not
    char gllMode;            // mode indicator, NUL when the sentence has none
    double gllLatitude;
    double gllLongitude;
    std::int32_t gllCount;

    // GNS
    std::uint8_t gnsHour;
    std::uint8_t gnsMinute;
    std::uint8_t gnsSecond;
    char gnsMode[kGnsModeSize]; // one character per system, NUL-terminated
    double geoidSeparation;  // metres, from GNS
    std::int32_t gnsCount;

    // VTG
    char vtgMode;            // mode indicator, NUL when the sentence has none
    std::int32_t vtgCount;

    // GST: the receiver's own error estimate, metres and degrees; NaN for a
    // field the latest GST left empty.
    std::uint8_t gstHour;
    std::uint8_t gstMinute;
    std::uint8_t gstSecond;
    double gstRms;           // RMS of the range residuals
    double gstSemiMajor;     // error ellipse, one sigma
    double gstSemiMinor;
    double gstOrientation;   // of the semi-major axis, degrees from true north
    double gstSigmaLatitude;
    double gstSigmaLongitude;
    double gstSigmaAltitude;
    std::int32_t gstCount;

    // The last ten position sentences (GGA, GNS, RMC, GLL), newest in bit 0:
    // a set bit is a GGA or GNS that gave a fix quality. While one is among
    // them they own the position and fix quality; without one, RMC and GLL
    // set both (RMC- and GLL-only receivers).
    std::uint16_t qualityHistory;

    // Every satellite system; filled only while the parser decodes them all
    // (allSystems 1). With GPS alone the GGA to ZDA members are the whole state.
    std::int32_t allSystems;
    AllSystemsSky sky;
};

// Sets every member to its initial value: zero, except the status and mode
// characters ('M', 'V', '?') and the dates (day and month 1, year 2000),
// fixType 1, and the GST figures (NaN: no estimate).
void resetGpsState(GpsState& state);

} // namespace orbilunex
