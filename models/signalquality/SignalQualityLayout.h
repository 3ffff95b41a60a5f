#pragma once

#include "models/PixelGeometry.h"
#include "models/signalquality/SignalQualityModel.h"

namespace orbilunex {

// Where one bar's parts fall, in device pixels (exclusive right and bottom).
struct SignalBarGeometry {
    SignalBar entry;      // the satellite the bar shows
    PixelRect frame;      // the sunken frame around the slot
    PixelRect bar;        // one pixel inside the frame
    int filledHeight = 0; // the lower part of the bar drawn in the level colour
    PixelRect label;      // the SNR text's box: the filled part and one row above
    PixelRect prnBox;     // under the frame, one text line high
};

// The picture of all bars for a client rectangle and a text line height.
struct SignalQualityLayout {
    int slotWidth = 0;    // inner width / barCount
    int fontTenths = 0;   // text size in tenths of a point
    int barCount = 0;
    SignalBarGeometry bars[kSignalBarCapacity];
};

// Text size for an inner width (client width less 2): a third of it in
// tenths of a point, at least 60 (six points).
int signalFontTenths(int innerWidth);

// The text size the model's bars use: signalFontTenths, but with every
// system shown (many bars, labels like "E301") no wider than fits a slot,
// four tenths a pixel of slot, and at least 45 tenths.
int signalFontTenths(int innerWidth, const SignalQualityModel& model);

// The filled height of a bar `barHeight` pixels high for an SNR: the SNR is
// clamped to the upper, then the lower threshold, and mapped linearly in
// floating point, truncated toward zero. Upper at or below lower: 0.
int signalFilledHeight(int barHeight, int snr, int lowerThreshold, int upperThreshold);

// Lays out the model's barCount bars in `client`. lineHeight is the height
// of a text line of the font signalFontTenths gives; the caller measures it.
// A client narrower than the bars gives slots of 0 or 1 pixel and
// degenerate rectangles, never a fault.
SignalQualityLayout layoutSignalQuality(const PixelRect& client, int lineHeight,
                                        const SignalQualityModel& model);

} // namespace orbilunex
