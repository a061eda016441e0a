// The line-break scanner: what counts as one break, on bytes and on UTF-16, a word at a time and one at a time.
#include "codegen/LineBreaks.h"
#include "support/CaseTable.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace vellumet {
namespace {

// Qt counts with a signed index.
static_assert(LineBreakAt(std::u16string_view(u"a\r\n"), std::ptrdiff_t{1}) == 2);

// Each line break of the table's texts, on bytes and on UTF-16, becomes one '|'.
TEST(LineBreaks, EachBreakIsReplacedOnce)
{
    for (auto row : testing::ReadCaseTable("linux-line-breaks.tsv")) {
        row.resize(3); // the empty text's row ends before its fields
        const auto wide = [](const std::string& text) { return std::u16string(text.begin(), text.end()); };
        SCOPED_TRACE(row[0]);
        EXPECT_EQ(ReplaceLineBreaks(row[1], '|'), row[2]);
        EXPECT_EQ(ReplaceLineBreaks(wide(row[1]), u'|'), wide(row[2]));
    }
}

// The stops of a text, as (index, length) pairs.
template <class Text>
std::vector<std::pair<std::size_t, std::size_t>> StopsOf(const Text& text)
{
    std::vector<std::pair<std::size_t, std::size_t>> stops;
    ForEachStop<'\t', '"'>(text, [&](auto at, auto length) { stops.emplace_back(at, length); });
    return stops;
}

// Bytes are scanned eight at a time; UTF-16 one character at a time. Both find the same stops in random texts of
// stops and letters, whose breaks fall on every place of a word, CR LF across two words included, and in views that
// end inside a CR LF.
TEST(LineBreaks, WordAtATimeFindsWhatOneAtATimeFinds)
{
    const std::string alphabet = "\r\n\t\"ab";
    std::mt19937 random(20260211);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    for (int n = 0; n < 3000 && !HasFailure(); ++n) {
        std::string text;
        for (std::size_t i = length(random); i > 0; --i)
            text += alphabet[pick(random)];
        const std::string_view view(text.data(), text.size() / 2 * 2);
        for (const std::string_view part : {std::string_view(text), view}) {
            const std::u16string wide(part.begin(), part.end());
            EXPECT_EQ(StopsOf(part), StopsOf(wide)) << ::testing::PrintToString(std::string(part));
        }
    }
}

} // namespace
} // namespace vellumet
