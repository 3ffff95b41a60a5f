#pragma once

#include "models/gauges/compass/CompassLayout.h" // one gauge's, in what the gauges share
