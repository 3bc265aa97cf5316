# Sourced after WINEPREFIX is set: the environment every Wine run of the project
# shares (Japanese ANSI code page, quiet, no Mono or Gecko downloads).
export WINEPREFIX
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
