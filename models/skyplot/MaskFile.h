#pragma once

#include "models/skyplot/SkyPlotModel.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace orbilunex {

// The mask file: the 2048-byte comment block as held (text up to its first
// zero byte, whatever follows), then the 360 entries in index order, each as
// azimuth, lowest elevation and observed, 4-byte little-endian signed
// integers. No header, no version: 6368 bytes.
constexpr std::size_t kMaskCommentBytes = 2048;
constexpr std::size_t kMaskEntryBytes = 12;
constexpr std::size_t kMaskFileBytes = kMaskCommentBytes + kMaskEntries * kMaskEntryBytes;

// The furthest an elevation read from a file may lie from zero: the range a
// decoded satellite's elevation can have. The chart works out 90 - elevation
// and scales it to pixels, which would overflow for values near the ends of
// the int range, so a file's elevation beyond this is read as the limit.
constexpr std::int32_t kMaskElevationLimit = 65535;

struct MaskCommentBlock {
    char bytes[kMaskCommentBytes] = {};
};

// The comment's text: the bytes before the first zero, or all 2048.
std::string maskCommentText(const MaskCommentBlock& block);

// Puts text and its terminating zero at the start of the block; the bytes
// after it keep what they held. Text beyond 2047 bytes is cut.
void setMaskCommentText(MaskCommentBlock& block, const std::string& text);

// The whole file for a comment block and a mask table.
std::string storeMaskFile(const MaskCommentBlock& comment, const MaskEntry (&mask)[kMaskEntries]);

// Reads a file's bytes into the comment block and the mask table, as far as
// they go: a short comment overwrites only the bytes present, and entries
// are read field by field until the data ends (the caller resets the mask
// first, so what was not read stays reset). Azimuth and observed are taken
// as stored; an elevation beyond +-kMaskElevationLimit becomes the limit.
// Returns true when the whole file was there.
bool loadMaskFile(const char* bytes, std::size_t size, MaskCommentBlock& comment,
                  MaskEntry (&mask)[kMaskEntries]);

} // namespace orbilunex
