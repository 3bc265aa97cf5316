#!/bin/bash
# `make run`: starts the built Kalvo under Wine in the build's prefix.
# With a display, Kalvo simply runs there until the user closes it.
# Without one, it runs on Xvfb inside Wine's virtual desktop (so that the caption and
# the menu bar are drawn), its window is saved as a PNG picture, and it is closed with
# WM_CLOSE; the script then says where the picture is.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVO_BUILD_DIR:-$root/build}
desktop_size=800x600
timeout_s=60

# A Unix path as Wine's Z: drive sees it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

capture() {
  local shots=$build/screenshots logs=$build/logs
  local bmp=$shots/kalvo.bmp png=$shots/kalvo.png report=$shots/kalvo.txt
  mkdir -p "$shots" "$logs"
  rm -f "$bmp" "$png" "$report"
  wine explorer "/desktop=Kalvo,$desktop_size" \
    "$(windows_path "$build/kalvo-screenshot.exe")" "$(windows_path "$build/Kalvo.exe")" \
    "$(windows_path "$bmp")" "$(windows_path "$report")" </dev/null >"$logs/run.log" 2>&1 &
  local explorer=$! waited=0
  until [ -s "$report" ] || [ $waited -ge $((timeout_s * 10)) ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  # Wine's desktop ends with its last program; the session's end stops it otherwise.
  kill "$explorer" 2>/dev/null || true
  if [ ! -s "$report" ]; then
    echo "run-kalvo: no answer from Kalvo within ${timeout_s}s (see $logs/run.log)" >&2
    return 1
  fi
  cat "$report"
  if [ ! -s "$bmp" ]; then
    echo "run-kalvo: no picture was taken" >&2
    return 1
  fi
  python3 "$root/tools/bmp-to-png.py" "$bmp" "$png"
  rm -f "$bmp"
  echo "Screenshot of Kalvo's window: $png"
}

case "${1:-}" in
  --capture) capture ;;
  "")
    if [ -n "${DISPLAY:-}" ]; then
      KALVO_VIRTUAL_DESKTOP=0 exec "$root/tools/wine-session.sh" wine "$build/Kalvo.exe"
    fi
    exec "$root/tools/wine-session.sh" "$0" --capture
    ;;
  *) echo "usage: $0" >&2; exit 2 ;;
esac
