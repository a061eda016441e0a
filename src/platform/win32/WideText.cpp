// UTF-8 to UTF-16 and back through the system's converters, and text out of global memory.
#include "WideText.h"

#include <windows.h>

#include <climits>
#include <cwchar>
#include <stdexcept>

namespace vellumet {
namespace {

// The conversion functions count in int. A longer input would wrap to a
// negative length, which they read as "up to the first NUL"; a longer output
// makes them fail and answer 0.
int CheckedLength(std::size_t length)
{
    if (length == 0 || length > INT_MAX)
        throw std::length_error("text too long to convert between UTF-8 and UTF-16");
    return static_cast<int>(length);
}

} // namespace

std::wstring Wide(std::string_view utf8)
{
    // The system refuses an empty input as an invalid argument.
    if (utf8.empty())
        return {};
    const int length = CheckedLength(utf8.size());
    const int wideLength = CheckedLength(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0));
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
    return wide;
}

std::string Utf8(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int length = CheckedLength(wide.size());
    const int utf8Length =
        CheckedLength(WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr));
    std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), utf8Length, nullptr, nullptr);
    return utf8;
}

std::string Utf8TextIn(HGLOBAL memory)
{
    const auto* units = static_cast<const wchar_t*>(GlobalLock(memory));
    if (!units)
        return {};
    const std::string text = Utf8({units, wcsnlen(units, GlobalSize(memory) / sizeof(wchar_t))});
    GlobalUnlock(memory);
    return text;
}

} // namespace vellumet
