#pragma once

#include "nmea/GpsState.h" // the formats sit below the decoder
#include "settings/Setting.h" // fine: the settings sit below the formats
