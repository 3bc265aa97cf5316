#!/bin/bash
# Pictures a Kalvo.exe as a PNG file: starts it on the display inside a Wine virtual
# desktop (so that the caption and the menu bar are drawn), lets the build's
# kalvo-screenshot.exe take the picture and close it, and prints its report. Runs inside
# tools/wine-session.sh.
#
# Usage: capture-kalvo.sh KALVO.EXE PICTURE.PNG [--command ID | --dialog ID | --tip X,Y]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVO_BUILD_DIR:-$root/build}
desktop_size=800x600
timeout_s=60

# A Unix path as Wine's Z: drive sees it.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

exe=$1 png=$2
shift 2
logs=$build/logs
bmp=${png%.png}.bmp report=${png%.png}.report
mkdir -p "$(dirname "$png")" "$logs"
rm -f "$bmp" "$png" "$report"
wine explorer "/desktop=Kalvo,$desktop_size" \
  "$(windows_path "$build/kalvo-screenshot.exe")" "$(windows_path "$exe")" \
  "$(windows_path "$bmp")" "$(windows_path "$report")" "$@" </dev/null >"$logs/run.log" 2>&1 &
explorer=$! waited=0
until [ -s "$report" ] || [ $waited -ge $((timeout_s * 10)) ]; do
  sleep 0.1
  waited=$((waited + 1))
done
# Wine's desktop ends with its last program; the session's end stops it otherwise.
kill "$explorer" 2>/dev/null || true
if [ ! -s "$report" ]; then
  echo "capture-kalvo: no answer from Kalvo within ${timeout_s}s (see $logs/run.log)" >&2
  exit 1
fi
cat "$report"
rm -f "$report"
if [ ! -s "$bmp" ]; then
  echo "capture-kalvo: no picture was taken" >&2
  exit 1
fi
python3 "$root/tools/bmp-to-png.py" "$bmp" "$png"
rm -f "$bmp"
