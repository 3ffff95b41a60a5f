#pragma once

namespace orbilunex {

class SampleStore;

// The latitude/longitude box the survey plot is scaled to, in degrees. It
// only ever grows while a survey runs; the plot is rescaled (and repainted
// in full) whenever it does.
class PlotExtents {
public:
    // Half the span given to the first position, degrees: a lone point sits
    // in the middle of a square 0.0002 degrees across.
    static constexpr double kFirstMargin = 0.0001;

    // Starts reset, as a new plot view does.
    PlotExtents() { reset(); }

    // Takes in one position (signed degrees). The first position after a
    // reset sets the box to +-kFirstMargin around it; later ones widen every
    // bound they lie strictly beyond. Returns true when any bound moved (the
    // caller rescales and repaints), false when the position was inside.
    bool add(double latitude, double longitude);

    // Empties the box. Its bounds become 0, or +-kFirstMargin around (0, 0)
    // when it was empty already (a fresh view); either way the next add
    // starts it afresh.
    void reset();

    // Resets, then adds every stored sample (stored units x 10^-7 degree).
    void fitToSamples(const SampleStore& samples);

    bool empty() const { return isEmpty; }

    double latitudeMax = 0;
    double latitudeMin = 0;
    double longitudeMax = 0;
    double longitudeMin = 0;

private:
    bool isEmpty = true;
};

} // namespace orbilunex
