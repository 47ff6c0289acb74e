#!/usr/bin/env bash
# Runs a 64-bit Windows program under Wine: wine-run.sh PROGRAM.exe [ARGS...]. CTest starts the
# Windows tests through it. Without a display it starts a virtual X server for the run. The Wine
# prefix lives next to the program's folder (made on first use, which takes a while); the run is
# bounded by WINE_RUN_TIMEOUT seconds (default 300).
set -euo pipefail
program="$1"
shift
wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
wineserver="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "$program")/.." && pwd)/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export HOME="${HOME:-$WINEPREFIX}"
# No prompts to install the .NET or HTML runtimes into a fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  export DISPLAY=":$n"
fi

if [ ! -d "$WINEPREFIX" ]; then
  timeout 300 "$wine" wineboot --init >/dev/null 2>&1
  # Windows inside one virtual desktop, their frames drawn by Wine as Windows draws them.
  "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  "$wineserver" -w
fi
timeout "${WINE_RUN_TIMEOUT:-300}" "$wine" "$program" "$@"
