#include "survey/PathFile.h"

#include "format/LittleEndian.h"
#include "format/ReplaceFile.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <ostream>
#include <vector>

namespace orbilunex {

namespace {

constexpr std::size_t kVersionOffset = 32;
constexpr std::size_t kCountOffset = 36;
// Records are moved through a buffer this many at a time; progress is told
// once per buffer.
constexpr std::size_t kRecordsPerChunk = kPathProgressRecords;

void encodeRecord(unsigned char* p, const SurveySample& s)
{
    putLe32(p + 0, static_cast<std::uint32_t>(s.latitude));
    putLe32(p + 4, static_cast<std::uint32_t>(s.longitude));
    putLe32(p + 8, static_cast<std::uint32_t>(s.altitude));
    putLe16(p + 12, static_cast<std::uint16_t>(s.pdop10));
    putLe32(p + 14, static_cast<std::uint32_t>(s.fix3d));
    putLe16(p + 18, s.hdop10);
    putLe16(p + 20, s.vdop10);
    std::memset(p + 22, 0, kPathRecordBytes - 22);
}

SurveySample decodeRecord(const unsigned char* p)
{
    SurveySample s;
    s.latitude = static_cast<std::int32_t>(getLe32(p + 0));
    s.longitude = static_cast<std::int32_t>(getLe32(p + 4));
    s.altitude = static_cast<std::int32_t>(getLe32(p + 8));
    s.pdop10 = static_cast<std::int16_t>(getLe16(p + 12));
    s.fix3d = static_cast<std::int32_t>(getLe32(p + 14));
    s.hdop10 = getLe16(p + 18);
    s.vdop10 = getLe16(p + 20);
    return s;
}

// The old record's one DOP stands for PDOP, HDOP and VDOP alike.
SurveySample decodeOldRecord(const unsigned char* p)
{
    SurveySample s;
    s.latitude = static_cast<std::int32_t>(getLe32(p + 0));
    s.longitude = static_cast<std::int32_t>(getLe32(p + 4));
    s.altitude = static_cast<std::int32_t>(getLe32(p + 8));
    const std::uint16_t dop10 = getLe16(p + 12);
    s.pdop10 = static_cast<std::int16_t>(dop10);
    s.hdop10 = dop10;
    s.vdop10 = dop10;
    s.fix3d = static_cast<std::int32_t>(getLe32(p + 14));
    return s;
}

// The file's bytes in order: first those already taken into a buffer (the
// header block, which an old-layout file reads again from its start), then
// the rest of the stream. No seeking, so any stream will do.
class ByteSource {
public:
    ByteSource(std::istream& in, const unsigned char* pending, std::size_t pendingSize)
        : in(in), pending(pending), pendingSize(pendingSize)
    {
    }

    // Reads up to size bytes; fewer only at the end of the data or on an error.
    std::size_t read(unsigned char* into, std::size_t size)
    {
        const std::size_t fromPending = std::min(size, pendingSize);
        if (fromPending > 0) {
            std::memcpy(into, pending, fromPending);
            pending += fromPending;
            pendingSize -= fromPending;
        }
        if (fromPending == size) return size;
        in.read(reinterpret_cast<char*>(into + fromPending),
                static_cast<std::streamsize>(size - fromPending));
        return fromPending + static_cast<std::size_t>(in.gcount());
    }

    // Skips to the end of the data; returns how many bytes there were.
    std::uint64_t skipRest()
    {
        std::uint64_t skipped = pendingSize;
        pending += pendingSize;
        pendingSize = 0;
        char buffer[65536];
        while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
            skipped += static_cast<std::uint64_t>(in.gcount());
        return skipped;
    }

