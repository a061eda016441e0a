// A strict evaluator of the Visual Basic string expressions generated code holds, independent of the code reader.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vellumet::testing {

// Appends a character as UTF-8.
inline void AppendUtf8(char32_t c, std::string& out)
{
    const int length = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    out += static_cast<char>(length == 1 ? c : (0xF00 >> length) | (c >> (6 * (length - 1))));
    for (int i = length - 2; i >= 0; --i)
        out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
}

// The texts of String variables, by name.
using VbVariables = std::map<std::string, std::string, std::less<>>;

// Evaluates the string expressions the generator writes: literals (a doubled
// quote stands for one; no line breaks inside), vbCrLf, vbLf, vbCr, vbTab,
// vbNullChar, Chr(n) below 128 and ChrW(&Hn), a surrogate pair as two, and the
// String variables given, joined by " & ". Anything else is refused, so what
// passes is well formed.
inline std::optional<std::string> EvaluateVbString(std::string_view e, const VbVariables& variables = {})
{
    static const std::map<std::string_view, std::string_view> Constants = {
        {"vbCrLf", "\r\n"}, {"vbLf", "\n"}, {"vbCr", "\r"}, {"vbTab", "\t"}, {"vbNullChar", std::string_view("\0", 1)}};
    std::string value;
    char32_t highSurrogate = 0;
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
            const std::string_view term = e.substr(i, end - i);
            const auto constant = Constants.find(term);
            char32_t code = 0;
            const auto variable = variables.find(term);
            if (constant != Constants.end()) {
                value += constant->second;
            } else if (variable != variables.end()) {
                value += variable->second;
            } else if (term.starts_with("Chr(") && term.ends_with(")") && term.size() > 5) {
                code = static_cast<char32_t>(std::stoul(std::string(term.substr(4))));
                if (code >= 0x80)
                    return std::nullopt;
                value += static_cast<char>(code);
            } else if (term.starts_with("ChrW(&H") && term.ends_with(")") && term.size() > 8) {
                // A character beyond U+FFFF is its two halves, the high one first.
                code = static_cast<char32_t>(std::stoul(std::string(term.substr(7)), nullptr, 16));
                if (code >= 0xD800 && code < 0xDC00)
                    highSurrogate = code;
                else
                    AppendUtf8(highSurrogate == 0 ? code : 0x10000 + ((highSurrogate - 0xD800) << 10) + code - 0xDC00,
                               value);
            } else {
                return std::nullopt;
            }
            highSurrogate = code >= 0xD800 && code < 0xDC00 ? code : 0;
            i = end;
        }
        if (i == e.size())
            return value;
        if (e.substr(i, 3) != " & ")
            return std::nullopt;
    }
}

} // namespace vellumet::testing
