# Cross-builds the Windows programs on Linux with Debian's MinGW-w64 (the
# posix thread model, which std::thread and std::mutex need), and runs what
# the build runs, its tests included, under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread go inside the programs, so that the only
# libraries they load are Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
# The Release programs carry no symbols: a small download, and nothing to
# debug with that a user's machine could use anyway.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT -s)

# Wine's own messages about what it does not implement would bury the tests' output.
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEDEBUG=-all wine)
