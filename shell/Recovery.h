#pragma once

#include <ctime>
#include <string>

namespace orbilunex {

// Where a run that nobody attends (--quit-after, --snapshot) writes the
// documents it would otherwise have asked about: $XDG_STATE_HOME/orbilunex,
// or ~/.local/state/orbilunex when that is unset, empty or not absolute.
// Empty when neither variable gives a folder. The arguments are the
// variables' values (nullptr when unset).
std::string recoveryFolder(const char* stateHome, const char* home);

// The file a document is written to there: its name, the local time it was
// written and its own extension (with the dot), as "Survey-20261208-193012.pth".
// Characters a file name cannot hold become '_'.
std::string recoveryFileName(const std::string& name, const std::tm& time,
                             const std::string& extension);

} // namespace orbilunex
