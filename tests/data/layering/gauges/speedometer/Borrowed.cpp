#include "gauges/speedometer/Borrowed.h"

#include "gauges/GaugeWnd.h" // fine: what the gauges share
#include "gauges/altimeter/AltimeterWnd.h" // another gauge
#include "models/gauges/speedometer/SpeedometerScale.h" // fine: its own model
