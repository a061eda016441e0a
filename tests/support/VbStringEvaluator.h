#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vellumet::testing {

// Evaluates the string expressions the generator writes: literals (a doubled
// quote stands for one; no line breaks inside) and vbCrLf, vbLf, vbCr, vbTab,
// joined by " & ". Anything else is refused, so what passes is well formed.
inline std::optional<std::string> EvaluateVbString(std::string_view e)
{
    static const std::map<std::string_view, std::string_view> Constants = {
        {"vbCrLf", "\r\n"}, {"vbLf", "\n"}, {"vbCr", "\r"}, {"vbTab", "\t"}};
    std::string value;
    for (std::size_t i = 0;; i += 3) {
        if (i < e.size() && e[i] == '"') {
            for (++i;; ++i) {
                if (i == e.size() || e[i] == '\r' || e[i] == '\n')
                    return std::nullopt;
                if (e[i] != '"')
                    value += e[i];
                else if (i + 1 < e.size() && e[i + 1] == '"')
                    value += e[++i];
                else
                    break;
            }
            ++i;
        } else {
            const std::size_t end = std::min(e.find(' ', i), e.size());
            const auto constant = Constants.find(e.substr(i, end - i));
            if (constant == Constants.end())
                return std::nullopt;
            value += constant->second;
            i = end;
        }
        if (i == e.size())
            return value;
        if (e.substr(i, 3) != " & ")
            return std::nullopt;
    }
}

} // namespace vellumet::testing
