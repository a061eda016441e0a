// Small text routines of the code generator and its readers.
#include "Functions.h"

#include <algorithm>

namespace vellumet {

std::string_view TrimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Visual Basic matches names whatever the case of their ASCII letters; any other byte matches only itself, in every
// locale the program runs in.
namespace {
constexpr char FoldedLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
} // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, {}, FoldedLetter, FoldedLetter);
}

std::string FoldedCase(std::string_view name)
{
    std::string folded(name);
    std::ranges::transform(folded, folded.begin(), FoldedLetter);
    return folded;
}

std::string InQuotes(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    return quoted.append(1, '"').append(text).append(1, '"');
}

std::string Counted(std::size_t count, std::string_view thing)
{
    return std::to_string(count) + " " + std::string(thing) + (count == 1 ? "" : "s");
}

std::string ExpectedAt(std::string_view what, std::string_view text)
{
    return "expected " + std::string(what) + " at " + InQuotes(text);
}

} // namespace vellumet
