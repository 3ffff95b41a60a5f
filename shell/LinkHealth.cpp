#include "shell/LinkHealth.h"

namespace orbilunex {

LinkHealthState LinkHealth::update(std::int64_t nowMs, bool open, int session, int bytesRead,
                                   std::int64_t sentenceCount)
{
    if (!open) {
        watching = false;
        return current = LinkHealthState::Closed;
    }
    if (!watching || session != watchedSession) {
        // A new source gets the full time before it is judged.
        watching = true;
        watchedSession = session;
        lastByteMs = nowMs;
        lastSentences = sentenceCount;
        unmatchedBytes = false;
    }
    if (sentenceCount != lastSentences) {
        lastSentences = sentenceCount;
        unmatchedBytes = false;
    } else if (bytesRead > 0 && !unmatchedBytes) {
        unmatchedBytes = true;
        unmatchedSinceMs = nowMs;
    }
    if (bytesRead > 0) lastByteMs = nowMs;

    if (nowMs - lastByteMs >= kQuietMs) {
        // Silence is the news; bytes that come after it are judged afresh.
        unmatchedBytes = false;
        current = LinkHealthState::NoData;
    } else if (unmatchedBytes && nowMs - unmatchedSinceMs >= kQuietMs &&
               nowMs - lastByteMs < kStillComingMs) {
        current = LinkHealthState::NoValidNmea;
    } else {
        current = LinkHealthState::Ok;
    }
    return current;
}

} // namespace orbilunex
