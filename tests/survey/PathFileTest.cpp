#include "survey/PathFile.h"

#include "format/LittleEndian.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <utility>
#include <string>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orbilunex;

namespace {

class RecordingPrompts : public PathReadPrompts {
public:
    explicit RecordingPrompts(bool answer = true) : answer(answer) {}
    bool disableAcquisition() override
    {
        ++questions;
        return answer;
    }
    void oldFormatNotice() override { ++notices; }

    bool answer;
    int questions = 0;
    int notices = 0;
};

const unsigned char* bytesOf(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

std::string save(SurveyModel& survey)
{
    std::ostringstream out;
    EXPECT_TRUE(writePathFile(out, survey));
    return out.str();
}

PathReadResult load(const std::string& bytes, SurveyModel& survey, RecordingPrompts& prompts)
{
    std::istringstream in(bytes);
    return readPathFile(in, survey, prompts);
}

void put32(std::string& out, std::uint32_t v)
{
    unsigned char b[4];
    putLe32(b, v);
    out.append(reinterpret_cast<const char*>(b), 4);
}

void put16(std::string& out, std::uint16_t v)
{
    unsigned char b[2];
    putLe16(b, v);
    out.append(reinterpret_cast<const char*>(b), 2);
}

// An old-layout file: count, then latitude, longitude, altitude, DOP, 3D flag.
struct OldRecord {
    std::int32_t latitude, longitude, altitude;
    std::uint16_t dop10;
    std::int32_t fix3d;
};
std::string oldFile(std::initializer_list<OldRecord> records, std::uint32_t count)
{
    std::string out;
    put32(out, count);
    for (const OldRecord& r : records) {
        put32(out, static_cast<std::uint32_t>(r.latitude));
        put32(out, static_cast<std::uint32_t>(r.longitude));
        put32(out, static_cast<std::uint32_t>(r.altitude));
        put16(out, r.dop10);
        put32(out, static_cast<std::uint32_t>(r.fix3d));
    }
    return out;
}

// A stream that can only be read forward, as from a pipe.
class OneWayBuffer : public std::streambuf {
public:
    explicit OneWayBuffer(std::string bytes) : bytes(std::move(bytes))
    {
        char* start = this->bytes.data();
        setg(start, start, start + this->bytes.size());
    }

private:
    std::string bytes;
};

class PathFileTest : public ::testing::Test {
protected:
    MemorySettingsStore settings;
};

} // namespace

TEST_F(PathFileTest, EmptySurveyIsAHeaderAlone)
{
    SurveyModel survey(settings);
    const std::string bytes = save(survey);
    ASSERT_EQ(bytes.size(), 2048u);
    EXPECT_EQ(std::memcmp(bytes.data(), "Orbilunex\0", 10), 0);
    EXPECT_EQ(getLe32(bytesOf(bytes) + 32), 1u);
    EXPECT_EQ(getLe32(bytesOf(bytes) + 36), 0u);
}

TEST_F(PathFileTest, RecordLayout)
{
    SurveyModel survey(settings);
    survey.addSample(-33.8688197, 151.2092999, -12.34, -7, 1, 0x1234, 0xBEEF);
    survey.addSample(47.0, 11.0, 600.0, 15, 0, 9, 12);
    const std::string bytes = save(survey);
    ASSERT_EQ(bytes.size(), 2048u + 2 * 62u);
    EXPECT_EQ(getLe32(bytesOf(bytes) + 36), 2u);
    const unsigned char* r = bytesOf(bytes) + 2048;
    EXPECT_EQ(static_cast<std::int32_t>(getLe32(r + 0)), -338688197);
    EXPECT_EQ(static_cast<std::int32_t>(getLe32(r + 4)), 1512092999);
    EXPECT_EQ(static_cast<std::int32_t>(getLe32(r + 8)), -1234);
    EXPECT_EQ(static_cast<std::int16_t>(getLe16(r + 12)), -7);
    EXPECT_EQ(getLe32(r + 14), 1u);
    EXPECT_EQ(getLe16(r + 18), 0x1234) << "HDOP comes before VDOP";
    EXPECT_EQ(getLe16(r + 20), 0xBEEF);
    for (int i = 22; i < 62; ++i) EXPECT_EQ(r[i], 0) << "reserved byte " << i;
    EXPECT_EQ(getLe32(r + 62 + 14), 0u);
}

TEST_F(PathFileTest, ReadThenSaveGivesTheSameBytes)
{
    // Values whose x 10^-7 and back would land one unit low if re-truncated.
    SurveyModel original(settings);
    std::uint32_t moved = 0;
    for (std::int32_t i = 0; i < 12000; ++i) {
        const std::int32_t lat = 472612983 + i * 7, lon = -1223456789 + i * 13;
        SurveySample s{lat, lon, 61590 + i, 15, i % 3 == 0, static_cast<std::uint16_t>(i % 50), 14};
        original.storeSample(s);
        moved += static_cast<std::int32_t>(lat * 0.0000001 * 10000000.0) != lat;
    }
    ASSERT_GT(moved, 0u) << "the table must hold values a double round trip would move";
    setPathComment(original.headerBlock, "Benchmark 17 on the pier");
    original.headerBlock[12] = 0xAB;   // bytes 10-31 carried over
    original.headerBlock[31] = 0xCD;
    original.headerBlock[2047] = 0xEF; // beyond the comment's NUL
    const std::string first = save(original);

    SurveyModel reread(settings);
    RecordingPrompts prompts;
    const PathReadResult result = load(first, reread, prompts);
    EXPECT_EQ(result.status, PathReadResult::Status::Ok);
    EXPECT_FALSE(result.oldLayout);
    EXPECT_EQ(result.stored, 12000u);
    EXPECT_FALSE(reread.modified);
    EXPECT_EQ(pathComment(reread.headerBlock), "Benchmark 17 on the pier");
    EXPECT_EQ(save(reread), first);
    EXPECT_EQ(prompts.notices, 0);
}

TEST_F(PathFileTest, ReadRebuildsStatisticsAndRange)
{
    SurveyModel original(settings);
    for (int i = 0; i < 300; ++i)
        original.addSample(47.2613 + i * 1e-6, 11.3466 - i * 2e-6, 600 + i % 17, 15, 1,
                           static_cast<std::uint16_t>(5 + i % 40), 12);
    const std::string bytes = save(original);
    original.recomputeStatistics();
    original.recomputeAltitudeRange();

    SurveyModel reread(settings);
    RecordingPrompts prompts;
    load(bytes, reread, prompts);
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_EQ(reread.mean[axis].sum, original.mean[axis].sum) << axis;
        EXPECT_EQ(reread.mean[axis].count, original.mean[axis].count) << axis;
        EXPECT_EQ(reread.leastSquares[axis].estimate(), original.leastSquares[axis].estimate()) << axis;
        EXPECT_EQ(reread.leastSquares[axis].spread(), original.leastSquares[axis].spread()) << axis;
    }
    EXPECT_EQ(reread.hdopClassCounts, original.hdopClassCounts);
    EXPECT_EQ(reread.altitudeMax, 61600);
    EXPECT_EQ(reread.altitudeMin, 60000);
}

