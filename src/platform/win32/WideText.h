#pragma once

#include <string>
#include <string_view>

namespace vellumet {

// The program keeps its text in UTF-8 and Windows takes UTF-16. Every
// character passes both ways unchanged. Bytes that are not UTF-8 each become
// U+FFFD, as does half of a surrogate pair standing alone. Text longer than
// the system's conversion takes (2 GiB) throws std::length_error.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

} // namespace vellumet
