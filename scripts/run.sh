#!/usr/bin/env bash
# The main job: builds Pelk412.dll (32 and 64 bit), the help library and the stand-in host, then
# runs the host against the real DLL under Wine and prints what the exports answer. Uses $DISPLAY
# when there is one, else a virtual X server. Arguments go to the host (see --help); by default
# it waits until the page is closed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset win64 >/dev/null
cmake --build --preset win64 -j2
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j2

source scripts/wine-env.sh
cleanup() {
  pelk_stop_wine
  pelk_stop_xvfb
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  pelk_start_xvfb
fi
pelk_wine_prefix "$PWD/build/win32/wineprefix"

bin="$PWD/build/win32/bin"
echo "Running the stand-in host against $bin/Pelk412.dll under Wine (display $DISPLAY)"
cd "$bin"
wine host.exe Pelk412.dll "$@"