TEST_F(PathFileTest, ReadReplacesWhatTheSurveyHeld)
{
    SurveyModel source(settings);
    source.addSample(1, 2, 3, 10, 1, 10, 10);
    const std::string bytes = save(source);

    SurveyModel target(settings);
    for (int i = 0; i < 7000; ++i) target.addSample(5, 6, 7, 10, 1, 10, 10);
    RecordingPrompts prompts;
    load(bytes, target, prompts);
    EXPECT_EQ(target.sampleCount(), 1u);
    EXPECT_EQ(target.mean[SurveyModel::kLatitude].count, 1u);
    EXPECT_EQ(target.samples().at(0).latitude, 10000000);
}

TEST_F(PathFileTest, AcquisitionQuestion)
{
    const struct {
        const char* legend;
        bool enabledBefore, answer;
        int questions;
        bool enabledAfter;
    } rows[] = {
        {"asked while acquiring; Yes switches it off", true, true, 1, false},
        {"asked while acquiring; No leaves it on", true, false, 1, true},
        {"not asked when already off", false, true, 0, false},
    };
    SurveyModel empty(settings);
    const std::string bytes = save(empty);
    for (const auto& r : rows) {
        SurveyModel survey(settings);
        survey.acquisitionEnabled = r.enabledBefore;
        RecordingPrompts prompts(r.answer);
        load(bytes, survey, prompts);
        EXPECT_EQ(prompts.questions, r.questions) << r.legend;
        EXPECT_EQ(survey.acquisitionEnabled, r.enabledAfter) << r.legend;
    }
}

