#pragma once

#include <cstdint>

namespace orbilunex {

enum class LinkHealthState {
    Closed,      // no source open: nothing to judge
    Ok,          // bytes come and sentences pass, or the source is new
    NoData,      // not a byte for kQuietMs
    NoValidNmea, // bytes for kQuietMs and still coming, but no sentence passed
};

// Watches an open link from what each poll of the data path saw, so that the
// status can say when a receiver is silent (unplugged, off, wrong port) or
// sends what is not NMEA (most often a wrong baud rate). Time is whatever
// monotonic milliseconds the caller counts.
class LinkHealth {
public:
    static constexpr std::int64_t kQuietMs = 3000;
    // Bytes still come while the last is at most this old: the tail of a
    // sentence cut off as a receiver goes is silence, not bad NMEA.
    static constexpr std::int64_t kStillComingMs = 2000;

    // One poll at nowMs: whether a source is open, which opening of it this
    // is (a new number starts the watch afresh, as does opening after
    // closed), the bytes this poll read and the parser's count of sentences
    // that passed so far. Returns the state, also kept for state().
    LinkHealthState update(std::int64_t nowMs, bool open, int session, int bytesRead,
                           std::int64_t sentenceCount);

    LinkHealthState state() const { return current; }

private:
    LinkHealthState current = LinkHealthState::Closed;
    bool watching = false;
    int watchedSession = 0;
    std::int64_t lastByteMs = 0;
    std::int64_t lastSentences = 0;
    bool unmatchedBytes = false;   // bytes came since the last sentence passed
    std::int64_t unmatchedSinceMs = 0;
};

} // namespace orbilunex
