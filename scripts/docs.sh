#!/usr/bin/env bash
# Builds a user guide from docs/: plays the worked examples of docs/examples.txt in the real
# Ovanta.exe under Wine, takes its pictures and values, and typesets with groff.
# Usage: docs.sh WIN64_BUILD_DIR OUT.pdf VERSION [ca|es]   (CONVERT names ImageMagick's convert
# if need be). Without a language, the English guide docs/help.ms; with one, the guide of that
# language, docs/help_LANGUAGE.ms. Every run is made with the program switched to the guide's
# language, so that each guide shows the windows, menus and messages of its own language.
# The runs' pictures and values are kept in work/ beside OUT.pdf, their Wine set-up in wine/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$(dirname "$2")"
folder=$(cd "$(dirname "$2")" && pwd)
out=$folder/$(basename "$2")
version=$3
language=${4:-}
# The Language menu's command of each language (330 + the program's language index), and the
# underlined letter of its File menu.
case $language in
  '') command=331 file=f guide=help.ms ;;
  ca) command=330 file=f guide=help_ca.ms ;;
  es) command=332 file=a guide=help_es.ms ;;
  *) echo "no guide in $language" >&2; exit 2 ;;
esac
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

# Starts the program, switches it to the guide's language and plays the given steps on it.
play() {
  "$WINE64" "$build/Ovanta.exe" &
  "$WINE64" "$build/ovanta_drive.exe" "menu:$command" "$@"
  wait
}

# A BMP or PNG as a picture groff can embed (through TIFF: ImageMagick writes no PDF here).
to_pdf() {
  "${CONVERT:-convert}" "$work/$1" -background white -alpha remove "$work/${1%.*}.tif"
  tiff2pdf -z -o "$work/${1%.*}.pdf" "$work/${1%.*}.tif"
}

# The worked examples and the pictures of docs/examples.txt.
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
      play "${steps[@]}" "fields:$(win "$work/$name.txt")" "shot:$(win "$work/$name.bmp")" close
      to_pdf "$name.bmp"
      for extra in "${also[@]}"; do case $extra in *.bmp) to_pdf "$extra" ;; esac; done
      also=()
      if [ "$name" = example1 ]; then first=("${steps[@]}"); fi
      ;;
  esac
done <"$top/docs/examples.txt"

# The Tools edition dialog, the About window and a message box (a value that is no number: a
# box whose text is wider than its caption, which Wine does not widen the box for), side by
# side, as windows.pdf.
play menu:501 "front:$(win "$work/tools.bmp")" menu:801 "front:$(win "$work/about.bmp")" only:12 set:100=x press:3 \
  "front:$(win "$work/box.bmp")" close
"${CONVERT:-convert}" "$work/tools.bmp" "$work/about.bmp" "$work/box.bmp" -bordercolor white -border 8x0 \
  -background white -gravity north +append "$work/windows.png"
to_pdf windows.png

# The ways out of the first example: the case as Copy case gives it (the lines Save case adds
# to a report), the File menu open, and the plot picture and the path table as the program
# writes them.
play "${first[@]}" copy "clipboard:$(win "$work/case")" "shot:$(win "$work/menu-closed.bmp")" "menubar:$file" \
  "shot:$(win "$work/menu-shot.bmp")" escape menu:304 "saveas:$(win "$work/plot.png")" \
  menu:303 "saveas:$(win "$work/path.csv")" close
# The menu is what changed between the two shots, in their top 150 rows (below them the caret
# of the point panel may blink): the picture runs from the dialog's corner past the menu's right
# edge, whatever the length of its commands in this language.
right=$("${CONVERT:-convert}" "$work/menu-closed.bmp" "$work/menu-shot.bmp" -crop 600x150+0+0 +repage \
  -compose difference -composite -fuzz 10% -trim -format '%[fx:page.x+w]' info:)
width=$((right + 16 > 300 ? right + 16 : 300))
"${CONVERT:-convert}" "$work/menu-shot.bmp" -crop "${width}x150+0+0" +repage "$work/file-menu.png"
to_pdf file-menu.png
# Printed at 125 pixels an inch, as the English one has always been (300 pixels, 2.4 inches).
printf '.ds file-menu-width %s.%02di\n' $((width / 125)) $((width % 125 * 100 / 125)) >"$work/file-menu.ms"
to_pdf plot.png
# The heads and the first rows as a table (tbl reads the commas), small enough for the page.
{
  printf '.ps 6\n.vs 8\n.TS\ncenter box tab(,);\nl l l l l l.\n'
  head -n 1 "$work/path.csv" | tr -d '\r'
  echo _
  sed -n 2,5p "$work/path.csv" | tr -d '\r'
  printf '\\&...,,,,,\n.TE\n.ps\n.vs\n'
} >"$work/path-table.ms"

python3 "$top/scripts/docs_examples.py" "$top/docs/examples.txt" "$work" "${language:-en}" >"$work/examples.ms"
(cd "$work" && groff -s -t -ms -U -Tpdf -P-pa4 -dOVANTA_VERSION="$version" "$guide" >"$out.tmp")
mv "$out.tmp" "$out"
echo "User guide${language:+ ($language)}: $out"
