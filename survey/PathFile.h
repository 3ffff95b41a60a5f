#pragma once

#include "survey/SurveyModel.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace orbilunex {

// The path file: a 2048-byte header block, then one 62-byte record per
// sample in arrival order, all little-endian.
//
//   header  0  10  magic "Orbilunex" and a NUL
//          10  22  not written: carried over from the file last read
//          32   4  int32 version, written as 1, not checked
//          36   4  uint32 number of records
//          40 2008 comment text ending with a NUL; bytes after it carried over
//   record  0   4  int32 latitude x 10^7     4  4  int32 longitude x 10^7
//           8   4  int32 altitude, cm       12  2  int16 PDOP x 10
//          14   4  int32 3D flag            18  2  uint16 HDOP x 10
//          20   2  uint16 VDOP x 10         22 40  ten int32 zeros
//
// Files of the old layout have no header: a uint32 count, then 18-byte
// records (latitude, longitude, altitude, one uint16 DOP x 10, 3D flag).
constexpr char kPathMagic[10] = {'O', 'r', 'b', 'i', 'l', 'u', 'n', 'e', 'x', '\0'};
constexpr std::size_t kPathRecordBytes = 62;
constexpr std::size_t kOldPathRecordBytes = 18;
constexpr std::size_t kPathCommentOffset = 40;
constexpr std::size_t kPathCommentMaxLength = 511;

// The comment: the text from byte 40 to its NUL, or to the block's end.
std::string pathComment(const PathHeaderBlock& header);
// Writes up to 511 bytes of text and a NUL at byte 40; the bytes after the
// NUL keep what they held.
void setPathComment(PathHeaderBlock& header, const std::string& text);

// Puts the magic, version 1 and the sample count into the survey's header
// block, then writes the header and every sample. Returns false when the
// stream fails.
bool writePathFile(std::ostream& out, SurveyModel& survey);

// What reading a file asks of the person at the screen.
class PathReadPrompts {
public:
    virtual ~PathReadPrompts() = default;
    // "Disable Position Acquisition?": true for Yes.
    virtual bool disableAcquisition() = 0;
    // "Orbilunex will now read old file format."
    virtual void oldFormatNotice() = 0;
};

struct PathReadResult {
    enum class Status {
        Ok,
        Truncated,     // the data ended before the count announced
        StoreFull,     // more samples than a survey can hold, or no memory
        ReadFailed,    // the stream reported an error
        Stopped,       // the progress callback asked to stop
    };
    Status status = Status::Ok;
    bool oldLayout = false;
    std::uint32_t announced = 0; // records the count announced
    std::uint32_t stored = 0;    // records read and stored
    // Whole records the file holds after the announced ones, counted after
    // a whole read and not stored: the count in the file is trusted.
    std::uint64_t unannounced = 0;
};

// Reads either layout into survey. First, while acquisition is on, asks
// whether to switch it off. Then the survey is emptied and refilled: the
// file's integers are stored exactly as they are (so a read and a save give
// back the same bytes), and the statistics and altitude range are rebuilt
// from them with the thresholds now in force. A current-layout file
// replaces the whole header block and leaves the survey unmodified; an old
// one zeroes the header (it has no comment) and marks the survey modified
// when it held any record. On a failure the records read so far stay, with
// statistics, and the survey is marked modified so it is never taken for the
// whole file.
//
// progress, when given, is called after each block of kPathProgressRecords
// records and after the last record of a whole read, with the records read
// so far and the count the file announced. Returning false stops the read
// there: what was read stays, as for a truncated file, and the result says
// Stopped. A stop after the last record has nothing left to lose and the
// read counts as whole.
using PathReadProgress = std::function<bool(std::uint32_t read, std::uint32_t announced)>;
constexpr std::uint32_t kPathProgressRecords = 4096;
PathReadResult readPathFile(std::istream& in, SurveyModel& survey, PathReadPrompts& prompts,
                            const PathReadProgress& progress = {});

// Saves the survey to path through replaceFile: into a link's target, with
// the file's mode kept, through a temporary file renamed over it only once
// everything is written, so a failed save never leaves a damaged file
// behind; a folder, pipe or device is refused. On failure returns false and
// sets error to a sentence naming the file.
bool savePathFile(const std::string& path, SurveyModel& survey, std::string& error);

// A one-line account of a failed read, naming the file.
std::string describePathReadError(const PathReadResult& result, const std::string& fileName);

// When the file holds records beyond its count: "FILE holds N samples but
// its header announces M; only M were loaded." Empty otherwise.
std::string describeUnannouncedRecords(const PathReadResult& result, const std::string& fileName);

} // namespace orbilunex
