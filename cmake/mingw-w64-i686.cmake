# Cross-compiles the 32-bit Windows product with Debian's mingw-w64 (posix threads, static runtime).
# This machine class cannot run 32-bit code under Wine, so the Wine tests use the x86_64 file.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# One self-contained, stripped exe: libstdc++, libgcc and winpthread linked in, no runtime DLL.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -s")
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
