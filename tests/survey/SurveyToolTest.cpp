#include "../common/ToolRun.h"
#include "../nmea/NmeaTestUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/stat.h>

namespace {

using orbilunex::test::readFile;
using orbilunex::test::ToolRun;

ToolRun runTool(const std::string& arguments)
{
    return orbilunex::test::runProgram(SURVEY_TOOL, arguments);
}

// The integer after "key": in a JSON text (first occurrence).
long long member(const std::string& json, const std::string& key)
{
    const std::string quoted = "\"" + key + "\":";
    const std::size_t at = json.find(quoted);
    if (at == std::string::npos) return -1;
    return std::stoll(json.substr(at + quoted.size()));
}

const std::string kLog = std::string(SAMPLE_DATA_DIR) + "/sample.nmea";
const std::string kScratch = ::testing::TempDir() + "survey-tool-";

} // namespace

TEST(SurveyTool, LogThenPathFileThenItsSave)
{
    const std::string pth = kScratch + "log.pth", again = kScratch + "again.pth";
    const std::string csv = kScratch + "log.csv";
    const ToolRun fromLog = runTool("--write " + pth + " --csv " + csv + " " + kLog);
    ASSERT_EQ(fromLog.exitCode, 0);
    const long long count = member(fromLog.output, "sampleCount");
    ASSERT_GT(count, 1000);
    EXPECT_EQ(fromLog.output.rfind("{\"sampleCount\":", 0), 0u);
    EXPECT_NE(fromLog.output.find("\"leastSquares\":{\"latitude\":{\"sumY\":"), std::string::npos);
    EXPECT_EQ(readFile(pth).size(), 2048u + 62u * static_cast<std::size_t>(count));

    std::istringstream rows(readFile(csv));
    std::string line;
    std::getline(rows, line);
    EXPECT_EQ(line, "latitude,longitude,altitude,pdop,hdop,vdop,fix3d,horizontal,vertical");
    long long lines = 0;
    while (std::getline(rows, line)) ++lines;
    EXPECT_EQ(lines, count);

    // Reading the path file gives the same samples and class counts; saving
    // it again gives the same bytes.
    const ToolRun fromFile = runTool("--write " + again + " " + pth);
    ASSERT_EQ(fromFile.exitCode, 0);
    EXPECT_EQ(member(fromFile.output, "sampleCount"), count);
    const std::string classes = "\"hdopClassCounts\":";
    EXPECT_EQ(fromFile.output.substr(fromFile.output.find(classes), 40),
              fromLog.output.substr(fromLog.output.find(classes), 40));
    EXPECT_EQ(readFile(again), readFile(pth));
}

TEST(SurveyTool, OptionsChangeWhatIsTaken)
{
    const ToolRun plain = runTool(kLog);
    const ToolRun unverified = runTool("--no-verify " + kLog);
    const ToolRun strict = runTool("--hdop-threshold 8 --vdop-threshold 0 " + kLog);
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_GT(member(unverified.output, "sampleCount"), member(plain.output, "sampleCount"));
    EXPECT_EQ(member(strict.output, "sampleCount"), member(plain.output, "sampleCount"));
    // "count" first appears in mean.latitude.
    EXPECT_LT(member(strict.output, "count"), member(plain.output, "count"));
    EXPECT_NE(strict.output.find("\"altitude\":{\"sum\":0,\"count\":0"), std::string::npos);
}

// A receiver of several systems sends GNGGA: GPS only takes none of it.
TEST(SurveyTool, AllSystemsTakesGnPositions)
{
    const std::string multi = std::string(SAMPLE_DATA_DIR) + "/sample-multi.nmea";
    const ToolRun gpsOnly = runTool(multi);
    const ToolRun all = runTool("--all-systems " + multi);
    ASSERT_EQ(all.exitCode, 0);
    EXPECT_EQ(member(gpsOnly.output, "sampleCount"), 0);
    EXPECT_GT(member(all.output, "sampleCount"), 400) << "ten minutes, most of them with a fix";
}

