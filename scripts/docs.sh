#!/usr/bin/env bash
# Builds the user guide Ovanta.pdf from docs/: plays the worked examples of docs/examples.txt
# in the real Ovanta.exe under Wine, takes their pictures and values, and typesets with groff.
# Usage: docs.sh WIN64_BUILD_DIR OUT.pdf VERSION [ca|es]   (CONVERT names ImageMagick's convert
# if need be). With a language, the guide of that language (docs/help_LANGUAGE.ms), its picture
# taken from a run of the program in that language.
# The runs' pictures and values are kept in work/ beside OUT.pdf, their Wine set-up in wine/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$(dirname "$2")"
folder=$(cd "$(dirname "$2")" && pwd)
out=$folder/$(basename "$2")
version=$3
language=${4:-}
work=$folder/work${language:+-$language}
rm -rf "$work"
mkdir -p "$work"
cp "$top"/docs/*.ms "$work/"
win() { echo "Z:${1//\//\\}"; }

dir=$folder/wine${language:+-$language}
"$top/scripts/wine/setup.sh" "$dir" >/dev/null
trap '"$top/scripts/wine/teardown.sh" "$dir"' EXIT
# shellcheck disable=SC1091
. "$dir/env"

# A BMP or PNG as a picture groff can embed (through TIFF: ImageMagick writes no PDF here).
to_pdf() {
  "${CONVERT:-convert}" "$work/$1" -background white -alpha remove "$work/${1%.*}.tif"
  tiff2pdf -z -o "$work/${1%.*}.pdf" "$work/${1%.*}.tif"
}

# The Tools edition dialog, the About window and a message box in the language of the menu
# command $1, side by side, as windows.pdf.
windows() {
  "$WINE64" "$build/Ovanta.exe" &
  "$WINE64" "$build/ovanta_drive.exe" "menu:$1" menu:501 "front:$(win "$work/tools.bmp")" \
    menu:801 "front:$(win "$work/about.bmp")" only:1 press:3 "front:$(win "$work/box.bmp")" close
  wait
  "${CONVERT:-convert}" "$work/tools.bmp" "$work/about.bmp" "$work/box.bmp" -bordercolor white -border 8x0 \
    -background white -gravity north +append "$work/windows.png"
  to_pdf windows.png
}

if [ -n "$language" ]; then
  case $language in ca) command=330 ;; es) command=332 ;; *) echo "no guide in $language" >&2; exit 2 ;; esac
  "$WINE64" "$build/Ovanta.exe" &
  "$WINE64" "$build/ovanta_drive.exe" "menu:$command" only:12 set:107=0 set:100=20 set:101=30 accept \
    set:101=45 accept set:101=60 accept point:2=5 "shot:$(win "$work/main.bmp")" close
  wait
  to_pdf main.bmp
  # Gravity and air: the dialog with a baseball, then that ball thrown at 40 m/s and 45 degrees
  # in air and without it, and what the line under the plot said of each.
  "$WINE64" "$build/Ovanta.exe" &
  "$WINE64" "$build/ovanta_drive.exe" "menu:$command" only:12 set:107=0 set:100=40 set:101=45 \
    "air:0,$(win "$work/conditions.bmp")" accept "fields:$(win "$work/air-in.txt")" air:-1 hover:-0.5 \
    "fields:$(win "$work/air.txt")" "shot:$(win "$work/air.bmp")" close
  wait
  to_pdf conditions.bmp
  to_pdf air.bmp
  python3 "$top/scripts/docs_examples.py" --status "$work" air air-in >"$work/pictures.ms"
  windows "$command"
  (cd "$work" && groff -s -t -ms -U -Tpdf -P-pa4 -dOVANTA_VERSION="$version" "help_$language.ms" >"$out.tmp")
  mv "$out.tmp" "$out"
  echo "User guide ($language): $out"
  exit 0
fi

n=0
picture=
also=()
while IFS= read -r line; do
  case "$line" in
    picture:*) picture=${line#picture: } ;;
    also:*) read -r -a also <<<"${line#also: }" ;;
    steps:*)
      if [ -n "$picture" ]; then name=$picture; else n=$((n + 1)); name=example$n; fi
      picture=
      read -r -a steps <<<"${line#steps: }"
      # @WORK@ in a step names the folder of the run's pictures and values.
      steps=("${steps[@]//@WORK@/$(win "$work")}")
      "$WINE64" "$build/Ovanta.exe" &
      "$WINE64" "$build/ovanta_drive.exe" "${steps[@]}" "fields:$(win "$work/$name.txt")" \
        "shot:$(win "$work/$name.bmp")" close
      wait
      to_pdf "$name.bmp"
      for extra in "${also[@]}"; do case $extra in *.bmp) to_pdf "$extra" ;; esac; done
      also=()
      if [ "$name" = example1 ]; then first=("${steps[@]}"); fi
      ;;
  esac
done <"$top/docs/examples.txt"

windows 331

# The ways out of the first example: the File menu open, and the plot picture and the path
# table as the program writes them.
"$WINE64" "$build/Ovanta.exe" &
"$WINE64" "$build/ovanta_drive.exe" "${first[@]}" menubar:f "shot:$(win "$work/menu-shot.bmp")" escape \
  menu:304 "saveas:$(win "$work/plot.png")" menu:303 "saveas:$(win "$work/path.csv")" close
wait
"${CONVERT:-convert}" "$work/menu-shot.bmp" -crop 300x150+0+0 +repage "$work/file-menu.png"
to_pdf file-menu.png
to_pdf plot.png
# The heads and the first rows as a table (tbl reads the commas), small enough for the page.
{
  printf '.ps 6\n.vs 8\n.TS\ncenter box tab(,);\nl l l l l l.\n'
  head -n 1 "$work/path.csv" | tr -d '\r'
  echo _
  sed -n 2,5p "$work/path.csv" | tr -d '\r'
  printf '\\&...,,,,,\n.TE\n.ps\n.vs\n'
} >"$work/path-table.ms"

python3 "$top/scripts/docs_examples.py" "$top/docs/examples.txt" "$work" >"$work/examples.ms"
(cd "$work" && groff -s -t -ms -U -Tpdf -P-pa4 -dOVANTA_VERSION="$version" help.ms >"$out.tmp")
mv "$out.tmp" "$out"
echo "User guide: $out"
