#!/usr/bin/env bash
# Stops the Wine server and the X display that setup.sh started under DIR.  Usage: teardown.sh DIR
dir=$1
[ -f "$dir/env" ] || exit 0
# shellcheck disable=SC1091
. "$dir/env"
"$WINESERVER" -k >/dev/null 2>&1 || true
if [ -f "$dir/xvfb.pid" ]; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true; fi
rm -rf "$dir/prefix"
exit 0
