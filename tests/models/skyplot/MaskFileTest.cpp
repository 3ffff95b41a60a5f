#include "models/skyplot/MaskFile.h"

#include "models/skyplot/SkyPlotModel.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>

namespace orbilunex {
namespace {

// The file layout written out by hand, independent of the codec's constants.
constexpr std::size_t kFileSize = 6368;
constexpr std::size_t kEntriesAt = 2048;

std::unique_ptr<SkyPlotModel> freshModel()
{
    return std::make_unique<SkyPlotModel>();
}

// The 12 bytes at entry i of a file.
std::string entryBytes(const std::string& file, int i)
{
    return file.substr(kEntriesAt + 12 * static_cast<std::size_t>(i), 12);
}

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

void expectEntry(const MaskEntry& got, const MaskEntry& want)
{
    EXPECT_EQ(got.azimuth, want.azimuth);
    EXPECT_EQ(got.lowestElevation, want.lowestElevation);
    EXPECT_EQ(got.observed, want.observed);
}

bool load(const std::string& file, MaskCommentBlock& comment, SkyPlotModel& model)
{
    return loadMaskFile(file.data(), file.size(), comment, model.mask);
}

TEST(MaskFile, FreshDocumentStoresZeroCommentThenResetEntries)
{
    const auto model = freshModel();
    const MaskCommentBlock comment;
    const std::string file = storeMaskFile(comment, model->mask);
    ASSERT_EQ(file.size(), kFileSize);
    EXPECT_EQ(file.substr(0, 2048), std::string(2048, '\0'));
    for (int i = 0; i < 360; ++i) {
        SCOPED_TRACE(i);
        // (i, 76, 0): low byte first; no index reaches a third byte.
        EXPECT_EQ(entryBytes(file, i),
                  bytes({i & 0xFF, i >> 8, 0, 0, 76, 0, 0, 0, 0, 0, 0, 0}));
    }
}

// Single entries set to values whose bytes are easy to read.
struct EncodingCase {
    int index;
    MaskEntry entry;
    std::string expected;
    const char* legend;
};

const EncodingCase encodingCases[] = {
    {0, {0, 76, 0}, bytes({0, 0, 0, 0, 0x4C, 0, 0, 0, 0, 0, 0, 0}), "first entry as reset"},
    {300, {300, 12, 1}, bytes({0x2C, 0x01, 0, 0, 0x0C, 0, 0, 0, 1, 0, 0, 0}),
     "azimuth 300 needs two bytes, low first"},
    {7, {0x01020304, -2, 1}, bytes({4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}),
     "byte order, and -2 as two's complement"},
    {359, {INT_MIN, INT_MAX, -1},
     bytes({0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}),
     "extremes in the last entry"},
};

TEST(MaskFile, EntriesAreLittleEndianSigned32BitIntegers)
{
    for (const EncodingCase& row : encodingCases) {
        SCOPED_TRACE(row.legend);
        auto model = freshModel();
        model->mask[row.index] = row.entry;
        const std::string file = storeMaskFile(MaskCommentBlock{}, model->mask);
        ASSERT_EQ(file.size(), kFileSize);
        EXPECT_EQ(entryBytes(file, row.index), row.expected);
    }
}

TEST(MaskFile, StoredBlockIsTheCommentBytesAsHeld)
{
    MaskCommentBlock comment;
    for (std::size_t i = 0; i < 2048; ++i) comment.bytes[i] = static_cast<char>(i * 7 + 1);
    const std::string file = storeMaskFile(comment, freshModel()->mask);
    ASSERT_EQ(file.size(), kFileSize);
    EXPECT_EQ(file.substr(0, 2048), std::string(comment.bytes, 2048));
}

TEST(MaskFile, WriteThenReadReproducesTheMaskExactly)
{
    auto source = freshModel();
    // Learned, loaded-with-another-angle, negative and extreme entries.
    source->mask[0] = {0, 5, 1};
    source->mask[1] = {181, 20, 1};
    source->mask[90] = {-45, -3, 1};
    source->mask[180] = {180, 0, 1};
    source->mask[270] = {400, 95, 0};
    source->mask[359] = {INT_MIN, -65535, -1};
    MaskCommentBlock comment;
    setMaskCommentText(comment, "Roof mast, 3\xBA east of the chimney");
    const std::string file = storeMaskFile(comment, source->mask);

    auto target = freshModel();
    MaskCommentBlock loaded;
    EXPECT_TRUE(load(file, loaded, *target));
    for (int i = 0; i < 360; ++i) {
        SCOPED_TRACE(i);
        expectEntry(target->mask[i], source->mask[i]);
    }
    EXPECT_EQ(maskCommentText(loaded), "Roof mast, 3\xBA east of the chimney");
    EXPECT_EQ(std::memcmp(loaded.bytes, comment.bytes, 2048), 0);
}

// Elevations as a file may hold them and as they are read: the chart works
// out 90 - elevation in int and scales it to pixels, so values near the ends
// of the int range are held at +-65535. Azimuth and observed stay as stored.
struct ElevationCase {
    MaskEntry stored;
    std::int32_t read;
    const char* legend;
};

const ElevationCase elevationCases[] = {
    {{0, INT_MIN, 1}, -65535, "lowest int: 90 - it overflows"},
    {{INT_MIN, INT_MIN + 1, 1}, -65535, "near the lowest int, extreme azimuth kept"},
    {{10, -65536, 1}, -65535, "one past the limit"},
    {{20, -65535, 1}, -65535, "at the limit"},
    {{30, -3, 1}, -3, "below the horizon, drawn outside the circle"},
    {{40, 95, 0}, 95, "past the zenith"},
    {{50, 65535, 1}, 65535, "at the upper limit"},
    {{60, 65536, 1}, 65535, "one past the upper limit"},
    {{INT_MAX, INT_MAX, -1}, 65535, "highest int"},
};

TEST(MaskFile, ElevationsBeyondTheChartsRangeAreHeldAtTheLimit)
{
    for (const ElevationCase& row : elevationCases) {
        SCOPED_TRACE(row.legend);
        auto source = freshModel();
        source->mask[7] = row.stored;
        const std::string file = storeMaskFile(MaskCommentBlock{}, source->mask);
        // The whole file, and one that ends right after the elevation.
        for (const std::size_t size : {file.size(), kEntriesAt + 12 * 7 + 8}) {
            auto target = freshModel();
            MaskCommentBlock comment;
            loadMaskFile(file.data(), size, comment, target->mask);
            EXPECT_EQ(target->mask[7].azimuth, row.stored.azimuth);
            EXPECT_EQ(target->mask[7].lowestElevation, row.read) << size << " bytes";
        }
        auto target = freshModel();
        MaskCommentBlock comment;
        ASSERT_TRUE(load(file, comment, *target));
        EXPECT_EQ(target->mask[7].observed, row.stored.observed);
    }
}

TEST(MaskFile, CommentWithoutZeroByteLoadsAllOfIt)
{
    MaskCommentBlock full;
    std::memset(full.bytes, 'x', sizeof full.bytes);
    const std::string file = storeMaskFile(full, freshModel()->mask);
    ASSERT_EQ(file.size(), kFileSize);

    MaskCommentBlock loaded;
    auto model = freshModel();
    EXPECT_TRUE(load(file, loaded, *model));
    EXPECT_EQ(maskCommentText(loaded), std::string(2048, 'x'));
}

TEST(MaskFile, ShorterCommentLeavesTheOldTailInTheFileButNotInTheText)
{
    MaskCommentBlock comment;
    setMaskCommentText(comment, std::string(100, 'L'));
    setMaskCommentText(comment, "short");
    const std::string file = storeMaskFile(comment, freshModel()->mask);

    EXPECT_EQ(file.substr(0, 6), std::string("short\0", 6));
    EXPECT_EQ(file.substr(6, 94), std::string(94, 'L')) << "old tail still stored";
    EXPECT_EQ(file[100], '\0');

    MaskCommentBlock loaded;
    auto model = freshModel();
    EXPECT_TRUE(load(file, loaded, *model));
    EXPECT_EQ(maskCommentText(loaded), "short");
}

// A file cut short at `size` bytes: what loading keeps. The comment block
// starts filled with '#' and the mask reset, as the document does first.
struct ShortFileCase {
    std::size_t size;
    bool complete;
    int fieldsRead; // of the 1080 entry fields, in file order
    const char* legend;
};

const ShortFileCase shortFileCases[] = {
    {0, false, 0, "empty file"},
    {1000, false, 0, "shorter than the comment block"},
    {2047, false, 0, "comment block one byte short"},
    {2048, false, 0, "comment block only"},
    {2050, false, 0, "half of the first azimuth"},
    {2052, false, 1, "first azimuth only"},
    {2048 + 12 * 10 + 4, false, 31, "ten entries and the next azimuth"},
    {2048 + 12 * 10 + 11, false, 32, "ten entries, next azimuth and elevation, 3 bytes more"},
    {6367, false, 1079, "last byte missing"},
    {6368, true, 1080, "whole file"},
};

TEST(MaskFile, ShortFileReportsAnErrorAndKeepsWhatWasRead)
{
    auto source = freshModel();
    for (int i = 0; i < 360; ++i) source->mask[i] = {1000 + i, i % 70, 1};
    MaskCommentBlock sourceComment;
    for (std::size_t i = 0; i < 2048; ++i)
        sourceComment.bytes[i] = static_cast<char>('a' + i % 26);
    setMaskCommentText(sourceComment, "Field antenna");
    const std::string file = storeMaskFile(sourceComment, source->mask);
    ASSERT_EQ(file.size(), kFileSize);

    for (const ShortFileCase& row : shortFileCases) {
        SCOPED_TRACE(row.legend);
        auto target = freshModel();
        MaskCommentBlock comment;
        std::memset(comment.bytes, '#', sizeof comment.bytes);
        EXPECT_EQ(loadMaskFile(file.data(), row.size, comment, target->mask), row.complete);

        const std::size_t commentRead = row.size < 2048 ? row.size : 2048;
        for (std::size_t i = 0; i < 2048; ++i) {
            const char want = i < commentRead ? sourceComment.bytes[i] : '#';
            ASSERT_EQ(comment.bytes[i], want) << "comment byte " << i;
        }
        for (int i = 0; i < 360; ++i) {
            SCOPED_TRACE(i);
            const MaskEntry& got = target->mask[i];
            const MaskEntry& from = source->mask[i];
            const int first = 3 * i;
            EXPECT_EQ(got.azimuth, first < row.fieldsRead ? from.azimuth : i);
            EXPECT_EQ(got.lowestElevation, first + 1 < row.fieldsRead ? from.lowestElevation : 76);
            EXPECT_EQ(got.observed, first + 2 < row.fieldsRead ? from.observed : 0);
        }
    }
}

struct SetTextCase {
    std::size_t length;
    std::size_t kept;
    const char* legend;
};

const SetTextCase setTextCases[] = {
    {0, 0, "empty text: a zero byte first"},
    {5, 5, "short text"},
    {511, 511, "longest text the settings sheet accepts"},
    {2046, 2046, "two bytes below the block"},
    {2047, 2047, "longest text that fits with its zero byte"},
    {2048, 2047, "one byte too long: cut"},
    {3000, 2047, "far too long: cut"},
};

TEST(MaskFile, SetCommentTextWritesTextAndZeroAndLeavesTheRest)
{
    for (const SetTextCase& row : setTextCases) {
        SCOPED_TRACE(row.legend);
        std::string text;
        for (std::size_t i = 0; i < row.length; ++i) text += static_cast<char>('A' + i % 26);
        MaskCommentBlock block;
        std::memset(block.bytes, '#', sizeof block.bytes);
        setMaskCommentText(block, text);

        EXPECT_EQ(std::string(block.bytes, row.kept), text.substr(0, row.kept));
        EXPECT_EQ(block.bytes[row.kept], '\0');
        for (std::size_t i = row.kept + 1; i < 2048; ++i)
            ASSERT_EQ(block.bytes[i], '#') << "byte " << i << " changed";
        EXPECT_EQ(maskCommentText(block), text.substr(0, row.kept));
    }
}

struct TextCase {
    std::string block; // the first bytes; the rest of the block is 'z'
    std::string expected;
    const char* legend;
};

const TextCase textCases[] = {
    {std::string("\0abc", 4), "", "zero first: empty comment"},
    {std::string("abc\0def", 7), "abc", "stops at the first zero"},
    {std::string("a\0b\0", 4), "a", "only the first zero counts"},
    {std::string("Mast \xBA\xFF\0", 8), "Mast \xBA\xFF", "high bytes are text, not ends"},
};

TEST(MaskFile, CommentTextRunsToTheFirstZeroByte)
{
    for (const TextCase& row : textCases) {
        SCOPED_TRACE(row.legend);
        MaskCommentBlock block;
        std::memset(block.bytes, 'z', sizeof block.bytes);
        std::memcpy(block.bytes, row.block.data(), row.block.size());
        EXPECT_EQ(maskCommentText(block), row.expected);
    }
}

} // namespace
} // namespace orbilunex
