#!/bin/sh
# Runs one Windows program in the given Wine prefix: wine-exec.sh PREFIX PROGRAM [ARGS...]
WINEPREFIX=$1
shift
. "$(dirname "$0")/wine-env.sh"
exec wine "$@"
