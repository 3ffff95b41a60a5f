#pragma once

#include <vector>

namespace orbilunex::simgps {

struct Direction {
    double elevation; // degrees
    double azimuth;   // degrees
};

struct Dops {
    double pdop = 0.0;
    double hdop = 0.0;
    double vdop = 0.0;
};

// Dilution of precision of a position-and-clock solution from these lines of
// sight, from the diagonal of (G^T G)^-1. Reporting DOPs that follow from the
// satellites actually listed keeps GSA and GSV consistent with each other.
// False when there are fewer than four satellites or the geometry is singular.
bool computeDops(const std::vector<Direction>& used, Dops& out);

} // namespace orbilunex::simgps
