// The ANSI code page generated code is saved in, and what the system's converter says that code page holds.
#pragma once

#include "codegen/CodePage.h"

#include <optional>

namespace vellumet {

// The ANSI code page of this system: on Windows the system locale's; elsewhere the one Windows uses for the
// language of the user's locale (LC_ALL, LC_CTYPE or LANG), 1252 for the C and POSIX locales.
unsigned SystemAnsiCodePage();

// The bytes the code page takes for each character, as the system's converter says, without best-fit
// replacements; nothing when the system cannot convert to that code page. 65001 is UTF-8.
std::optional<CodePageWidth> CodePageWidthOf(unsigned codePage);

} // namespace vellumet
