#!/usr/bin/env bash
# The MSI package in the Wine environment that setup.sh made under WINE_DIR: installed silently
# over an older package (built here with a stand-in ovanta-solve.exe), checked byte for byte and
# started from its shortcut (tests Installed.*), then removed silently, which must keep the
# user's Tools.rel.
# Usage: test_msi.sh WINE_DIR PACKAGE.msi WORK_DIR TESTS.exe
# Environment: OVANTA_EXE, OVANTA_SOLVE, OVANTA_GUIDE, OVANTA_README, OVANTA_ICON, the built
# files; OVANTA_PROBE, a program to stand in for an older ovanta-solve.exe.
set -euo pipefail
wine_dir=$1 msi=$2 work=$3 tests=$4
# shellcheck disable=SC1091
. "$wine_dir/env"
fail() { echo "FAIL: $*" >&2; exit 1; }
msiexec() {
  echo "msiexec /$1 $(basename "$2") /qn"
  "$WINE64" msiexec "/$1" "Z:${2//\//\\}" /qn || fail "msiexec ended with $?"
}
# A path under one of the user's folders, named by its environment variable, on the Unix side.
unix_path() {
  local base
  base=$("$WINE64" cmd /c echo "%$1%" | tr -d '\r')
  [ "$base" != "%$1%" ] || fail "Wine does not know %$1%"
  "$WINE64" winepath -u "$base\\$2" | tr -d '\r'
}

rm -rf "$work"
mkdir -p "$work/older"
guides=$(dirname "$OVANTA_GUIDE")
cp "$OVANTA_EXE" "$OVANTA_GUIDE" "$guides/Ovanta-ca.pdf" "$guides/Ovanta-es.pdf" "$OVANTA_README" "$work/older/"
cp "$OVANTA_PROBE" "$work/older/ovanta-solve.exe"
"$(dirname "$0")/../msi.sh" "$work/older" "$work/Ovanta-0.0.1-x64.msi" x64 0.0.1 "$OVANTA_ICON"
folder=$(unix_path LOCALAPPDATA 'Programs\Ovanta')
shortcut=$(unix_path APPDATA 'Microsoft\Windows\Start Menu\Programs\Ovanta shot.lnk')
listing() { (cd "$folder" && find . -mindepth 1 -printf '%P ' | tr ' ' '\n' | LC_ALL=C sort | xargs); }

msiexec i "$work/Ovanta-0.0.1-x64.msi"
cmp "$OVANTA_PROBE" "$folder/ovanta-solve.exe"
msiexec i "$msi"
[ "$(listing)" = "Ovanta-ca.pdf Ovanta-es.pdf Ovanta.exe Ovanta.pdf ovanta-solve.exe readme.txt" ] || fail "installed: $(listing)"
cmp "$OVANTA_EXE" "$folder/Ovanta.exe"
cmp "$OVANTA_SOLVE" "$folder/ovanta-solve.exe"
cmp "$OVANTA_GUIDE" "$folder/Ovanta.pdf"
cmp "$guides/Ovanta-ca.pdf" "$folder/Ovanta-ca.pdf"
cmp "$guides/Ovanta-es.pdf" "$folder/Ovanta-es.pdf"
cmp "$OVANTA_README" "$folder/readme.txt"
[ "$("$WINE64" uninstaller --list | grep -c 'Ovanta shot')" = 1 ] || fail "not one entry in Apps & features"
"$WINE64" "$tests" --gtest_filter='Installed.*'

printf 'Notes\r\nnotepad.exe\r\n\r\n\r\n' >"$folder/Tools.rel"
msiexec x "$msi"
[ "$(listing)" = "Tools.rel" ] || fail "left after removal: $(listing)"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
if "$WINE64" uninstaller --list | grep 'Ovanta shot'; then fail "still in Apps & features"; fi
echo "Installed over an older package, started, removed: only Tools.rel is left in $folder"
