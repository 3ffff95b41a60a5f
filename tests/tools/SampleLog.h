#pragma once

// The committed sample logs, loaded once and decoded epoch by epoch with the
// independent LogReader, for the tests that check them against the scenario.

#include "LogReader.h"

#include <optional>
#include <string>
#include <vector>

namespace orbilunex::simgps::test {

constexpr double kPi = 3.14159265358979323846;

struct Satellite {
    int prn, elevation, azimuth;
    std::optional<int> snr;
};

// What one epoch says, decoded field by field.
struct View {
    int time = 0; // seconds of the day
    int quality = 0;
    double lat = 0, lon = 0, alt = 0, hdop = 0, pdop = 0, vdop = 0;
    std::vector<int> used;
    std::vector<Satellite> sats;
    double speed = 0, course = 0; // knots, degrees
    const Sentence* rmb = nullptr;
};

struct Log {
    std::string text;
    std::vector<Sentence> sentences;
    std::vector<Epoch> epochs;
    std::vector<View> views;
};

// Reads and decodes a log; framing errors are reported as test failures.
// The returned object must not be copied: epochs point into its sentences.
void load(const std::string& path, const std::string& lineEnd, Log& log);
// data/sample.nmea, loaded on first use.
const Log& sample();

bool isUsed(const View& v, int prn);
// Local metres east/north of (lat0, lon0); ample for a few kilometres.
void toMetres(double lat0, double lon0, double lat, double lon, double& east, double& north);

} // namespace orbilunex::simgps::test