// The tool looked at a file's first bytes and sought back to its start,
// which a pipe cannot do: a log or path file through a pipe gave no samples
// and exit 0. Both now give the figures the file itself gives.
TEST(SurveyTool, InputThroughAPipeGivesTheFilesFigures)
{
    const std::string pth = kScratch + "piped.pth", fifo = kScratch + "fifo";
    const ToolRun fromLog = runTool("--write " + pth + " " + kLog);
    ASSERT_EQ(fromLog.exitCode, 0);
    ASSERT_GT(member(fromLog.output, "sampleCount"), 1000);
    const ToolRun fromPath = runTool(pth);
    ASSERT_EQ(fromPath.exitCode, 0);
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

    // Each run ends within 20 seconds, so a hang fails instead of stalling.
    const std::string tool = std::string("timeout 20 ") + SURVEY_TOOL;
    const struct {
        const char* legend;
        std::string command;
        const ToolRun& expected;
    } rows[] = {
        {"log on standard input", "cat " + kLog + " | " + tool + " /dev/stdin", fromLog},
        {"path file on standard input", "cat " + pth + " | " + tool + " /dev/stdin", fromPath},
        {"path file through a named pipe", "(cat " + pth + " > " + fifo + " &) ; " + tool + " " + fifo,
         fromPath},
    };
    for (const auto& row : rows) {
        const ToolRun piped = orbilunex::test::runProgram(row.command, "");
        EXPECT_EQ(piped.exitCode, 0) << row.legend;
        EXPECT_EQ(piped.output, row.expected.output) << row.legend;
    }
    std::remove(fifo.c_str());
}

// A header announcing fewer samples than the file holds: the announced ones
// are taken and the rest said on standard error, with exit 0 and the file
// left as it was.
TEST(SurveyTool, SamplesBeyondTheHeadersCountAreSaid)
{
    const std::string pth = kScratch + "understated.pth";
    ASSERT_EQ(runTool("--write " + pth + " " + kLog).exitCode, 0);
    std::string bytes = readFile(pth);
    const std::size_t held = (bytes.size() - 2048) / 62;
    ASSERT_GT(held, 100u);
    bytes[36] = 100; // the count, little-endian: 100
    bytes[37] = bytes[38] = bytes[39] = 0;
    std::ofstream(pth, std::ios::binary | std::ios::trunc) << bytes;

    const ToolRun run =
        orbilunex::test::runProgram("{ " + std::string(SURVEY_TOOL) + " " + pth + " 2>&1; }", "");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("warning: " + pth + " holds " + std::to_string(held) +
                              " samples but its header announces 100; only 100 were loaded."),
              std::string::npos)
        << run.output;
    EXPECT_EQ(member(run.output.substr(run.output.find('{')), "sampleCount"), 100);
    EXPECT_EQ(readFile(pth), bytes) << "the file is not changed";
}

TEST(SurveyTool, Failures)
{
    const std::string truncated = kScratch + "cut.pth";
    runTool("--write " + truncated + " " + kLog);
    const std::string whole = readFile(truncated);
    std::ofstream(truncated, std::ios::binary | std::ios::trunc) << whole.substr(0, whole.size() - 100);

    const struct {
        const char* legend;
        std::string arguments;
        int exitCode;
    } rows[] = {
        {"no input", "", 2},
        {"unknown option", "--fast " + kLog, 2},
        {"threshold not a number", "--hdop-threshold x " + kLog, 2},
        {"threshold beyond 16 bits", "--vdop-threshold 70000 " + kLog, 2},
        {"missing input", kScratch + "no-such-file.nmea", 1},
        {"truncated path file", truncated, 1},
        {"unwritable output", "--write /nonexistent-folder/x.pth " + kLog, 1},
        {"a folder as input", ::testing::TempDir(), 1},
    };
    for (const auto& r : rows) EXPECT_EQ(runTool(r.arguments).exitCode, r.exitCode) << r.legend;
}
