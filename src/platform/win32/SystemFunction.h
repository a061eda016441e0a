// Functions of Windows' own libraries, loaded at run time when first needed.
#pragma once

#include <windows.h>

namespace vellumet {

// A function of a library in the system's folder, or null where the library
// or the function is missing, as on an older Windows version. The library is
// loaded from the system's folder only, so that no file beside the program or
// in the current folder stands in for it, and it stays loaded, since callers
// keep the address. Libraries the program needs only now and then are loaded
// this way rather than at start, which they would slow down.
template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name)
{
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // GetProcAddress hands every function back under one type; the caller names its real one.
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

} // namespace vellumet
