#!/usr/bin/env bash
# Runs a Windows program in the Wine environment that setup.sh made under DIR; the program's
# exit code is this script's.  Usage: run.sh DIR PROGRAM.exe [ARGS...]
dir=$1
shift
# shellcheck disable=SC1091
. "$dir/env"
exec "$WINE64" "$@"
