#!/bin/bash
# Runs a command inside a ready Wine session: the private prefix made (on first use)
# and booted, a display (Xvfb when there is none) and one persistent wineserver, so
# that each Windows program the command starts comes up quickly. Everything Wine
# starts in the background writes to log files, never to this script's output.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVO_BUILD_DIR:-$root/build}
logs=$build/logs
mkdir -p "$logs"
WINEPREFIX=$build/wineprefix
. "$root/tools/wine-env.sh"
# Wine's Recycle Bin is the XDG trash: what the tests delete stays in the build folder,
# out of the user's own trash.
export XDG_DATA_HOME=$build/xdg-data
rm -rf "$XDG_DATA_HOME/Trash"
mkdir -p "$XDG_DATA_HOME"

xvfb_pid=
finish() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap finish EXIT

start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$logs/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
      if [ -e "/tmp/.X11-unix/X$n" ]; then export DISPLAY=":$n"; return 0; fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "wine-session: could not start Xvfb (see $logs/xvfb.log)" >&2
  return 1
}

if [ -z "${DISPLAY:-}" ]; then start_xvfb; fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-session: making the Wine prefix $WINEPREFIX (first use only)"
  mkdir -p "$WINEPREFIX"
fi
wineserver -p </dev/null >"$logs/wineserver.log" 2>&1
wine wineboot </dev/null >"$logs/wineboot.log" 2>&1
# A crashing test must end at once with its backtrace, not wait on a crash dialog.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
  </dev/null >>"$logs/wineboot.log" 2>&1
# As on Windows, text files open in Notepad: memos and the help file. This Wine knows
# the txtfile type but maps no extension to it.
wine reg add 'HKCR\.txt' /ve /d txtfile /f </dev/null >>"$logs/wineboot.log" 2>&1
wine reg add 'HKCR\txtfile\shell\open\command' /ve /d 'notepad.exe "%1"' /f \
  </dev/null >>"$logs/wineboot.log" 2>&1

# Tests run inside one virtual desktop: without a window manager on the display, Wine
# waits for every hidden or destroyed top-level window in vain, seconds each time.
desktop_key='HKCU\Software\Wine\Explorer'
if [ "${KALVO_VIRTUAL_DESKTOP:-1}" = 1 ]; then
  wine reg add "$desktop_key" /v Desktop /d Default /f </dev/null >>"$logs/wineboot.log" 2>&1
  wine reg add "$desktop_key\\Desktops" /v Default /d 1280x1024 /f \
    </dev/null >>"$logs/wineboot.log" 2>&1
else
  wine reg delete "$desktop_key" /v Desktop /f </dev/null >>"$logs/wineboot.log" 2>&1 || true
fi

"$@"
