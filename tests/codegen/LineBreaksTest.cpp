#include "codegen/LineBreaks.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace vellumet {
namespace {

static_assert(LineBreakAt(std::string_view("\r\n"), std::size_t{0}) == 2);

// Each case is checked on bytes with an unsigned index, and on UTF-16 with a signed index as Qt counts.
TEST(LineBreakAt, MeasuresEveryKindOfBreak)
{
    struct Case {
        std::string_view text;
        std::size_t index;
        std::size_t length;
    };
    // clang-format off
    const Case cases[] = {
        {"a\r\nb", 1, 2},
        {"a\r\nb", 2, 1}, // the LF of a CR LF, met on its own
        {"a\rb", 1, 1},
        {"a\nb", 1, 1},
        {"\n\r", 0, 1},
        {"\n\r", 1, 1},
        {"a\r", 1, 1},   // a CR that ends the text
        {"ab", 0, 0},
        {"\t", 0, 0},
        {"a", 1, 0},     // the end of the text
        {"", 0, 0},
        {std::string_view("ab\r\n", 2), 2, 0}, // a break that lies past the end of the view
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::string(c.text)) + " at " + std::to_string(c.index));
        EXPECT_EQ(LineBreakAt(c.text, c.index), c.length);
        const std::u16string wide(c.text.begin(), c.text.end());
        EXPECT_EQ(LineBreakAt(std::u16string_view(wide), static_cast<std::ptrdiff_t>(c.index)),
                  static_cast<std::ptrdiff_t>(c.length));
    }
}

} // namespace
} // namespace vellumet
