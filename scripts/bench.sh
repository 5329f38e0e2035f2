#!/usr/bin/env bash
# The benchmarks: builds what they need (presets win32, win64, bench-native), runs pelk_bench.exe
# under Wine in a virtual X server for each width (open latency against a hand-built window, DLL
# sizes, objects and private bytes over 500 create/free cycles), then the instruction count of one
# module cycle under callgrind. Extra arguments go to pelk_bench.exe (--runs N, --cycles N). Where
# the kernel runs no 32-bit programs, 32-bit Wine cannot start: the i686 run is left out and said
# so (the 64-bit table still reports the i686 DLL's size).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if ! command -v valgrind >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends valgrind
fi

source scripts/wine-env.sh
runs32=yes
pelk_runs_32bit || runs32=no
wine32=ON
[ "$runs32" = yes ] || wine32=OFF
cmake --preset win32 -DPELK_WINE_TESTS=$wine32 >/dev/null
cmake --build --preset win32 -j2 --target Pelk412 MvxHelp pelk_bench
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2 --target Pelk412 MvxHelp pelk_bench
cmake --preset bench-native >/dev/null
cmake --build --preset bench-native -j2

trap 'pelk_stop_wine; pelk_stop_xvfb' EXIT
pelk_start_xvfb

for arch in win64 win32; do
  name=x86_64
  [ "$arch" = win32 ] && name=i686
  echo
  if [ "$arch" = win32 ] && [ "$runs32" = no ]; then
    echo "== pelk_bench.exe ($name): left out, this machine runs no 32-bit programs"
    continue
  fi
  pelk_wine_prefix "build/$arch"
  # Measured without the tests' poisoning of freed memory: Wine's heap checks keep memory of their
  # own (about 800 KB over 500 cycles on 2026-12-08), which would count as the module's.
  export WINEDEBUG=-all
  echo "== pelk_bench.exe ($name, Wine $("$PELK_WINE" --version 2>/dev/null | sed 's/^wine-//'))"
  (cd "build/$arch/bin" && "$PELK_WINE" ./pelk_bench.exe "$@")
  pelk_stop_wine
done
echo
echo "== callgrind, native headless build"
scripts/callgrind-cycle.sh build/bench-native/bin/pelk_cycle
