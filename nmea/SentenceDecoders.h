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

// The sentences only decoded while every satellite system is. GGA and RMC
// then also keep the history that says who owns the fix quality (see
// GpsState::qualityHistory): a GGA whose fix-quality field is empty leaves
// position and quality as they were, and with no GGA or GNS giving a
// quality, a valid RMC or GLL sets the position and its mode the quality.
void decodeGgaAllSystems(GpsState& state, const char* data);
void decodeRmcAllSystems(GpsState& state, const char* data);
void decodeGll(GpsState& state, const char* data);
void decodeGns(GpsState& state, const char* data);
void decodeVtg(GpsState& state, const char* data);
void decodeGst(GpsState& state, const char* data);

// The GGA fix-quality digit a mode indicator stands for: A 1, D 2, P 3,
// R 4, F 5, E 6, M 7, S 8, anything else (N, V) 0.
int modeIndicatorQuality(char mode);

} // namespace orbilunex
