#!/usr/bin/env bash
# The MSI package in the Wine environment that setup.sh made under WINE_DIR:
#  - refused with ALLUSERS=1 (it installs into one user's profile);
#  - installed silently over an older package (built here with a stand-in ovanta-solve.exe),
#    checked byte for byte, its folder on the user's PATH, started from its shortcut (tests
#    Installed.*);
#  - replaced by a rebuild of the same version, by the x86 package of that version and then
#    again by itself, with one entry in Apps & features each time;
#  - removed silently, which takes its folder off PATH and keeps the user's Tools.rel.
# The rebuild and the x86 package are built here from the same files: what is tested is the
# packages' tables, and Wine runs no 32-bit program here anyway.
# Usage: test_msi.sh WINE_DIR PACKAGE.msi WORK_DIR TESTS.exe
# Environment: OVANTA_EXE, OVANTA_SOLVE, OVANTA_GUIDE, OVANTA_README, OVANTA_ICON, the built
# files; OVANTA_PUBLISHER, the maker's name; OVANTA_PROBE, a program to stand in for an older
# ovanta-solve.exe.
set -euo pipefail
wine_dir=$1 msi=$2 work=$3 tests=$4
# shellcheck disable=SC1091
. "$wine_dir/env"
fail() { echo "FAIL: $*" >&2; exit 1; }
msiexec() {
  local action=$1 package=$2
  shift 2
  echo "msiexec /$action $(basename "$package") $* /qn"
  "$WINE64" msiexec "/$action" "Z:${package//\//\\}" "$@" /qn
}
# A path under one of the user's folders, named by its environment variable, on the Unix side.
unix_path() {
  local base
  base=$("$WINE64" cmd /c echo "%$1%" | tr -d '\r')
  [ "$base" != "%$1%" ] || fail "Wine does not know %$1%"
  "$WINE64" winepath -u "$base\\$2" | tr -d '\r'
}
version=$(msiinfo export "$msi" Property | tr -d '\r' | sed -n 's/^ProductVersion\t//p')
package() { "$(dirname "$0")/../msi.sh" "$1" "$2" "$3" "$4" "$OVANTA_ICON" "$OVANTA_PUBLISHER" >/dev/null; }

rm -rf "$work"
mkdir -p "$work/older" "$work/same"
guides=$(dirname "$OVANTA_GUIDE")
cp "$OVANTA_EXE" "$OVANTA_GUIDE" "$guides/Ovanta-ca.pdf" "$guides/Ovanta-es.pdf" "$OVANTA_README" "$work/older/"
cp "$OVANTA_PROBE" "$work/older/ovanta-solve.exe"
cp "$OVANTA_EXE" "$OVANTA_SOLVE" "$OVANTA_GUIDE" "$guides/Ovanta-ca.pdf" "$guides/Ovanta-es.pdf" "$OVANTA_README" "$work/same/"
package "$work/older" "$work/Ovanta-0.0.1-x64.msi" x64 0.0.1
package "$work/same" "$work/rebuild.msi" x64 "$version"
package "$work/same" "$work/x86.msi" x86 "$version"
folder=$(unix_path LOCALAPPDATA 'Programs\Ovanta')
shortcut=$(unix_path APPDATA 'Microsoft\Windows\Start Menu\Programs\Ovanta shot.lnk')
listing() { (cd "$folder" && find . -mindepth 1 -printf '%P ' | tr ' ' '\n' | LC_ALL=C sort | xargs); }
entries() { "$WINE64" uninstaller --list | grep -c 'Ovanta shot' || true; }
user_path() { "$WINE64" reg query 'HKCU\Environment' /v PATH 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_[A-Z_]*SZ *//p'; }
windows_folder=$("$WINE64" winepath -w "$folder" | tr -d '\r')
installed="Ovanta-ca.pdf Ovanta-es.pdf Ovanta.exe Ovanta.pdf ovanta-solve.exe readme.txt"

! msiexec i "$msi" ALLUSERS=1 || fail "installed with ALLUSERS=1"
[ ! -e "$folder/Ovanta.exe" ] && [ "$(entries)" = 0 ] || fail "ALLUSERS=1 left an installation"

msiexec i "$work/Ovanta-0.0.1-x64.msi" || fail "msiexec ended with $?"
cmp "$OVANTA_PROBE" "$folder/ovanta-solve.exe"
msiexec i "$msi" || fail "msiexec ended with $?"
[ "$(listing)" = "$installed" ] || fail "installed: $(listing)"
cmp "$OVANTA_EXE" "$folder/Ovanta.exe"
cmp "$OVANTA_SOLVE" "$folder/ovanta-solve.exe"
cmp "$OVANTA_GUIDE" "$folder/Ovanta.pdf"
cmp "$guides/Ovanta-ca.pdf" "$folder/Ovanta-ca.pdf"
cmp "$guides/Ovanta-es.pdf" "$folder/Ovanta-es.pdf"
cmp "$OVANTA_README" "$folder/readme.txt"
[ "$(entries)" = 1 ] || fail "not one entry in Apps & features"
# A command prompt opened after the install finds the solver from any folder.
[[ ";$(user_path);" == *";$windows_folder\\;"* ]] || fail "PATH is '$(user_path)', without $windows_folder"
answer=$(cd "$work" && "$WINE64" cmd /c ovanta-solve vo=20 angle=45 | tr -d '\r')
[[ "$answer" == *"reach 40.775"* ]] || fail "ovanta-solve from PATH answered: $answer"
"$WINE64" "$tests" --gtest_filter='Installed.*'

for package in "$work/rebuild.msi" "$work/x86.msi" "$msi"; do
  msiexec i "$package" || fail "msiexec ended with $?"
  [ "$(entries)" = 1 ] || fail "$(entries) entries in Apps & features after $(basename "$package")"
  [ "$(listing)" = "$installed" ] || fail "installed: $(listing)"
done

printf 'Notes\r\nnotepad.exe\r\n\r\n\r\n' >"$folder/Tools.rel"
msiexec x "$msi" || fail "msiexec ended with $?"
[ "$(listing)" = "Tools.rel" ] || fail "left after removal: $(listing)"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
[ "$(entries)" = 0 ] || fail "still in Apps & features"
[[ ";$(user_path);" != *";$windows_folder\\;"* ]] || fail "PATH keeps $windows_folder: $(user_path)"
echo "Refused for all users; installed over an older package, replaced by a rebuild, by x86 and" \
  "back, started, removed: only Tools.rel is left in $folder"
