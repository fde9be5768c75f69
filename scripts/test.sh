#!/usr/bin/env bash
# Builds Kennwerk and runs every test, installing the Debian packages it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

need_packages cmake ninja-build g++ pkg-config libgtest-dev libpng-dev
cmake --preset headless
cmake --build --preset headless
ctest --preset headless

# The Windows product and the Win32 platform's tests under Wine.
bash scripts/test-windows.sh
