// vellumet-gen's entry point: the standard streams, as bytes.
#include "GenCommand.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char* argv[])
{
#ifdef _WIN32
    // The body and the code pass through byte for byte: CR LF stays CR LF.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    return vellumet::RunGenCommand(argc, argv, std::cin, std::cout, std::cerr);
}
