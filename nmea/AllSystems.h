#pragma once

#include "nmea/GpsState.h"

namespace orbilunex {

// The talkers whose sentences the "All systems" setting decodes.
// Returns the talker's system for a known talker: GP GPS, GL GLONASS,
// GA Galileo, GB and BD BeiDou, GQ QZSS, GI NavIC, and SystemUnknown for GN
// and IN (combined, or an instrument network: each satellite's system comes
// from its number). `known` tells
// whether the talker is one of these at all.
SatelliteSystem talkerSystem(const char* address, bool& known);

// The system of one satellite: the sentence's NMEA 4.11 system id when it
// has one, else the talker's system (a GP talker also reports SBAS and QZSS
// satellites by number), else the satellite's number range.
SatelliteSystem satelliteSystem(SatelliteSystem talker, int systemId, int prn);

// One letter a system: G R E C J I S, "?" for unknown.
char systemLetter(int system);
// The system's name as the decoder's output gives it.
const char* systemName(int system);

// A GSV sentence of any talker into the all-systems table. Each talker (and
// signal id) runs its own message sequence; when one ends, its satellites
// that it no longer reported lose that signal, and a satellite with no
// signal left leaves the table. A satellite reported on several signals
// keeps the strongest SNR.
void decodeGsvAllSystems(GpsState& state, SatelliteSystem talker, const char* data);

// A GSA sentence's satellites into the in-use list. The GSA sentences of one
// epoch (one per system, sent one after another) build the list together:
// `firstOfEpoch` starts a new one. The table's used flags follow the list.
void noteGsaAllSystems(GpsState& state, SatelliteSystem talker, const char* data,
                       bool firstOfEpoch);

} // namespace orbilunex
