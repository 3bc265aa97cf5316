#!/bin/bash
# Runs the benchmark: makes the memo folders from the Linux side, puts copies of the
# release Kalvo.exe (and of KALVO_BENCH_BASELINE, an older Kalvo.exe to compare with,
# when set) beside them, and runs build/release/bench/KalvoBench.exe in the Wine session.
# `make bench` builds what it needs first. The first argument is the number of rounds.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
release=$root/build/release
work=$release/bench-work
rounds=${1:-9}

rm -rf "$work"
mkdir -p "$work"/{empty,10y,100y,delete}/memo
# Memos for every day up to yesterday: the month shown at start-up has memos before today
# and none after, as the user's own folder would.
python3 - "$work" <<'PY'
import datetime, os, sys
work = sys.argv[1]
last = datetime.date.today() - datetime.timedelta(days=1)
for folder, count in (("10y", 3650), ("100y", 36525)):
    for n in range(count):
        day = last - datetime.timedelta(days=n)
        open(os.path.join(work, folder, "memo", day.strftime("%Y%m%d.txt")), "w").close()
# Yesterday's memo has text for the day tip: more lines and characters than the tip shows.
line = "予定：10時 打ち合わせ、午後は資料の見直しと買い物（牛乳・卵・パン）。"
with open(os.path.join(work, "100y", "memo", last.strftime("%Y%m%d.txt")), "w",
          encoding="utf-8", newline="\r\n") as memo:
    memo.write("\n".join(f"{n}. {line}" for n in range(1, 41)))
PY
# The search's folder: as many memos, each about 260 bytes of text, every other one in
# UTF-8 and the rest in Shift-JIS; about one in ten holds the word the search looks for.
mkdir -p "$work/search/memo"
python3 - "$work/search/memo" <<'PY'
import datetime, os, random, sys
folder = sys.argv[1]
last = datetime.date.today() - datetime.timedelta(days=1)
plans = ["会議の資料を準備する", "買い物：牛乳、卵、パン", "散歩 5km",
         "読書『吾輩は猫である』", "Kalvo の更新を確認", "誕生日のプレゼント", "打ち合わせ 10:30",
         "部屋の掃除と洗濯", "映画を観る", "メールの返事を書く", "ジョギング 30分"]
for n in range(36525):
    day = last - datetime.timedelta(days=n)
    pick = random.Random(day.toordinal())
    text = day.strftime("%Y年%m月%d日の予定") + "\r\n"
    if pick.random() < 0.1:
        text += "・歯医者の予約 15:00\r\n"
    encoding = "utf-8" if n % 2 == 0 else "cp932"
    while len(text.encode(encoding)) < 230:
        text += "・" + pick.choice(plans) + "\r\n"
    data = text.encode(encoding)
    data += b"memo " * ((260 - len(data)) // 5)
    with open(os.path.join(folder, day.strftime("%Y%m%d.txt")), "wb") as memo:
        memo.write(data)
PY
names=(Kalvo.exe)
if [ -n "${KALVO_BENCH_BASELINE:-}" ]; then names+=(Kalvo-before.exe); fi
for folder in empty 10y 100y delete search; do
  cp "$release/Kalvo.exe" "$work/$folder/Kalvo.exe"
  if [ -n "${KALVO_BENCH_BASELINE:-}" ]; then
    cp "$KALVO_BENCH_BASELINE" "$work/$folder/Kalvo-before.exe"
  fi
done
cp "$release/bench/BareWindow.exe" "$release/bench/BareButtonWindow.exe" "$work/"

# Wine's own processes inherit standard output: the results go through a file.
log=$release/bench.log
KALVO_BUILD_DIR=$root/build "$root/tools/wine-session.sh" bash -c \
  '"$1" "$2" "$3" "$(winepath -w "$4")" "$5" "${@:7}" >"$6" 2>&1' _ \
  "$root/tools/wine-exec.sh" "$root/build/wineprefix" "$release/bench/KalvoBench.exe" "$work" \
  "$rounds" "$log" "${names[@]}"
cat "$log"

# The search in a session of its own, pinned to one core: a plain read of 36,525 memos
# under Wine takes about 1.4 s when the program and wineserver share a core and about 5 s
# when they do not, so unpinned the ratios swing with the scheduler. KALVO_BENCH_PIN=no
# leaves the session unpinned.
pin=()
if [ "${KALVO_BENCH_PIN:-yes}" != no ] && command -v taskset >/dev/null; then
  pin=(taskset -c "$(taskset -pc $$ | sed 's/.*: //; s/[,-].*//')")
fi
search_log=$release/bench-search.log
KALVO_BUILD_DIR=$root/build "${pin[@]}" "$root/tools/wine-session.sh" bash -c \
  '"$1" "$2" "$3" --search "$(winepath -w "$4")" "$5" "${@:7}" >"$6" 2>&1' _ \
  "$root/tools/wine-exec.sh" "$root/build/wineprefix" "$release/bench/KalvoBench.exe" "$work" \
  "$rounds" "$search_log" "${names[@]}"
echo "Memo search, ${pin[*]:-unpinned}:"
cat "$search_log"
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
  "$(wine --version 2>/dev/null), $(date -u +%Y-%m-%d)"
rm -rf "$work"
