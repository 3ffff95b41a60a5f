#pragma once

#include "nmea/GpsState.h"

#include <cstdint>
#include <string>

namespace orbilunex {

// The decoded state as one JSON object on one line: "sentenceCount" first,
// then every GpsState member by name in declaration order. Integers as the
// member holds them; doubles in the shortest form that reads back to the
// same double (null when not finite); character members as one-character
// strings whose code point is the byte value; waypoint texts one code point
// per byte; activePrns as an array of 36; satellites as an array of 36
// objects, or while every system is decoded, one object a satellite in view
// with its "system" first. Independent of the process locale.
std::string stateToJson(std::int32_t sentenceCount, const GpsState& state);

} // namespace orbilunex
