#include "models/commandmonitor/CommandMonitorText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbilunex {
namespace {

CommandMonitorChange add(CommandMonitorText& monitor, const std::string& chunk)
{
    return monitor.appendText(chunk.data(), chunk.size());
}

TEST(CommandMonitorTextTest, ChunksShowAsATerminalWould)
{
    struct Case {
        std::vector<std::string> chunks;
        std::string held;
        const char* legend;
    };
    const std::string bs(1, '\b');
    const Case cases[] = {
        {{"$GPGGA,1*5A\r\n", "$GPGSA"}, "$GPGGA,1*5A\r\n$GPGSA",
         "a sentence ends its line; the next chunk starts a new one"},
        {{"ab" + bs + "c"}, "ac", "a backspace takes back the character before it"},
        {{"xyz", bs + bs + "Q"}, "xQ", "leading backspaces erase what is shown"},
        {{"ab", bs + bs + bs + bs + "Z"}, "Z", "more backspaces than shown erase only it all"},
        {{"ab", "\n\n\n"}, "ab", "only line feeds add nothing"},
        {{"ab\r", "\ncd"}, "ab\r\ncd", "a split CR LF still breaks once"},
        {{"one\ntwo"}, "onetwo", "a lone line feed joins lines"},
        {{"one\rtwo"}, "one\r\ntwo", "a lone carriage return ends a line"},
        {{"ab\r\n", bs + "c"}, "ab\rc", "a backspace can split a held line end"},
        {{"a\r" + bs + "b"}, "ab", "a backspace takes back a received line end"},
        {{std::string("ab\0cd", 5), "e"}, "abe", "a zero byte ends the chunk"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        CommandMonitorText monitor;
        for (const std::string& chunk : c.chunks) add(monitor, chunk);
        EXPECT_EQ(monitor.text(), c.held);
    }
}

TEST(CommandMonitorTextTest, ChangeSaysWhatADisplayMustDo)
{
    CommandMonitorText monitor;
    add(monitor, "xyz");
    const CommandMonitorChange change = add(monitor, "\b\bQ\r");
    EXPECT_FALSE(change.trimmed);
    EXPECT_EQ(change.erased, 2u);
    EXPECT_EQ(change.added, "Q\r\n");

    const CommandMonitorChange beyond = add(monitor, std::string(9, '\b'));
    EXPECT_EQ(beyond.erased, 4u) << "no more than was held";
    EXPECT_EQ(beyond.added, "");
    EXPECT_EQ(monitor.length(), 0u);
}

TEST(CommandMonitorTextTest, TrimsTheOldestBeforeAddingOnceFull)
{
    std::string full;
    for (std::size_t i = 0; full.size() < kMonitorTrimAt; ++i)
        full += static_cast<char>('A' + i % 26);
    full.resize(kMonitorTrimAt - 1);

    CommandMonitorText monitor;
    EXPECT_FALSE(add(monitor, full).trimmed) << "below the limit nothing goes";
    EXPECT_FALSE(add(monitor, "+").trimmed) << "the limit is reached, not passed";
    ASSERT_EQ(monitor.length(), 16384u);

    const CommandMonitorChange change = add(monitor, "\b!");
    EXPECT_TRUE(change.trimmed);
    EXPECT_EQ(change.erased, 1u);
    EXPECT_EQ(monitor.length(), 16384u - 4097u);
    // 4097 = 157 * 26 + 15: the text now starts at the 16th letter.
    EXPECT_EQ(monitor.text().substr(0, 4), "PQRS");
    EXPECT_EQ(monitor.text().back(), '!');

    monitor.erase();
    EXPECT_EQ(monitor.text(), "");
}

} // namespace
} // namespace orbilunex
