#!/bin/bash
# `make run`: starts the built Kalvo under Wine in the build's prefix.
# With a display, Kalvo simply runs there until the user closes it.
# Without one, it runs on Xvfb inside Wine's virtual desktop, its window is saved as a
# PNG picture and closed with WM_CLOSE (tools/capture-kalvo.sh); the script then says
# where the picture is.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVO_BUILD_DIR:-$root/build}

case "${1:-}" in
  --capture)
    png=$build/screenshots/kalvo.png
    "$root/tools/capture-kalvo.sh" "$build/Kalvo.exe" "$png"
    echo "Screenshot of Kalvo's window: $png"
    ;;
  "")
    if [ -n "${DISPLAY:-}" ]; then
      KALVO_VIRTUAL_DESKTOP=0 exec "$root/tools/wine-session.sh" wine "$build/Kalvo.exe"
    fi
    exec "$root/tools/wine-session.sh" "$0" --capture
    ;;
  *) echo "usage: $0" >&2; exit 2 ;;
esac