TEST_F(PathFileTest, OldLayout)
{
    const std::string bytes = oldFile({{472612983, 113466683, 61590, 15, 1},
                                       {-338688197, -1512092999, -1234, 45, 0}},
                                      2);
    ASSERT_LT(bytes.size(), 2048u);
    SurveyModel survey(settings);
    survey.headerBlock[40] = 'x';
    RecordingPrompts prompts;
    const PathReadResult result = load(bytes, survey, prompts);
    EXPECT_EQ(result.status, PathReadResult::Status::Ok);
    EXPECT_TRUE(result.oldLayout);
    EXPECT_EQ(prompts.notices, 1);
    ASSERT_EQ(survey.sampleCount(), 2u);
    const SurveySample& first = survey.samples().at(0);
    EXPECT_EQ(first.latitude, 472612983);
    EXPECT_EQ(first.longitude, 113466683);
    EXPECT_EQ(first.altitude, 61590);
    EXPECT_EQ(first.pdop10, 15);
    EXPECT_EQ(first.hdop10, 15);
    EXPECT_EQ(first.vdop10, 15);
    EXPECT_EQ(first.fix3d, 1);
    EXPECT_EQ(survey.samples().at(1).fix3d, 0);
    // DOP 1.5 with a 3D fix: both estimates, second class; DOP 4.5: neither, third.
    EXPECT_EQ(survey.mean[SurveyModel::kLatitude].count, 1u);
    EXPECT_EQ(survey.mean[SurveyModel::kAltitude].count, 1u);
    EXPECT_EQ(survey.hdopClassCounts[1], 1u);
    EXPECT_EQ(survey.hdopClassCounts[2], 1u);
    EXPECT_EQ(survey.altitudeMin, -1234);
    EXPECT_TRUE(survey.modified) << "an old file is saved again only in the new layout";
    EXPECT_EQ(pathComment(survey.headerBlock), "") << "an old file has no comment";

    // Saving it writes the new layout with the same integers.
    const std::string saved = save(survey);
    EXPECT_EQ(saved.size(), 2048u + 2 * 62u);
    EXPECT_EQ(std::memcmp(saved.data() + 2048, bytes.data() + 4, 12), 0);
}

TEST_F(PathFileTest, OldLayoutLongerThanAHeaderFromAOneWayStream)
{
    // 300 records: the count and the first records lie in the bytes taken
    // as a header, the rest still in the stream, which cannot seek back.
    std::string bytes;
    put32(bytes, 300);
    for (std::uint32_t i = 0; i < 300; ++i) {
        const std::string one = oldFile({{static_cast<std::int32_t>(i), 2, 3, 10, 1}}, 1);
        bytes += one.substr(4);
    }
    ASSERT_GT(bytes.size(), 2048u);
    OneWayBuffer buffer(bytes);
    std::istream in(&buffer);
    ASSERT_EQ(in.seekg(0).fail(), true) << "the stream must refuse to seek";
    in.clear();
    SurveyModel survey(settings);
    RecordingPrompts prompts;
    const PathReadResult result = readPathFile(in, survey, prompts);
    EXPECT_EQ(result.status, PathReadResult::Status::Ok);
    ASSERT_EQ(survey.sampleCount(), 300u);
    for (std::uint32_t i = 0; i < 300; ++i)
        ASSERT_EQ(survey.samples().at(i).latitude, static_cast<std::int32_t>(i));
}

TEST_F(PathFileTest, ShortOrDamagedFilesAreErrorsThatKeepWhatWasRead)
{
    SurveyModel source(settings);
    for (int i = 0; i < 10; ++i) source.addSample(47 + i * 0.001, 11, 600, 10, 1, 10, 10);
    const std::string whole = save(source);
    const std::string old = oldFile({{1, 2, 3, 10, 1}, {4, 5, 6, 10, 1}, {7, 8, 9, 10, 1}}, 3);

    const struct {
        const char* legend;
        std::string bytes;
        bool oldLayout;
        std::uint32_t announced, stored;
    } rows[] = {
        {"record cut in the middle", whole.substr(0, whole.size() - 30), false, 10, 9},
        {"records missing", whole.substr(0, 2048 + 62 * 4), false, 10, 4},
        {"header cut short after the magic", whole.substr(0, 100), false, 0, 0},
        {"old layout cut short", old.substr(0, old.size() - 1), true, 3, 2},
        {"old layout count alone", old.substr(0, 4), true, 3, 0},
        {"too short for an old count", "ab", true, 0, 0},
        {"empty file", "", true, 0, 0},
    };
    for (const auto& r : rows) {
        SurveyModel survey(settings);
        RecordingPrompts prompts;
        const PathReadResult result = load(r.bytes, survey, prompts);
        EXPECT_EQ(result.status, PathReadResult::Status::Truncated) << r.legend;
        EXPECT_EQ(result.oldLayout, r.oldLayout) << r.legend;
        EXPECT_EQ(result.announced, r.announced) << r.legend;
        EXPECT_EQ(result.stored, r.stored) << r.legend;
        EXPECT_EQ(survey.sampleCount(), r.stored) << r.legend;
        EXPECT_EQ(survey.hdopClassCounts[0], r.stored) << r.legend;
        EXPECT_TRUE(survey.modified) << r.legend << ": never taken for the whole file";
        const std::string message = describePathReadError(result, "pier.pth");
        EXPECT_NE(message.find("pier.pth"), std::string::npos) << r.legend;
    }
}

