#!/usr/bin/env bash
# Packs the files of FOLDER (Ovanta.exe, the guides Ovanta.pdf, Ovanta-ca.pdf and Ovanta-es.pdf,
# readme.txt, and ovanta-solve.exe when it is there) into a per-user MSI package with wixl, from installer/ovanta.wxs. Fails when wixl warns,
# or when the package does not hold exactly the files of FOLDER.
# Usage: msi.sh FOLDER OUT.msi x64|x86 VERSION ICON.ico
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "$1" && pwd)
mkdir -p "$(dirname "$2")"
out=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
arch=$3 version=$4 icon=$5

# wixl looks for every file, the icon included, from its current directory.
defines=(-D "Version=$version" -D "Icon=$(realpath --relative-to="$folder" "$icon")")
if [ -f "$folder/ovanta-solve.exe" ]; then defines+=(-D Solver=1); fi
log=$out.log
trap 'rm -f "$out.tmp" "$log"' EXIT
rm -f "$out"
(cd "$folder" && wixl -a "$arch" "${defines[@]}" -o "$out.tmp" "$top/installer/ovanta.wxs") 2>"$log" ||
  { cat "$log" >&2; exit 1; }
# wixl says "unimplemented" of a shortcut that is not advertised, yet writes its row in full.
if grep -v -e '^$' -e 'builder\.vala:[0-9]*: unimplemented$' "$log" >&2; then
  echo "msi.sh: wixl warned while building $out" >&2
  exit 1
fi

packed=$(msiinfo export "$out.tmp" File | tail -n +4 | cut -f3 | sort)
present=$(cd "$folder" && find . -type f -printf '%P\n' | sort)
if [ "$packed" != "$present" ]; then
  echo "msi.sh: $out would hold" $packed "but $folder holds" $present >&2
  exit 1
fi
mv "$out.tmp" "$out"
echo "MSI package: $out"
