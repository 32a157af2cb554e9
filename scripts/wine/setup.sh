#!/usr/bin/env bash
# Starts a private X display and a fresh Wine prefix under DIR for one test run, and writes
# DIR/env for the other scripts to source.  Usage: setup.sh DIR
# WINE64 and WINESERVER, when set, name Wine's programs; else they are looked for in PATH and
# /usr/lib/wine (where Debian keeps them).
set -euo pipefail
dir=$1
if [ -f "$dir/env" ]; then "$(dirname "$0")/teardown.sh" "$dir" || true; fi
rm -rf "$dir"
mkdir -p "$dir"

# Xvfb picks a free display and writes its number to fd 3.
# Large enough for the dialog at 192 dots per inch (some 1260 x 1090 pixels), which the DPI
# screenshots take from the screen.
Xvfb -displayfd 3 -screen 0 "${OVANTA_SCREEN:-1600x1200x24}" -nolisten tcp \
  3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
echo $! >"$dir/xvfb.pid"
for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.1; done
[ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; cat "$dir/xvfb.log" >&2; exit 1; }

# Every value quoted for the shell (%q): the folder's path may hold blanks or any letter.
{
  printf 'export DISPLAY=%q\n' ":$(head -n1 "$dir/display")"
  printf 'export WINEPREFIX=%q\n' "$dir/prefix"
  printf 'export WINEDEBUG=%q\n' "-all"
  printf 'export WINEDLLOVERRIDES=%q\n' "mscoree,mshtml=;winemenubuilder.exe=d"
  printf 'export WINE64=%q\n' "${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}"
  printf 'export WINESERVER=%q\n' "${WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver)}"
  # Wine takes the user's display language from the locale: the tests expect English, whatever
  # the machine's own language is.
  printf 'export LANG=C.UTF-8 LC_ALL=C.UTF-8\n'
} >"$dir/env"
# shellcheck disable=SC1091
. "$dir/env"

"$WINE64" wineboot -i >"$dir/wineboot.log" 2>&1
# Without a window manager, managed windows have no caption and every hide waits two seconds.
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n' >"$dir/x11.reg"
"$WINE64" regedit /S "$dir/x11.reg" >>"$dir/wineboot.log" 2>&1
# Debian's Wine does not find its own fonts otherwise (no Tahoma, no caption button glyphs).
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
"$WINESERVER" -k || true
# A persistent server, kept away from the caller's pipes (CTest would wait for it forever).
"$WINESERVER" -p </dev/null >/dev/null 2>&1
"$WINE64" wineboot >>"$dir/wineboot.log" 2>&1
echo "Wine ready on $DISPLAY in $WINEPREFIX"