// A count smaller than the records that follow it: the announced ones are
// read, the others counted (whole records only) so that the caller can say so.
TEST_F(PathFileTest, RecordsBeyondTheCountAreCountedNotRead)
{
    SurveyModel source(settings);
    for (int i = 0; i < 10; ++i) source.addSample(47 + i * 0.001, 11, 600, 10, 1, 10, 10);
    std::string understated = save(source);
    putLe32(reinterpret_cast<unsigned char*>(understated.data()) + 36, 7);
    const std::string old = oldFile({{1, 2, 3, 10, 1}, {4, 5, 6, 10, 1}, {7, 8, 9, 10, 1}}, 1);

    const struct {
        const char* legend;
        std::string bytes;
        std::uint32_t stored;
        std::uint64_t unannounced;
    } rows[] = {
        {"three records past a count of 7", understated, 7, 3},
        {"and half a record more", understated + std::string(31, 'x'), 7, 3},
        {"old layout, two past a count of 1", old, 1, 2},
        {"whole file", save(source), 10, 0},
    };
    for (const auto& r : rows) {
        SurveyModel survey(settings);
        RecordingPrompts prompts;
        OneWayBuffer buffer(r.bytes);
        std::istream in(&buffer);
        const PathReadResult result = readPathFile(in, survey, prompts);
        EXPECT_EQ(result.status, PathReadResult::Status::Ok) << r.legend;
        EXPECT_EQ(survey.sampleCount(), r.stored) << r.legend;
        EXPECT_EQ(result.unannounced, r.unannounced) << r.legend;
        EXPECT_EQ(describeUnannouncedRecords(result, "pier.pth").empty(), r.unannounced == 0)
            << r.legend;
    }
}

TEST_F(PathFileTest, MoreRecordsThanTheSurveyHolds)
{
    SurveyModel source(settings);
    for (int i = 0; i < 5003; ++i) source.addSample(1, 1, 1, 10, 1, 10, 10);
    const std::string bytes = save(source);
    SurveyModel small(settings, 1);
    RecordingPrompts prompts;
    const PathReadResult result = load(bytes, small, prompts);
    EXPECT_EQ(result.status, PathReadResult::Status::StoreFull);
    EXPECT_EQ(result.stored, 5000u);
    EXPECT_EQ(small.sampleCount(), 5000u);
    EXPECT_NE(describePathReadError(result, "big.pth").find("5000 of 5003"), std::string::npos);
}

TEST_F(PathFileTest, Comment)
{
    PathHeaderBlock header{};
    header[45] = 0x55; // a byte after the new comment's NUL stays
    setPathComment(header, "Hi");
    EXPECT_EQ(pathComment(header), "Hi");
    EXPECT_EQ(header[42], 0);
    EXPECT_EQ(header[45], 0x55);

    setPathComment(header, std::string(600, 'c'));
    EXPECT_EQ(pathComment(header), std::string(511, 'c'));

    // No NUL anywhere after byte 40: the comment runs to the block's end.
    header.fill('z');
    EXPECT_EQ(pathComment(header), std::string(2048 - 40, 'z'));
}

TEST_F(PathFileTest, SaveToAPathLeavesNoPartialFile)
{
    SurveyModel survey(settings);
    survey.addSample(1, 2, 3, 10, 1, 10, 10);
    std::string error;
    EXPECT_FALSE(savePathFile("/nonexistent-folder/x.pth", survey, error));
    EXPECT_NE(error.find("/nonexistent-folder/x.pth"), std::string::npos);

    const std::string path = ::testing::TempDir() + "survey-save-test.pth";
    ASSERT_TRUE(savePathFile(path, survey, error)) << error;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), save(survey));
    std::remove(path.c_str());
    EXPECT_FALSE(std::ifstream(path + ".saving").good());
}

