#include "models/skyplot/MaskFile.h"

#include "format/LittleEndian.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orbilunex {

namespace {

void putInt(std::string& out, std::int32_t value)
{
    unsigned char bytes[4];
    putLe32(bytes, static_cast<std::uint32_t>(value));
    out.append(reinterpret_cast<const char*>(bytes), 4);
}

std::int32_t getInt(const char* p)
{
    return static_cast<std::int32_t>(getLe32(reinterpret_cast<const unsigned char*>(p)));
}

} // namespace

std::string maskCommentText(const MaskCommentBlock& block)
{
    const void* zero = std::memchr(block.bytes, 0, kMaskCommentBytes);
    const std::size_t length =
        zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - block.bytes)
             : kMaskCommentBytes;
    return std::string(block.bytes, length);
}

void setMaskCommentText(MaskCommentBlock& block, const std::string& text)
{
    const std::size_t n = text.size() < kMaskCommentBytes - 1 ? text.size() : kMaskCommentBytes - 1;
    std::memcpy(block.bytes, text.data(), n);
    block.bytes[n] = '\0';
}

std::string storeMaskFile(const MaskCommentBlock& comment, const MaskEntry (&mask)[kMaskEntries])
{
    std::string out(comment.bytes, kMaskCommentBytes);
    out.reserve(kMaskFileBytes);
    for (const MaskEntry& entry : mask) {
        putInt(out, entry.azimuth);
        putInt(out, entry.lowestElevation);
        putInt(out, entry.observed);
    }
    return out;
}

bool loadMaskFile(const char* bytes, std::size_t size, MaskCommentBlock& comment,
                  MaskEntry (&mask)[kMaskEntries])
{
    const std::size_t commentBytes = size < kMaskCommentBytes ? size : kMaskCommentBytes;
    std::memcpy(comment.bytes, bytes, commentBytes);
    std::size_t at = kMaskCommentBytes;
    for (MaskEntry& entry : mask) {
        std::int32_t* fields[] = {&entry.azimuth, &entry.lowestElevation, &entry.observed};
        for (std::int32_t* field : fields) {
            if (at + 4 > size) return false;
            *field = getInt(bytes + at);
            at += 4;
            if (field == &entry.lowestElevation)
                *field = std::clamp(*field, -kMaskElevationLimit, kMaskElevationLimit);
        }
    }
    return true;
}

} // namespace orbilunex
