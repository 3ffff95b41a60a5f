#pragma once

#include "shell/CommandLine.h"

namespace orbilunex {

// Runs the monitor window: settings, application, main frame, the sources,
// windows and snapshot the command line asks for. Needs a QApplication.
// Returns the exit code.
int runWindow(const CommandLineOptions& options);

} // namespace orbilunex
