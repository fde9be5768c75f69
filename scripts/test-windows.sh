#!/usr/bin/env bash
# The Windows build: the 32-bit product Kennwerk.exe (statically linked, importing system DLLs
# only), and the Win32 platform's tests, built as 64-bit and run under wine64 on a virtual
# display (this machine class cannot execute 32-bit code). Installs the Debian packages it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/wine-prefix.sh

need_packages cmake ninja-build googletest g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix \
  wine wine64 xvfb xauth fonts-open-sans fonts-liberation

# An exe whose manifest names another processor does not start on Windows.
manifest_names() {
  grep -aq "processorArchitecture=\"$2\"" "$1" || { echo "$1: manifest does not name $2" >&2; exit 1; }
}

started=$(date +%s)

cmake --preset windows
cmake --build build/win32 --target kennwerk
exe=build/win32/app/Kennwerk.exe
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }')
if grep -Eiq 'libstdc|libgcc|winpthread' <<<"$imports"; then
  echo "Kennwerk.exe imports a runtime DLL:" $imports >&2
  exit 1
fi
echo "Kennwerk.exe: $(stat -c %s "$exe") bytes; imports:" $imports
manifest_names "$exe" X86

cmake --preset windows-tests
cmake --build build/win64 --target win32_tests clipboard_reader kennwerk
manifest_names build/win64/app/Kennwerk.exe amd64
make_wine_prefix "$PWD/build/win64/wineprefix"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build/win64/tests/win32 --output-on-failure --timeout 300 || status=$?
wineserver -k || true
echo "test-windows.sh: $(( $(date +%s) - started )) s"
exit $status
