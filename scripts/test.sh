#!/usr/bin/env bash
# Runs every test: the native test bed (ASan + UBSan), then the Windows builds, the Windows tests
# under Wine in a virtual X server, and the export table of the 64-bit DLL.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native -j2
ctest --preset native -j2

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2
ctest --preset win64

cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2

source scripts/wine-env.sh
trap 'pelk_stop_wine; pelk_stop_xvfb' EXIT
pelk_start_xvfb
pelk_wine_prefix "$PWD/build/win32/wineprefix"
# One test at a time: several of them move the real mouse pointer.
ctest --preset win32 -j1
