#include "models/survey/plot/PlotExtents.h"

#include "survey/SampleStore.h"

namespace orbilunex {

bool PlotExtents::add(double latitude, double longitude)
{
    if (isEmpty) {
        latitudeMax = latitude + kFirstMargin;
        longitudeMax = longitude + kFirstMargin;
        latitudeMin = latitude - kFirstMargin;
        longitudeMin = longitude - kFirstMargin;
        isEmpty = false;
        return true;
    }
    bool changed = false;
    if (latitude > latitudeMax) {
        latitudeMax = latitude;
        changed = true;
    }
    if (latitude < latitudeMin) {
        latitudeMin = latitude;
        changed = true;
    }
    if (longitude > longitudeMax) {
        longitudeMax = longitude;
        changed = true;
    }
    if (longitude < longitudeMin) {
        longitudeMin = longitude;
        changed = true;
    }
    return changed;
}

void PlotExtents::reset()
{
    const bool wasEmpty = isEmpty;
    latitudeMax = latitudeMin = longitudeMax = longitudeMin = 0;
    // The reset takes in (0, 0) on the zeroed box: that opens an empty box
    // around the origin and leaves a used one at zero.
    if (wasEmpty) add(0.0, 0.0);
    isEmpty = true;
}

void PlotExtents::fitToSamples(const SampleStore& samples)
{
    reset();
    samples.forEach([this](const SurveySample& s) {
        add(s.latitude * kDegreesPerUnit, s.longitude * kDegreesPerUnit);
    });
}

} // namespace orbilunex
