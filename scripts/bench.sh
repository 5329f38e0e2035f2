#!/usr/bin/env bash
# The benchmarks: builds what they need (presets win32, win64, bench-native), runs pelk_bench.exe
# under Wine in a virtual X server (open latency against a hand-built window, DLL sizes, objects
# and private bytes over 500 create/free cycles), then the instruction count of one module cycle
# under callgrind. Extra arguments go to pelk_bench.exe (--runs N, --cycles N).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if ! command -v valgrind >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends valgrind
fi

cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2 --target pelk_bench
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target Pelk412
cmake --preset bench-native >/dev/null
cmake --build --preset bench-native -j2

source scripts/wine-env.sh
trap 'pelk_stop_wine; pelk_stop_xvfb' EXIT
pelk_start_xvfb
pelk_wine_prefix "$PWD/build/win32/wineprefix"

echo
echo "== pelk_bench.exe (i686, Wine $(wine --version 2>/dev/null | sed 's/^wine-//'))"
(cd build/win32/bin && wine ./pelk_bench.exe "$@")
echo
echo "== callgrind, native headless build"
scripts/callgrind-cycle.sh build/bench-native/bin/pelk_cycle
