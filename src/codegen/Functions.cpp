// Small text routines of the code generator and its readers.
#include "Functions.h"

#include <algorithm>
#include <cctype>

namespace vellumet {

std::string_view TrimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b,
                              [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
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
