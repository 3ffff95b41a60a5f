#pragma once

#include <string>

namespace orbilunex {

class SettingsStore;
struct GpsState;

// What the navigation window draws: its three lines and the font height.
struct NavigationPicture {
    std::string text;   // UTF-8, lines ended by '\n', tab-separated labels
    int fontTenths = 0; // font height in tenths of a point
};

// The three lines for GGA's latitude, longitude and altitude, in the
// position format and altitude unit stored now:
//   "Latitude\t\t<lat>\nLongitude:  \t<lon>\nAltitude:\t\t<alt> <unit>     \n"
// with the altitude to two decimals, left-justified in eight characters.
std::string navigationText(const GpsState& state, const SettingsStore& settings);

// The font height for a text rectangle `width` pixels wide: the text grows
// with the window, 1/2.05 tenths of a point per pixel, truncated.
int navigationFontTenths(int width);

} // namespace orbilunex
