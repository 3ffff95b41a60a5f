#pragma once

#include "shell/CommandLine.h"

namespace orbilunex {

// Runs the data path without any window: reads the source, decodes, records
// and relays, printing the status once a second, until --quit-after passes
// or SIGINT/SIGTERM arrives. Needs a QCoreApplication. Returns the exit
// code: 0 after a clean stop, 1 when the source, the server or the recording
// could not be started.
int runHeadless(const CommandLineOptions& options);

} // namespace orbilunex
