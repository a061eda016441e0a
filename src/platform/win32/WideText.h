// Text between the program's UTF-8 and the UTF-16 Windows takes.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vellumet {

// The program keeps its text in UTF-8 and Windows takes UTF-16. Every
// character passes both ways unchanged. Bytes that are not UTF-8 each become
// U+FFFD, as does half of a surrogate pair standing alone. Text longer than
// the system's conversion takes (2 GiB) throws std::length_error.
std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The UTF-16 text another program put in global memory, as UTF-8: up to its
// first NUL, and never past the memory's end, where a NUL may be missing.
std::string Utf8TextIn(HGLOBAL memory);

} // namespace vellumet
