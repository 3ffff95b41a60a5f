#pragma once

#include "nmea/GpsState.h"

namespace orbilunex {

// Decoders of the six supported sentences. Each takes the NUL-terminated data
// text of one sentence (the characters after the address's comma, without
// "*", checksum and line end) and updates the state. They never fail:
// malformed numbers read leniently, out-of-range values are stored as they
// come, and empty fields keep or reset their member as each member's rule says.
void decodeGga(GpsState& state, const char* data);
void decodeGsa(GpsState& state, const char* data);
void decodeGsv(GpsState& state, const char* data);
void decodeRmb(GpsState& state, const char* data);
void decodeRmc(GpsState& state, const char* data);
void decodeZda(GpsState& state, const char* data);

} // namespace orbilunex