// Saving went through a temporary file renamed over the name: a link was
// replaced by a plain file, a pipe or device by a file, and a private file
// came back readable by all. The contents now go where the name leads, with
// the mode it had, and what is not a plain file is refused and left alone.
TEST_F(PathFileTest, SaveWritesThroughLinksKeepsTheModeAndRefusesNonFiles)
{
    SurveyModel survey(settings);
    survey.addSample(1, 2, 3, 10, 1, 10, 10);
    const std::string expected = save(survey);
    std::string pattern = ::testing::TempDir() + "survey-save-XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::string folder = pattern + "/";
    ASSERT_EQ(mkfifo((folder + "pipe.pth").c_str(), 0600), 0);
    for (const char* name : {"private.pth", "shared.pth"}) std::ofstream(folder + name) << "old";
    ASSERT_EQ(chmod((folder + "private.pth").c_str(), 0600), 0);
    ASSERT_EQ(chmod((folder + "shared.pth").c_str(), 0640), 0);
    ASSERT_EQ(symlink("shared.pth", (folder + "link.pth").c_str()), 0) << "a relative link";

    const struct {
        const char* saved;    // the name given to the save
        const char* lands;    // where the contents must be, or null: refused
        mode_t mode;          // the mode that file has afterwards
        const char* legend;
    } rows[] = {
        {"private.pth", "private.pth", 0600, "a private file stays private"},
        {"link.pth", "shared.pth", 0640, "through a link to its target"},
        {"pipe.pth", nullptr, 0, "a pipe is no file to save to"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        std::string error;
        const std::string path = folder + row.saved;
        const bool saved = savePathFile(path, survey, error);
        struct stat info {};
        if (row.lands == nullptr) {
            EXPECT_FALSE(saved);
            EXPECT_NE(error.find(path), std::string::npos) << error;
            EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
            ASSERT_EQ(lstat(path.c_str(), &info), 0);
            EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "left as it was";
            continue;
        }
        ASSERT_TRUE(saved) << error;
        std::ifstream in(folder + row.lands, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        EXPECT_TRUE(text.str() == expected) << "the saved contents are not there";
        ASSERT_EQ(stat((folder + row.lands).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, row.mode);
    }
    struct stat link {};
    ASSERT_EQ(lstat((folder + "link.pth").c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode)) << "the link is still a link";
    // Nothing is left behind: the four names and no temporary file.
    int entries = 0;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir))
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                ++entries;
        closedir(dir);
    }
    EXPECT_EQ(entries, 4);
}

TEST_F(PathFileTest, ProgressCanStopTheRead)
{
    SurveyModel source(settings);
    for (int i = 0; i < 10000; ++i) source.addSample(47 + i * 1e-6, 11, 600, 10, 1, 10, 10);
    const std::string bytes = save(source);
    ASSERT_GT(10000u, 2 * kPathProgressRecords) << "the read must take several blocks";

    const struct {
        const char* legend;
        int stopAtCall; // 0: never
        int calls;
        PathReadResult::Status status;
        std::uint32_t stored;
    } rows[] = {
        {"never stopped", 0, 3, PathReadResult::Status::Ok, 10000},
        {"stopped at the first call", 1, 1, PathReadResult::Status::Stopped, kPathProgressRecords},
        {"stopped after the last record: nothing lost", 3, 3, PathReadResult::Status::Ok, 10000},
    };
    for (const auto& r : rows) {
        SurveyModel survey(settings);
        RecordingPrompts prompts;
        std::istringstream in(bytes);
        int calls = 0;
        std::uint32_t lastRead = 0;
        const PathReadResult result =
            readPathFile(in, survey, prompts, [&](std::uint32_t read, std::uint32_t announced) {
                ++calls;
                EXPECT_EQ(announced, 10000u) << r.legend;
                EXPECT_GT(read, lastRead) << r.legend;
                lastRead = read;
                return calls != r.stopAtCall;
            });
        EXPECT_EQ(calls, r.calls) << r.legend;
        EXPECT_EQ(lastRead, r.stored) << r.legend << ": the last call saw every stored record";
        EXPECT_EQ(result.status, r.status) << r.legend;
        EXPECT_EQ(result.stored, r.stored) << r.legend;
        EXPECT_EQ(survey.sampleCount(), r.stored) << r.legend;
        // The statistics cover exactly the records kept.
        EXPECT_EQ(survey.mean[SurveyModel::kLatitude].count, r.stored) << r.legend;
        EXPECT_EQ(survey.modified, r.status != PathReadResult::Status::Ok) << r.legend;
    }

    SurveyModel survey(settings);
    RecordingPrompts prompts;
    std::istringstream in(bytes);
    const PathReadResult stopped = readPathFile(in, survey, prompts, [](auto, auto) { return false; });
    EXPECT_EQ(describePathReadError(stopped, "pier.pth"),
              "Reading pier.pth was stopped: 4096 of 10000 samples read.");
}
