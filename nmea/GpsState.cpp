#include "nmea/GpsState.h"

#include <cstring>
#include <limits>

namespace orbilunex {

void resetGpsState(GpsState& state)
{
    // Zero everything first (padding included, so that two reset records
    // compare equal byte for byte), then set the few non-zero initials.
    std::memset(&state, 0, sizeof state);
    state.gsaMode = 'M';
    state.fixType = 1;
    state.rmbStatus = 'V';
    state.steerDirection = '?';
    state.arrivalStatus = 'V';
    state.rmcStatus = 'V';
    state.rmcDay = 1;
    state.rmcMonth = 1;
    state.rmcYear = 2000;
    state.zdaDay = 1;
    state.zdaMonth = 1;
    state.zdaYear = 2000;
    state.gllStatus = 'V';
    const double none = std::numeric_limits<double>::quiet_NaN();
    state.gstRms = none;
    state.gstSemiMajor = none;
    state.gstSemiMinor = none;
    state.gstOrientation = none;
    state.gstSigmaLatitude = none;
    state.gstSigmaLongitude = none;
    state.gstSigmaAltitude = none;
}

} // namespace orbilunex
