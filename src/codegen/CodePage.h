// The code page generated code is saved in, as the generator sees it, and UTF-8 text read a character at a time.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace vellumet {

// How many bytes the code page the code is saved in takes for a character, or 0 when it has none for it. The
// generator asks only about characters beyond ASCII: every ANSI code page holds ASCII, a byte a character.
using CodePageWidth = std::function<std::size_t(char32_t)>;

// The code page number of UTF-8, which holds every character.
inline constexpr unsigned Utf8CodePage = 65001;

// UTF-8's width of a character, as a CodePageWidth: the code page in which every character is written as it is.
std::size_t Utf8Width(char32_t character);

// The bytes UTF-8 text takes in the code page; a character it lacks counts as nothing.
std::size_t WidthIn(std::string_view text, const CodePageWidth& codePage);

// A code page that holds ASCII only, as a CodePageWidth: every other character is written as ChrW(...).
std::size_t AsciiWidth(char32_t character);

struct Utf8Character {
    char32_t Value = 0;
    std::size_t Length = 0; // in bytes
};

// The character that starts at `at`, or nothing where no well-formed UTF-8 character starts: a stray or missing
// continuation byte, an overlong form, a surrogate or a value beyond U+10FFFF.
std::optional<Utf8Character> DecodeUtf8At(std::string_view text, std::size_t at);

// The offset of the first byte that is not well-formed UTF-8, or nothing when the whole text is.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view text);

} // namespace vellumet
