#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace orbilunex {

// Writes the whole contents of a file so that a failed write never leaves it
// damaged and the name keeps standing for what it stood for.
//
// path is followed through symbolic links to the file they name, which gets
// the new contents (a link stays a link; a dangling link's target is
// created). That file must be a regular file this process may write, or
// not exist yet: a folder, a device or a pipe is refused and left alone. `write` fills a temporary file
// in the target's folder; the temporary file is flushed to disk, given the
// target's permission bits and owner (a new file: the umask's), and renamed
// over the target, so readers see either the old file or the whole new one.
//
// Returns true when the new contents are in place. Otherwise returns false,
// leaves the target as it was, removes the temporary file and sets error to
// one sentence naming path. `write` returns false when it could not write
// everything (the stream's state is checked as well).
bool replaceFile(const std::string& path, const std::function<bool(std::ostream&)>& write,
                 std::string& error);

} // namespace orbilunex
