#pragma once

// A function of a system library looked up by name while the program runs:
// for functions that older Windows versions lack, and for libraries the
// program loads only when it first needs them.

#include <windows.h>

#include <type_traits>

namespace vellumet {

// The function called `name` in the module, as the pointer type the caller
// gives (such as decltype(&GetDpiForWindow)); null when the module is null or
// has no such function.
template <class FunctionPointer>
FunctionPointer SystemFunction(HMODULE module, const char* name)
{
    static_assert(std::is_function_v<std::remove_pointer_t<FunctionPointer>>, "a pointer to a function");
    if (!module)
        return nullptr;
    // GetProcAddress hands every function back under one type; the caller names its real one.
    return reinterpret_cast<FunctionPointer>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace vellumet
