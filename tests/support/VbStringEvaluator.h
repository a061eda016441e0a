#pragma once

#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vellumet::testing {

// Evaluates the string expressions the generator writes: literals (a doubled
// quote stands for one quote) and the constants vbCrLf, vbLf, vbCr and vbTab,
// joined by " & ". Anything else, including other spacing, is refused, so a
// test that passes through here knows the generated text is well formed.
inline std::optional<std::string> EvaluateVbString(std::string_view expression)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> constants = {{
        {"vbCrLf", "\r\n"},
        {"vbLf", "\n"},
        {"vbCr", "\r"},
        {"vbTab", "\t"},
    }};
    constexpr std::string_view separator = " & ";

    std::string value;
    std::size_t i = 0;
    while (true) {
        if (i < expression.size() && expression[i] == '"') {
            for (++i;; ++i) {
                if (i == expression.size())
                    return std::nullopt; // unterminated literal
                if (expression[i] == '\r' || expression[i] == '\n')
                    return std::nullopt; // a literal cannot span lines
                if (expression[i] != '"') {
                    value += expression[i];
                } else if (i + 1 < expression.size() && expression[i + 1] == '"') {
                    value += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
        } else {
            // A whole word, so that "vbCrLfx" is not read as vbCrLf followed by garbage.
            std::size_t end = i;
            while (end < expression.size() && std::isalnum(static_cast<unsigned char>(expression[end])))
                ++end;
            const std::string_view word = expression.substr(i, end - i);
            bool known = false;
            for (const auto& [name, text] : constants)
                if (word == name) {
                    value += text;
                    known = true;
                }
            if (!known)
                return std::nullopt;
            i = end;
        }
        if (i == expression.size())
            return value;
        if (expression.substr(i, separator.size()) != separator)
            return std::nullopt; // a lone quote, a missing "&", or trailing garbage
        i += separator.size();
    }
}

} // namespace vellumet::testing
