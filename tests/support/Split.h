#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vellumet::testing {

// The parts of text between separators; text without one is a single part.
inline std::vector<std::string> Split(std::string_view text, std::string_view separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos; start = end + separator.size())
        parts.emplace_back(text.substr(start, end - start));
    parts.emplace_back(text.substr(start));
    return parts;
}

} // namespace vellumet::testing
