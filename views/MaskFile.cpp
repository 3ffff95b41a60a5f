#include "views/MaskFile.h"

#include <cstdint>
#include <cstring>

namespace orbilunex {

namespace {

void putInt(std::string& out, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((u >> shift) & 0xFF);
}

std::int32_t getInt(const char* p)
{
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<unsigned char>(p[i]);
    return static_cast<std::int32_t>(u);
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
        }
    }
    return true;
}

} // namespace orbilunex
