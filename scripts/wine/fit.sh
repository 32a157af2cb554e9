#!/usr/bin/env bash
# Runs the fit tests (every word of the dialogs fits its control, in every language) at 96, 144
# and 192 dots per inch in the test run's Wine environment, and puts 96 back afterwards.
# Usage: fit.sh WINE_DIR TESTS.exe
set -euo pipefail
wine_dir=$1 tests=$2
# shellcheck disable=SC1091
. "$wine_dir/env"
set_dpi() {
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n\r\n[HKEY_CURRENT_CONFIG\\Software\\Fonts]\r\n"LogPixels"=dword:%08x\r\n' \
    "$1" "$1" >"$wine_dir/fit-dpi.reg"
  "$WINE64" regedit /S "$wine_dir/fit-dpi.reg"
}
trap 'set_dpi 96' EXIT
status=0
for dpi in 96 144 192; do
  set_dpi "$dpi"
  echo "== $dpi dpi"
  "$WINE64" "$tests" --gtest_filter='Fit.*' || status=1
done
exit $status
