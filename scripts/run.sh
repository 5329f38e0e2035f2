#!/usr/bin/env bash
# The main job: builds Pelk412.dll (32 and 64 bit), the help library and the stand-in host, then
# shows the real page under Wine through the host. Arguments go to the host (see --help).
# With $DISPLAY the page stays until the user closes it; the host prints each broadcast and the
# answers of the exports. Without a display the page is shown in a virtual X server, a picture
# of it is saved to build/win32/page.png and its path printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2

source scripts/wine-env.sh
root="$PWD"
bin="$root/build/win32/bin"
host_log=""
cleanup() {
  pelk_stop_wine
  pelk_stop_xvfb
  [ -n "$host_log" ] && rm -f "$host_log"
  return 0
}
trap cleanup EXIT

if [ -n "${DISPLAY:-}" ]; then
  pelk_wine_prefix "$root/build/win32/wineprefix"
  echo "Showing the page on $DISPLAY; close it to end."
  cd "$bin"
  wine host.exe Pelk412.dll "$@"
  exit 0
fi

pelk_start_xvfb
pelk_wine_prefix "$root/build/win32/wineprefix"
picture="$root/build/win32/page.png"
host_log=$(mktemp)
rm -f "$picture"
(cd "$bin" && exec wine host.exe --run-ms 4000 Pelk412.dll "$@") >"$host_log" 2>&1 &
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
