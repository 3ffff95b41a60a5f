#include "../common/ToolRun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using orbilunex::test::ToolRun;

ToolRun runTool(const std::string& arguments)
{
    return orbilunex::test::runProgram(DECODE_TOOL, arguments);
}

std::string lastLine(const std::string& text)
{
    // The text ends with '\n'; the last line runs from the one before it.
    const std::size_t end = text.size() - 1;
    const std::size_t previous = text.rfind('\n', end - 1);
    const std::size_t start = previous == std::string::npos ? 0 : previous + 1;
    return text.substr(start, end - start);
}

const std::string kLog = std::string(TEST_DATA_DIR) + "/sample-badsum.nmea";

TEST(DecodeTool, FinalStateAndEachSentence)
{
    const ToolRun final = runTool(kLog);
    ASSERT_EQ(final.exitCode, 0);
    ASSERT_FALSE(final.output.empty());
    EXPECT_EQ(final.output.find('\n'), final.output.size() - 1) << "one line";
    EXPECT_EQ(final.output.rfind("{\"sentenceCount\":", 0), 0u);

    const ToolRun each = runTool("--each " + kLog);
    ASSERT_EQ(each.exitCode, 0);
    int lines = 0;
    for (char c : each.output) lines += c == '\n';
    // One object per dispatched sentence: the count the final state reports.
    const std::string countKey = "\"sentenceCount\":";
    const std::size_t at = final.output.find(countKey) + countKey.size();
    EXPECT_EQ(lines, std::stoi(final.output.substr(at)));
    EXPECT_EQ(lastLine(each.output) + "\n", final.output);
}

TEST(DecodeTool, StandardInput)
{
    EXPECT_EQ(runTool("- < " + kLog).output, runTool(kLog).output);
    EXPECT_EQ(runTool("< " + kLog).output, runTool(kLog).output);
}

TEST(DecodeTool, Errors)
{
    EXPECT_EQ(runTool("/nonexistent/log.nmea").exitCode, 1);
    EXPECT_EQ(runTool("--bogus " + kLog).exitCode, 2);
    EXPECT_EQ(runTool(kLog + " " + kLog).exitCode, 2);
}

} // namespace
