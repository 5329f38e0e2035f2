#!/usr/bin/env bash
# Runs every test: the native test bed (ASan + UBSan), then both Windows builds with their checks
# and the Windows tests under Wine in a virtual X server: the 64-bit DLL in a 64-bit prefix, the
# 32-bit DLL in a 32-bit one. Where the kernel runs no 32-bit programs (some virtual machines), 32-bit
# Wine cannot start: the 32-bit DLL is then built and its export and import checks run, and the
# script says that its Wine tests were left out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native -j2
ctest --preset native -j2

source scripts/wine-env.sh
trap 'pelk_stop_wine; pelk_stop_xvfb' EXIT
pelk_start_xvfb

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2
pelk_wine_prefix build/win64
# One test at a time: several of them move the real mouse pointer.
ctest --preset win64 -j1
pelk_stop_wine

wine32=ON
if ! pelk_runs_32bit; then
  wine32=OFF
  echo "test.sh: this machine runs no 32-bit programs, so 32-bit Wine cannot start here; the" \
       "32-bit DLL's Wine tests are left out (its export and import checks still run)." >&2
fi
cmake --preset win32 -DPELK_WINE_TESTS=$wine32 >/dev/null
cmake --build --preset win32 -j2
[ "$wine32" = ON ] && pelk_wine_prefix build/win32
ctest --preset win32 -j1
