// vellumet-gen's entry point: the standard streams, as bytes, and the arguments, as UTF-8.
#include "GenCommand.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/win32/WideText.h"

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <windows.h>

namespace {

// The arguments as UTF-8, read from the command line Windows keeps in UTF-16.
// The ones the runtime hands main are in the ANSI code page, which holds few
// of the characters a title may have, while the body on standard input is
// UTF-8; the code written must be in one encoding. Empty if the system could
// not split the command line.
std::vector<std::string> Utf8Arguments()
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide && i < count; ++i)
        arguments.push_back(vellumet::Utf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

} // namespace
#endif

int main(int argc, char* argv[])
{
    std::vector<const char*> arguments(argv, argv + argc);
#ifdef _WIN32
    // The body and the code pass through byte for byte: CR LF stays CR LF.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    const std::vector<std::string> utf8 = Utf8Arguments();
    if (!utf8.empty()) {
        arguments.clear();
        for (const std::string& argument : utf8)
            arguments.push_back(argument.c_str());
    }
#endif
    std::ios::sync_with_stdio(false);
    return vellumet::RunGenCommand(static_cast<int>(arguments.size()), arguments.data(), std::cin, std::cout,
                                   std::cerr);
}
