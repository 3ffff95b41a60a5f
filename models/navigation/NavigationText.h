#pragma once

#include <string>

namespace orbilunex {

class SettingsStore;
struct GpsState;

// What the navigation window draws: its lines and the font height.
struct NavigationPicture {
    std::string text;   // UTF-8, lines ended by '\n', tab-separated labels
    int fontTenths = 0; // font height in tenths of a point
};

// The three lines for GGA's latitude, longitude and altitude, in the
// position format and altitude unit stored now:
//   "Latitude\t\t<lat>\nLongitude:  \t<lon>\nAltitude:\t\t<alt> <unit>     \n"
// with the altitude to two decimals, left-justified in eight characters.
// A fourth line follows once the receiver has sent its own error estimate
// (GST, decoded with every system): receiverEstimateLine.
std::string navigationText(const GpsState& state, const SettingsStore& settings);

// "Receiver estimate: ±<h> <unit> horizontal, ±<v> <unit> vertical\n" in
// the altitude unit, two decimals: h the horizontal RMS error from the
// latitude and longitude sigmas (else the ellipse's axes), v the altitude
// sigma; a figure the receiver left empty is left out, and the line is
// empty while there is no estimate.
std::string receiverEstimateLine(const GpsState& state, const SettingsStore& settings);

// The font height for a text rectangle `width` pixels wide: the text grows
// with the window, 1/2.05 tenths of a point per pixel, truncated.
int navigationFontTenths(int width);

} // namespace orbilunex
