#pragma once

#include "models/PixelGeometry.h" // fine: shared by the models
#include "models/signalquality/SignalQualityModel.h" // another kind's model
