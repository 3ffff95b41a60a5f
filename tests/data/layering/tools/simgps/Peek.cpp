#include "Peek.h"

#include "nmea/GpsState.h" // the simulator must not share the decoder
