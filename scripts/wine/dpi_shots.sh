#!/usr/bin/env bash
# Screenshots of the solved dialog at 96, 144 and 192 DPI in the test run's Wine environment,
# with two earlier paths, a point query and the hover marker; fails unless the dialog at 144 and
# 192 DPI is one and a half and two times as large as at 96 (it scales with its font).
# Usage: dpi_shots.sh WINE_DIR BUILD_DIR ARTIFACTS_DIR
set -euo pipefail
wine_dir=$1 build=$2 artifacts=$3
# shellcheck disable=SC1091
. "$wine_dir/env"
win() { echo "Z:${1//\//\\}"; }
set_dpi() {
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n\r\n[HKEY_CURRENT_CONFIG\\Software\\Fonts]\r\n"LogPixels"=dword:%08x\r\n' \
    "$1" "$1" >"$wine_dir/dpi.reg"
  "$WINE64" regedit /S "$wine_dir/dpi.reg"
}
trap 'set_dpi 96' EXIT
for dpi in 192 144 96; do
  set_dpi "$dpi"
  "$WINE64" "$build/Ovanta.exe" &
  "$WINE64" "$build/ovanta_drive.exe" set:100=20 set:101=30 accept set:101=45 accept set:101=60 accept \
    point:2=5 hover:0.4 "shot:$(win "$artifacts/dpi$dpi.bmp")" close
  wait
  "${CONVERT:-convert}" "$artifacts/dpi$dpi.bmp" "$artifacts/dpi$dpi.png"
  echo "dpi $dpi: $(identify -format '%wx%h' "$artifacts/dpi$dpi.png") pixels, $artifacts/dpi$dpi.png"
done
ratio() { echo "$(identify -format "%$2" "$artifacts/dpi$1.png") / $(identify -format "%$2" "$artifacts/dpi96.png")" | bc -l; }
for dpi in 144 192; do
  for side in w h; do
    r=$(ratio "$dpi" "$side")
    want=$(echo "$dpi / 96" | bc -l)
    # Within 7 %: dialog units are whole pixels of a font measured at each density.
    if [ "$(echo "$r < $want * 0.93 || $r > $want * 1.07" | bc -l)" = 1 ]; then
      echo "the dialog at $dpi DPI is $r times its size at 96 DPI ($side), not $want" >&2
      exit 1
    fi
  done
done
