#!/usr/bin/env bash
# Builds Kennwerk.exe and starts it under Wine on the current display, installing the Debian
# packages it needs. Where the kernel cannot execute 32-bit code (no IA32 emulation), the 64-bit
# build of the same sources is started instead, and the script says so.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/wine-prefix.sh

need_packages cmake ninja-build g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix wine wine64 \
  fonts-open-sans fonts-liberation

cmake --preset windows
cmake --build build/win32 --target kennwerk
exe=build/win32/app/Kennwerk.exe
prefix="$PWD/build/wine-start"
[ -d "$prefix" ] || make_wine_prefix "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if ! (/usr/lib/wine/wine cmd /c exit 0) >/dev/null 2>&1; then
  echo "This kernel cannot run 32-bit programs under Wine: starting the 64-bit build instead."
  cmake --preset windows-tests
  cmake --build build/win64 --target kennwerk
  exec /usr/lib/wine/wine64 build/win64/app/Kennwerk.exe
fi
exec /usr/lib/wine/wine "$exe"
