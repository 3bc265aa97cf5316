#!/bin/bash
# `make screenshots`: the README's pictures in docs/: the main window with a few memo
# marks and today's outline, the tip of a day with a memo, each of the three older dialogs,
# a month with holidays shown and the tip of one, and the memo search with its results.
# Kalvo runs from a copy in build/screenshots/app with memos of its own. Runs inside
# tools/wine-session.sh.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVO_BUILD_DIR:-$root/build}
app=$build/screenshots/app
docs=$root/docs
# Command ids of the main window's menus.
cmd_prev_day=1209 cmd_next_day=1210 cmd_colors=1102 cmd_memo_list=1202 cmd_select_date=1212
cmd_prev_month=1205 cmd_next_month=1206 cmd_search=1214
# The search dialog's words box, its 検索 button and its status line.
search_words=1001 search_start=1002 search_status=1004

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

# The centre of a day's cell in its month (YYYY-MM-DD): the month view's grid starts at
# (8, 104), 32-pixel cells, Sunday first.
cell_centre() {
  local cell=$(($(date -d "${1:0:8}01" +%w) + 10#${1:8:2} - 1))
  echo "$((8 + 32 * (cell % 7) + 16)),$((104 + 32 * (cell / 7) + 16))"
}
tip_at=$(cell_centre "$(date +%Y-%m-)$tip_day")

# Today is selected at start-up; moving the selection one day, within the month, shows
# today's outline on its own.
if [ "$(date +%d)" = 01 ]; then move=$cmd_next_day; else move=$cmd_prev_day; fi

capture() { "$root/tools/capture-kalvo.sh" "$app/Kalvo.exe" "$docs/$1" "${@:2}"; }
capture main-window.png --command "$move"
capture day-tip.png --tip "$tip_at"
capture select-date-dialog.png --dialog "$cmd_select_date"
capture memo-list-dialog.png --dialog "$cmd_memo_list"
capture color-dialog.png --dialog "$cmd_colors"

# From here on the copy shows holidays and has more memos, which the pictures above leave
# out. May 2026 has Golden Week: 5/3 to 5/5 and 5/6, a 振替休日.
printf '[DISPLAY_SETTING]\r\nSHOW_HOLIDAYS=1\r\n' >"$app/Kalvo.ini"
holiday=2026-05-05
printf '家族で動物園\r\n柏餅とちまきを買う\r\n' >"$app/memo/${holiday//-/}.txt"
: >"$app/memo/20260503.txt"
months_away=$(($(date +%Y) * 12 + 10#$(date +%m) - (10#${holiday:0:4} * 12 + 10#${holiday:5:2})))
if [ $months_away -ge 0 ]; then move=$cmd_prev_month; else move=$cmd_next_month; fi
month_moves=()
for ((i = 0; i < ${months_away#-}; i++)); do month_moves+=(--command "$move"); done
capture holidays.png "${month_moves[@]}" --tip "$(cell_centre $holiday)"

# Memos with the word searched for, some in UTF-8 and some in Shift-JIS, and one without.
memo_utf8() { printf '%b' "$2" >"$app/memo/$1.txt"; }
memo_sjis() { printf '%b' "$2" | iconv -f UTF-8 -t CP932 >"$app/memo/$1.txt"; }
memo_utf8 20261130 '10時 定例会議（第2会議室）\r\n議事録を共有する\r\n'
memo_sjis 20261118 '企画会議の資料を印刷\r\n田中さんに確認\r\n'
memo_sjis 20261112 '病院 9時半\r\n'
memo_utf8 20261105 '午後 会議：来期の予算\r\n'
memo_sjis 20261022 '会議室の予約（11/5 14時から）\r\n'
memo_utf8 20261009 '部内会議 15:00\r\n報告書の締め切り\r\n'
memo_sjis 20260925 '会議のあと、駅前で食事\r\n'
capture search-dialog.png --dialog "$cmd_search" --type "$search_words" 会議 \
  --press "$search_start" --until "$search_status" 件見つかりました
echo "Pictures in $docs"
