#include "models/commandmonitor/CommandMonitorText.h"

#include <algorithm>
#include <cstring>

namespace orbilunex {

namespace {

constexpr char kBackspace = 8;
constexpr char kLineFeed = 10;
constexpr char kCarriageReturn = 13;

} // namespace

CommandMonitorChange CommandMonitorText::appendText(const char* chunk, std::size_t length)
{
    CommandMonitorChange change;
    if (chunk == nullptr) length = 0;
    const void* zero = length > 0 ? std::memchr(chunk, 0, length) : nullptr;
    if (zero != nullptr) length = static_cast<std::size_t>(static_cast<const char*>(zero) - chunk);

    if (held.size() >= kMonitorTrimAt) {
        held.erase(0, kMonitorTrimCount);
        change.trimmed = true;
    }

    // A backspace takes back the character before it in the chunk; one with
    // nothing before it in the chunk erases a character already held. Done
    // before the line ends are rewritten, so a backspace can erase a received
    // carriage return or line feed.
    std::string kept;
    kept.reserve(length);
    std::size_t erasedHeld = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = chunk[i];
        if (c != kBackspace) {
            kept.push_back(c);
        } else if (!kept.empty()) {
            kept.pop_back();
        } else {
            ++erasedHeld;
        }
    }
    change.erased = std::min(erasedHeld, held.size());

    change.added.reserve(kept.size() + kept.size() / 16);
    for (const char c : kept) {
        if (c == kLineFeed) continue;
        change.added.push_back(c);
        if (c == kCarriageReturn) change.added.push_back(kLineFeed);
    }

    held.erase(held.size() - change.erased);
    held += change.added;
    return change;
}

} // namespace orbilunex
