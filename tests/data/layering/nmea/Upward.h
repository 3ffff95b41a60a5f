#pragma once

#include "app/MainFrame.h" // the core reaching up to the application
