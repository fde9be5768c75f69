# Cross-compiles the 32-bit Windows product with Debian's mingw-w64 (static runtime). The product
# starts no thread of its own, so it takes the win32 thread model, which needs no winpthread; the
# tests' build (the x86_64 file) keeps the posix model for std::jthread. This machine class cannot
# run 32-bit code under Wine, so the Wine tests use that file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# One self-contained, stripped exe: libstdc++ and libgcc linked in, no runtime DLL, and of the
# runtime only the functions the program calls.
set(CMAKE_C_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_CXX_FLAGS_INIT "-ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -s -Wl,--gc-sections")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
