#!/bin/bash
# Lists 100 years of memos (36,525 files) in the memo list dialog and prints the times.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVO_BUILD_DIR:-$root/build}
base=$build/bench/memo-list
count=${1:-36525}

cmake --build "$build" -j2 --target MemoListBenchmark >/dev/null
rm -rf "$base"
mkdir -p "$base/memo"
python3 - "$base/memo" "$count" <<'PY'
import datetime, os, sys
folder, count = sys.argv[1], int(sys.argv[2])
day = datetime.date(2000, 1, 1)
for _ in range(count):
    open(os.path.join(folder, day.strftime("%Y%m%d.txt")), "w").close()
    day += datetime.timedelta(days=1)
PY
"$root/tools/wine-session.sh" bash -c \
  '"$1" "$2" "$(winepath -w "$3")" >"$4" 2>&1' _ \
  "$build/wine-run" "$build/tests/MemoListBenchmark.exe" "$base" "$build/bench/memo-list.log"
cat "$build/bench/memo-list.log"
rm -rf "$base"
