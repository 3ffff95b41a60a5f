#pragma once

#include "models/PixelGeometry.h" // fine: shared by the models
#include "models/signal/SignalBarsModel.h" // another kind's model
