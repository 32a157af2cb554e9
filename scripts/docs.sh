#!/usr/bin/env bash
# Builds the user guide Ovanta.pdf from docs/: plays the worked examples of docs/examples.txt
# in the real Ovanta.exe under Wine, takes their pictures and values, and typesets with groff.
# Usage: docs.sh WIN64_BUILD_DIR OUT.pdf VERSION   (CONVERT names ImageMagick's convert if need be)
# The runs' pictures and values are kept in work/ beside OUT.pdf, their Wine set-up in wine/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$(dirname "$2")"
folder=$(cd "$(dirname "$2")" && pwd)
out=$folder/$(basename "$2")
version=$3
work=$folder/work
rm -rf "$work"
mkdir -p "$work"
cp "$top"/docs/*.ms "$work/"
win() { echo "Z:${1//\//\\}"; }

dir=$folder/wine
"$top/scripts/wine/setup.sh" "$dir" >/dev/null
trap '"$top/scripts/wine/teardown.sh" "$dir"' EXIT
# shellcheck disable=SC1091
. "$dir/env"

n=0
while IFS= read -r line; do
  case "$line" in
    steps:*)
      n=$((n + 1))
      read -r -a steps <<<"${line#steps: }"
      "$WINE64" "$build/Ovanta.exe" &
      "$WINE64" "$build/ovanta_drive.exe" "${steps[@]}" "fields:$(win "$work/example$n.txt")" \
        "shot:$(win "$work/example$n.bmp")" close
      wait
      "${CONVERT:-convert}" "$work/example$n.bmp" -background white -alpha remove "$work/example$n.tif"
      tiff2pdf -z -o "$work/example$n.pdf" "$work/example$n.tif"
      ;;
  esac
done <"$top/docs/examples.txt"

python3 "$top/scripts/docs_examples.py" "$top/docs/examples.txt" "$work" >"$work/examples.ms"
(cd "$work" && groff -s -t -ms -U -Tpdf -P-pa4 -dOVANTA_VERSION="$version" help.ms >"$out.tmp")
mv "$out.tmp" "$out"
echo "User guide: $out"
