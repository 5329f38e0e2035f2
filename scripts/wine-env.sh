# Sourced by the scripts: a virtual X server when needed, and a prepared Wine prefix.
# shellcheck shell=bash

PELK_XVFB_PID=""

# Starts Xvfb and exports DISPLAY unless a display is given and wanted.
pelk_start_xvfb() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  PELK_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fd_file" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
}

pelk_stop_xvfb() {
  if [ -n "$PELK_XVFB_PID" ]; then
    kill "$PELK_XVFB_PID" 2>/dev/null || true
    wait "$PELK_XVFB_PID" 2>/dev/null || true
    PELK_XVFB_PID=""
  fi
}

# True when 32-bit Wine can start here: some virtual machines' kernels run no 32-bit programs.
pelk_runs_32bit() {
  wine --version >/dev/null 2>&1
}

# pelk_wine_prefix BUILD: the Wine settings of a configured Windows build (its prefix and width,
# the loader, freed heap memory poisoned so a late touch of a freed object crashes), as CMake wrote
# them to BUILD/wine-env.sh (cmake/PelkWine.cmake), exported; PELK_WINE is the loader. Then the
# prefix is prepared: Wine drawing its own frames (no window manager), Wine's fonts, and a
# persistent wineserver. Needs DISPLAY.
pelk_wine_prefix() {
  if [ ! -f "$1/wine-env.sh" ]; then
    echo "wine-env.sh: $1 is no configured Windows build (no wine-env.sh)" >&2
    return 1
  fi
  # shellcheck source=/dev/null
  source "$1/wine-env.sh"
  mkdir -p "$WINEPREFIX"
  # Exits with 2 when a server for this prefix is running already, which is just as good.
  wineserver -p 2>/dev/null || true
  "$PELK_WINE" wineboot -i >/dev/null 2>&1
  if [ ! -f "$WINEPREFIX/.pelk-ready" ]; then
    "$PELK_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      >/dev/null 2>&1
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$WINEPREFIX/.pelk-ready"
  fi
}

pelk_stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
}
