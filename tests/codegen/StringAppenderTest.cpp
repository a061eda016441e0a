// The appender against std::string itself: pieces of every size a word copy handles, growing past the room
// reserved, putting in before the end, and the string cut back to what was written.
#include "codegen/StringAppender.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumet {
namespace {

TEST(StringAppender, WritesWhatAStringWouldHold)
{
    const std::string source = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJ";
    std::string written = "start:";
    std::string expected = written;
    {
        StringAppender appender(written);
        // Sizes 0 to 40 cover the byte, four-byte, eight-byte and call copies and their edges.
        for (std::size_t size = 0; size <= 40; ++size) {
            appender.append(std::string_view(source).substr(size % 5, size));
            expected.append(source, size % 5, size);
            appender += '|';
            expected += '|';
            ASSERT_EQ(appender.view(), expected) << size;
        }
        for (const std::size_t at : {std::size_t{0}, std::size_t{7}, expected.size() - 1, expected.size()}) {
            appender.insert(at, "_\r\n\t\t");
            expected.insert(at, "_\r\n\t\t");
        }
        EXPECT_TRUE(appender.ends_with(expected.substr(expected.size() - 9)));
        appender.resize(expected.size() + 10);
        EXPECT_EQ(appender.size(), expected.size()) << "resize only ever shortens";
        appender.resize(expected.size() - 3);
        expected.resize(expected.size() - 3);
    }
    EXPECT_EQ(written, expected);
}

} // namespace
} // namespace vellumet
