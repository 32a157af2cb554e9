#!/usr/bin/env bash
# Builds the user guide Ovanta.pdf from docs/: plays the worked examples of docs/examples.txt
# in the real Ovanta.exe under Wine, takes their pictures and values, and typesets with groff.
# Usage: docs.sh WIN64_BUILD_DIR OUT.pdf VERSION
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
out=$2
version=$3
work=$build/docs
rm -rf "$work"
mkdir -p "$work"
cp "$top"/docs/*.ms "$work/"
win() { echo "Z:${1//\//\\}"; }

dir=$build/docs-wine
"$top/scripts/wine/setup.sh" "$dir" >/dev/null
trap '"$top/scripts/wine/teardown.sh" "$dir"' EXIT
# shellcheck disable=SC1091
. "$dir/env"

n=0
picture=
while IFS= read -r line; do
  case "$line" in
    picture:*) picture=${line#picture: } ;;
    steps:*)
      if [ -n "$picture" ]; then name=$picture; else n=$((n + 1)); name=example$n; fi
      picture=
      read -r -a steps <<<"${line#steps: }"
      "$WINE64" "$build/Ovanta.exe" &
      "$WINE64" "$build/ovanta_drive.exe" "${steps[@]}" "fields:$(win "$work/$name.txt")" \
        "shot:$(win "$work/$name.bmp")" close
      wait
      /usr/bin/convert "$work/$name.bmp" -background white -alpha remove "$work/$name.tif"
      tiff2pdf -z -o "$work/$name.pdf" "$work/$name.tif"
      ;;
  esac
done <"$top/docs/examples.txt"

python3 "$top/scripts/docs_examples.py" "$top/docs/examples.txt" "$work" >"$work/examples.ms"
(cd "$work" && groff -s -t -ms -U -Tpdf -P-pa4 -dOVANTA_VERSION="$version" help.ms >"$out.tmp")
mv "$out.tmp" "$out"
echo "User guide: $out"
