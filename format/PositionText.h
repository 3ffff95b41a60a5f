#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orbilunex {

class SettingsStore;

// Latitude and longitude as text, in the format chosen by the setting
// "PositionFormat" (section "Settings", default 0), read at every call:
//   0  "N 48° 07.0380"       degrees and minutes to 1/10000
//   1  "N 48° 07' 02.280"    degrees, minutes and seconds to 1/1000
//   2  "N 48.1173000000°"    decimal degrees to 10 places
// Latitude degrees take at least two digits, longitude degrees three
// ("W 011° 31.0000"), and the decimal-degrees field is 13 characters wide
// for latitude, 14 for longitude, zero padded. Texts are UTF-8 with the
// degree sign U+00B0 and never depend on the process locale.
//
// The letter is N/E for zero and above (negative zero included) and S/W
// below zero. Minutes are rounded half up to 1/10000 of a minute, and that
// rounding never carries into the degrees or the minutes: 10.999999999 shows
// as "N 10° 60.0000" (format 1: "60' 00.000"). Values beyond ±90 / ±180 are
// not checked and print as they are. A value that is not finite, or whose
// magnitude is 1e9 degrees or more, gives an empty text.

// Signed degrees, north positive. For an unknown format: "ERROR".
std::string formatLatitude(const SettingsStore& settings, double degrees);

// Signed degrees, east positive. For an unknown format: an empty text.
std::string formatLongitude(const SettingsStore& settings, double degrees);

// Reads what a user types for a latitude or longitude: any of the three
// formats above, whatever the setting, with or without the degree sign, the
// hemisphere letter in either case ("n 48 07.0380", "W 011° 31' 02.5",
// "S 12.5°"), or a signed number of degrees instead of the letter ("-12.5",
// "+48 07.038"). Blanks may surround and separate the parts; minutes and
// seconds may reach 60, as the texts above can show. None for anything
// else, for the other axis's letters, and beyond 90 / 180 degrees.
std::optional<double> parseLatitude(std::string_view text);
std::optional<double> parseLongitude(std::string_view text);

} // namespace orbilunex
