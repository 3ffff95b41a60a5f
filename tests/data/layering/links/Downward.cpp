#include "links/Downward.h"

#include "nmea/NmeaParser.h" // fine: the links use the core
#include "settings/Setting.h"
