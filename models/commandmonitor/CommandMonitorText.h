#pragma once

#include <cstddef>
#include <string>

namespace orbilunex {

// The text grows to this many characters before the oldest are dropped, and
// then loses this many at once, so that a trim (one copy of the whole text)
// is rare.
constexpr std::size_t kMonitorTrimAt = 16384;
constexpr std::size_t kMonitorTrimCount = 4097;

// What one addition did, so that a display can follow without redrawing
// everything: after a trim the text lost its first kMonitorTrimCount
// characters; then `erased` characters went from its end and `added` was
// appended.
struct CommandMonitorChange {
    bool trimmed = false;
    std::size_t erased = 0;
    std::string added;
};

// The raw stream as a terminal shows it, one byte a character. Line ends are
// held as CR LF pairs, as every carriage return received gains a line feed
// and received line feeds are dropped; backspaces erase.
class CommandMonitorText {
public:
    const std::string& text() const { return held; }
    std::size_t length() const { return held.size(); }

    // Adds one chunk of the stream; it ends at its first zero byte or after
    // `length` bytes, whichever comes first.
    CommandMonitorChange appendText(const char* chunk, std::size_t length);

    // Empties the text.
    void erase() { held.clear(); }

private:
    std::string held;
};

} // namespace orbilunex
