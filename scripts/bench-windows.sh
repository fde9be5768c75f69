#!/usr/bin/env bash
# Prints the size of the product Kennwerk.exe and how long Kennwerk takes under Wine from the
# start of its process until its window shows, beside an empty window's start-up (Wine's own
# share), on a virtual display. Where the kernel cannot execute 32-bit code, the 64-bit build of
# the same sources is timed, and the script says so.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/wine-prefix.sh

need_packages cmake ninja-build g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix wine wine64 \
  xvfb xauth fonts-open-sans fonts-liberation

cmake --preset windows >/dev/null
cmake --build build/win32 --target kennwerk >/dev/null
product=build/win32/app/Kennwerk.exe
echo "product $product: $(stat -c %s "$product") bytes ($(( $(stat -c %s "$product") / 1024 )) KiB; goal under 400 KiB)"

cmake --preset windows-tests -DKENNWERK_BENCH=ON >/dev/null
cmake --build build/win64 --target kennwerk kennwerk_startup_bench >/dev/null
prefix="$PWD/build/win64/wineprefix"
[ -d "$prefix" ] || make_wine_prefix "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all
timed="Z:$PWD/$product"
if ! (/usr/lib/wine/wine cmd /c exit 0) >/dev/null 2>&1; then
  # Stripped like the product: Wine spends about 100 ms reading the test build's debug sections.
  x86_64-w64-mingw32-strip -o build/win64/Kennwerk-stripped.exe build/win64/app/Kennwerk.exe
  timed="Z:$PWD/build/win64/Kennwerk-stripped.exe"
  echo "This kernel cannot run 32-bit programs under Wine: timing the 64-bit build instead, stripped."
fi
# The first start of a prefix brings wineserver and its services up; that is not Kennwerk's.
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c \
  '/usr/lib/wine/wine64 cmd /c exit 0 && /usr/lib/wine/wine64 "$0" "$1" 20' \
  build/win64/bench/win32/kennwerk_startup_bench.exe "$timed"
wineserver -k || true
