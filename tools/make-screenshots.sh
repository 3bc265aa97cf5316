#!/bin/bash
# `make screenshots`: the README's pictures in docs/: the main window with a few memo
# marks and today's outline, the tip of a day with a memo, and each of the three dialogs. Kalvo runs from a copy in
# build/screenshots/app with memos of its own. Runs inside tools/wine-session.sh.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVO_BUILD_DIR:-$root/build}
app=$build/screenshots/app
docs=$root/docs
# Command ids of the main window's menus.
cmd_prev_day=1209 cmd_next_day=1210 cmd_colors=1102 cmd_memo_list=1202 cmd_select_date=1212

rm -rf "$app"
mkdir -p "$app/memo" "$docs"
cp "$build/Kalvo.exe" "$app/"
month=$(date +%Y%m)
for day in 03 08 14 21 27; do
  : >"$app/memo/$month$day.txt"
done
tip_day=14
printf '買い物：牛乳、卵、パン\r\n15時 歯医者\r\n髙橋さんと山﨑さんに電話\r\n' \
  >"$app/memo/$month$tip_day.txt"
# The centre of that day's cell: the month view's grid starts at (8, 104), 32-pixel cells,
# Sunday first.
cell=$(($(date -d "$(date +%Y-%m-01)" +%w) + tip_day - 1))
tip_at="$((8 + 32 * (cell % 7) + 16)),$((104 + 32 * (cell / 7) + 16))"

# Today is selected at start-up; moving the selection one day, within the month, shows
# today's outline on its own.
if [ "$(date +%d)" = 01 ]; then move=$cmd_next_day; else move=$cmd_prev_day; fi

capture() { "$root/tools/capture-kalvo.sh" "$app/Kalvo.exe" "$docs/$1" "${@:2}"; }
capture main-window.png --command "$move"
capture day-tip.png --tip "$tip_at"
capture select-date-dialog.png --dialog "$cmd_select_date"
capture memo-list-dialog.png --dialog "$cmd_memo_list"
capture color-dialog.png --dialog "$cmd_colors"
echo "Pictures in $docs"