    PathReadResult::Status shortReadStatus() const
    {
        return in.bad() ? PathReadResult::Status::ReadFailed : PathReadResult::Status::Truncated;
    }

private:
    std::istream& in;
    const unsigned char* pending;
    std::size_t pendingSize;
};

using Decoder = SurveySample (*)(const unsigned char*);

// Reads count records of recordBytes each and stores them in order.
void readRecords(ByteSource& source, SurveyModel& survey, std::uint32_t count,
                 std::size_t recordBytes, Decoder decode, const PathReadProgress& progress,
                 PathReadResult& result)
{
    result.announced = count;
    std::vector<unsigned char> buffer(recordBytes * std::min<std::size_t>(count, kRecordsPerChunk));
    std::uint32_t remaining = count;
    while (remaining > 0) {
        const std::size_t wanted = std::min<std::size_t>(remaining, kRecordsPerChunk);
        const std::size_t got = source.read(buffer.data(), wanted * recordBytes);
        const std::size_t whole = got / recordBytes;
        for (std::size_t i = 0; i < whole; ++i) {
            if (survey.storeSample(decode(buffer.data() + i * recordBytes)) !=
                SurveyModel::AddResult::Stored) {
                result.status = PathReadResult::Status::StoreFull;
                return;
            }
            ++result.stored;
        }
        if (whole < wanted) {
            result.status = source.shortReadStatus();
            return;
        }
        remaining -= static_cast<std::uint32_t>(whole);
        if (progress && !progress(result.stored, count) && remaining > 0) {
            result.status = PathReadResult::Status::Stopped;
            return;
        }
    }
    // Records past the count would be lost without a word at the next save.
    result.unannounced = source.skipRest() / recordBytes;
}

} // namespace

std::string pathComment(const PathHeaderBlock& header)
{
    const unsigned char* start = header.data() + kPathCommentOffset;
    const unsigned char* end = header.data() + header.size();
    const unsigned char* nul = std::find(start, end, 0);
    return std::string(reinterpret_cast<const char*>(start), static_cast<std::size_t>(nul - start));
}

void setPathComment(PathHeaderBlock& header, const std::string& text)
{
    const std::size_t length = std::min(text.size(), kPathCommentMaxLength);
    std::memcpy(header.data() + kPathCommentOffset, text.data(), length);
    header[kPathCommentOffset + length] = 0;
}

bool writePathFile(std::ostream& out, SurveyModel& survey)
{
    PathHeaderBlock& header = survey.headerBlock;
    std::memcpy(header.data(), kPathMagic, sizeof kPathMagic);
    putLe32(header.data() + kVersionOffset, 1);
    putLe32(header.data() + kCountOffset, survey.sampleCount());
    out.write(reinterpret_cast<const char*>(header.data()), kPathHeaderBytes);

    std::vector<unsigned char> buffer(kRecordsPerChunk * kPathRecordBytes);
    std::size_t filled = 0;
    auto flush = [&] {
        out.write(reinterpret_cast<const char*>(buffer.data()),
                  static_cast<std::streamsize>(filled * kPathRecordBytes));
        filled = 0;
    };
    survey.samples().forEach([&](const SurveySample& sample) {
        encodeRecord(buffer.data() + filled * kPathRecordBytes, sample);
        if (++filled == kRecordsPerChunk) flush();
    });
    flush();
    out.flush();
    return static_cast<bool>(out);
}

PathReadResult readPathFile(std::istream& in, SurveyModel& survey, PathReadPrompts& prompts,
                            const PathReadProgress& progress)
{
    if (survey.acquisitionEnabled && prompts.disableAcquisition())
        survey.acquisitionEnabled = false;
    survey.clearSurvey();

    PathReadResult result;
    PathHeaderBlock head{};
    ByteSource start(in, nullptr, 0);
    const std::size_t got = start.read(head.data(), head.size());
    if (got >= sizeof kPathMagic && std::memcmp(head.data(), kPathMagic, sizeof kPathMagic) == 0) {
        survey.headerBlock = head;
        if (got < head.size()) {
            // Magic, but not even a whole header: nothing to trust.
            result.status = start.shortReadStatus();
        } else {
            readRecords(start, survey, getLe32(head.data() + kCountOffset), kPathRecordBytes,
                        decodeRecord, progress, result);
        }
        survey.modified = result.status != PathReadResult::Status::Ok;
    } else {
        result.oldLayout = true;
        prompts.oldFormatNotice();
        // The old layout has no header, so its first bytes are no comment.
        survey.headerBlock.fill(0);
        // Back to the file's start: the bytes taken as a header come first.
        ByteSource fromStart(in, head.data(), got);
        unsigned char countBytes[4];
        if (fromStart.read(countBytes, sizeof countBytes) != sizeof countBytes) {
            result.status = fromStart.shortReadStatus();
        } else {
            readRecords(fromStart, survey, getLe32(countBytes), kOldPathRecordBytes,
                        decodeOldRecord, progress, result);
        }
        if (result.stored > 0 || result.status != PathReadResult::Status::Ok)
            survey.modified = true;
    }
    survey.recomputeStatistics();
    survey.recomputeAltitudeRange();
    return result;
}

bool savePathFile(const std::string& path, SurveyModel& survey, std::string& error)
{
    return replaceFile(
        path, [&survey](std::ostream& out) { return writePathFile(out, survey); }, error);
}

std::string describePathReadError(const PathReadResult& result, const std::string& fileName)
{
    using Status = PathReadResult::Status;
    const std::string counts =
        result.announced == 0 ? std::string("the file is too short")
                              : std::to_string(result.stored) + " of " +
                                    std::to_string(result.announced) + " samples read";
    switch (result.status) {
    case Status::Ok:
        return std::string();
    case Status::Truncated:
        return "Unexpected end of file in " + fileName + ": " + counts + ".";
    case Status::StoreFull:
        return "Could not hold every sample of " + fileName + ": " + counts + ".";
    case Status::Stopped:
        return "Reading " + fileName + " was stopped: " + counts + ".";
    case Status::ReadFailed:
        break;
    }
    return "Error reading " + fileName + ": " + counts + ".";
}

std::string describeUnannouncedRecords(const PathReadResult& result, const std::string& fileName)
{
    if (result.unannounced == 0) return std::string();
    const std::string announced = std::to_string(result.announced);
    return fileName + " holds " + std::to_string(result.announced + result.unannounced) +
           " samples but its header announces " + announced + "; only " + announced +
           " were loaded.";
}

} // namespace orbilunex
