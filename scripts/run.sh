#!/usr/bin/env bash
# The main job: builds Pelk412.dll (32 and 64 bit), the help library and the stand-in host, then
# shows the real page under Wine through the host: the 32-bit one, or with --64 as the first
# argument the 64-bit one (also chosen where the kernel runs no 32-bit programs, so 32-bit Wine
# cannot start). Further arguments go to the host (see --help).
# With $DISPLAY the page stays until the user closes it; the host prints each broadcast and the
# answers of the exports. Without a display the page is shown in a virtual X server, a picture
# of it is saved to build/<win32|win64>/page.png and its path printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2

source scripts/wine-env.sh
arch=win32
if [ "${1:-}" = --64 ]; then
  arch=win64
  shift
elif ! pelk_runs_32bit; then
  echo "run.sh: this machine runs no 32-bit programs; showing the 64-bit DLL instead." >&2
  arch=win64
fi
root="$PWD"
build="$root/build/$arch"
bin="$build/bin"
host_log=""
cleanup() {
  pelk_stop_wine
  pelk_stop_xvfb
  [ -n "$host_log" ] && rm -f "$host_log"
  return 0
}
trap cleanup EXIT

if [ -n "${DISPLAY:-}" ]; then
  pelk_wine_prefix "$build"
  echo "Showing the page on $DISPLAY; close it to end."
  cd "$bin"
  "$PELK_WINE" host.exe Pelk412.dll "$@"
  exit 0
fi

pelk_start_xvfb
pelk_wine_prefix "$build"
picture="$build/page.png"
host_log=$(mktemp)
rm -f "$picture"
(cd "$bin" && exec "$PELK_WINE" host.exe --run-ms 4000 Pelk412.dll "$@") >"$host_log" 2>&1 &
host_pid=$!

# The host says where the page lies once it has painted it.
geometry=""
for _ in $(seq 300); do
  geometry=$(sed -n 's/^page painted at \([0-9-]*\),\([0-9-]*\) size \([0-9]*\)x\([0-9]*\).*/\3x\4+\1+\2/p' \
    "$host_log" | head -n1)
  [ -n "$geometry" ] && break
  kill -0 "$host_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$geometry" ]; then
  wait "$host_pid" || true
  cat "$host_log"
  echo "run.sh: the page did not appear" >&2
  exit 1
fi
# Give the X server a moment to show what Wine drew.
sleep 0.5
import -window root -crop "$geometry" +repage "$picture"
wait "$host_pid" || true
cat "$host_log"
echo "Screenshot of the page: $picture"
