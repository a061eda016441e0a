// The code page on Windows: the system locale's ANSI code page, and what WideCharToMultiByte makes of a character.
#include "CodePage.h"

#include <windows.h>

#include <array>

namespace vellumet {

unsigned SystemAnsiCodePage()
{
    DWORD codePage = 0;
    const int read = GetLocaleInfoEx(LOCALE_NAME_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                     reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR));
    // A locale with no ANSI code page of its own (code page 0) writes in the one the process uses.
    return read != 0 && codePage != 0 ? codePage : GetACP();
}

std::optional<CodePageWidth> CodePageWidthOf(unsigned codePage)
{
    if (codePage == Utf8CodePage)
        return CodePageWidth(Utf8Width);
    if (!IsValidCodePage(codePage))
        return std::nullopt;
    return CodePageWidth([codePage](char32_t character) -> std::size_t {
        std::array<wchar_t, 2> wide{};
        int length = 1;
        if (character < 0x10000) {
            wide[0] = static_cast<wchar_t>(character);
        } else {
            wide[0] = static_cast<wchar_t>(0xD800 + ((character - 0x10000) >> 10));
            wide[1] = static_cast<wchar_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
            length = 2;
        }
        std::array<char, 16> bytes{};
        BOOL usedDefault = FALSE;
        const int written = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, &usedDefault);
        return written > 0 && !usedDefault ? static_cast<std::size_t>(written) : 0;
    });
}

} // namespace vellumet
