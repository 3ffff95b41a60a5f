#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orbilunex::simgps {

struct UtcTime {
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};

// The scenario's clock: 2026-05-21 09:47:00 UTC plus the given seconds, so a
// half-hour log crosses 10:00 and a long one crosses midnight.
UtcTime utcAt(int secondsFromStart);

// The satellite systems the receiver can track. The values are the system ids
// a GSA carries in its last field when it lists one system only.
enum class GnssSystem { Gps = 1, Glonass = 2, Galileo = 3, Beidou = 4 };

// GPS alone, or every system, in the order the receiver lists them.
const std::vector<GnssSystem>& gpsOnly();
const std::vector<GnssSystem>& everySystem();

// One satellite as the receiver reports it in GSV, rounded as printed.
struct SatelliteReport {
    GnssSystem system;
    int prn;       // as NMEA numbers it in that system: GLONASS 65..96
    int elevation; // degrees
    int azimuth;   // degrees, 0..359
    int snr;       // dB-Hz, negative while the satellite is not tracked
    bool used;     // part of the solution, listed in GSA
    bool hasL5;    // GPS only: also sends the L5 signal
    int l5Snr;     // dB-Hz on L5, negative while not tracked there
};

// Navigation to the active waypoint, as RMB reports it.
struct RouteReport {
    double crossTrackNmi;
    char steer; // 'L' or 'R': the way to turn to get back on the leg
    std::string originId;
    std::string destinationId;
    double destinationLatitude;
    double destinationLongitude;
    double rangeNmi;
    double bearingDeg;   // true
    double closingKnots; // negative when moving away
    bool arrived;        // inside the arrival circle
};

// Everything the receiver says about one second.
struct EpochReport {
    UtcTime utc{};
    int quality = 0; // GGA: 0 no fix, 1 GPS, 2 differential
    double latitude = 0.0;
    double longitude = 0.0;
    double altitude = 0.0; // metres above mean sea level
    double geoidSeparation = 0.0;
    double pdop = 0.0;
    double hdop = 0.0;
    double vdop = 0.0;
    // The systems tracked, in the order GSA and GSV list them. With more than
    // one, the position sentences come under the combined talker GN.
    std::vector<GnssSystem> systems = gpsOnly();
    std::vector<SatelliteReport> satellites; // in view, by system, ascending PRN
    double speedKnots = 0.0;
    double courseDeg = 0.0;
    double magneticVariation = 0.0; // east positive
    double dgpsAge = 0.0;
    int dgpsStation = 0;
    std::optional<RouteReport> route;
    // Sentences the monitor does not decode, written now and then for realism.
    bool withGll = false;
    bool withVtg = false;

    bool hasFix() const { return quality > 0; }
    int usedCount() const;
    bool multiSystem() const { return systems.size() > 1; }
};

} // namespace orbilunex::simgps
