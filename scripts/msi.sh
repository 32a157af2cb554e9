#!/usr/bin/env bash
# Packs the files of FOLDER (Ovanta.exe, ovanta-solve.exe, the guides Ovanta.pdf, Ovanta-ca.pdf and
# Ovanta-es.pdf, readme.txt) into a per-user MSI package with wixl, from installer/ovanta.wxs, then
# writes into its tables what wixl cannot:
#  - the upgrade of the package's own version (a rebuild replaces the installed one, and so do
#    x86 and x64 each other): wixl ignores AllowSameVersionUpgrades, so the Upgrade row that
#    finds the products to remove gets VersionMaxInclusive (512);
#  - the version and language of each file that carries a version resource, in place of a hash,
#    so that Windows Installer compares versions as it does for programs;
#  - short names beside the long names that are not 8.3 names;
#  - the folder on the user's PATH, taken away on removal, so that ovanta-solve works from any
#    command prompt opened after the install.
# Fails when wixl warns, or when the package does not hold exactly the files of FOLDER.
# Usage: msi.sh FOLDER OUT.msi x64|x86 VERSION ICON.ico PUBLISHER
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "$1" && pwd)
mkdir -p "$(dirname "$2")"
out=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
arch=$3 version=$4 icon=$5 publisher=$6

# wixl looks for every file, the icon included, from its current directory.
defines=(-D "Version=$version" -D "Arch=$arch" -D "Publisher=$publisher"
         -D "Icon=$(realpath --relative-to="$folder" "$icon")")
log=$out.log
tables=$out.tables
trap 'rm -rf "$out.tmp" "$log" "$tables"' EXIT
rm -f "$out"
(cd "$folder" && wixl -a "$arch" "${defines[@]}" -o "$out.tmp" "$top/installer/ovanta.wxs") 2>"$log" ||
  { cat "$log" >&2; exit 1; }
# wixl says "unimplemented" of a shortcut that is not advertised, yet writes its row in full.
if grep -v -e '^$' -e 'builder\.vala:[0-9]*: unimplemented$' "$log" >&2; then
  echo "msi.sh: wixl warned while building $out" >&2
  exit 1
fi

mkdir -p "$tables"
msiinfo export "$out.tmp" Upgrade | tr -d '\r' |
  awk -F '\t' -v OFS='\t' '$7 == "WIX_UPGRADE_DETECTED" { if (int($5 / 512) % 2 == 0) $5 += 512 } { printf "%s\r\n", $0 }' \
  >"$tables/Upgrade.idt"
printf '%s\r\n' $'Environment\tName\tValue\tComponent_' $'s72\tl255\tL255\ts72' $'Environment\tEnvironment' \
  $'SolverOnPath\t=-PATH\t[~];[INSTALLDIR]\tSolver' >"$tables/Environment.idt"
queries=(
  "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('RemoveEnvironmentStrings', 3300)"
  "INSERT INTO InstallExecuteSequence (Action, Sequence) VALUES ('WriteEnvironmentStrings', 5200)"
  "UPDATE File SET FileName = 'OVANTA~1.EXE|ovanta-solve.exe' WHERE FileName = 'ovanta-solve.exe'"
  "UPDATE File SET FileName = 'OVANTA~1.PDF|Ovanta-ca.pdf' WHERE FileName = 'Ovanta-ca.pdf'"
  "UPDATE File SET FileName = 'OVANTA~2.PDF|Ovanta-es.pdf' WHERE FileName = 'Ovanta-es.pdf'"
  "UPDATE Shortcut SET Name = 'OVANTA~1|Ovanta shot' WHERE Name = 'Ovanta shot'")
while IFS=$'\t' read -r id name; do
  read -r file_version language < <("$top/scripts/pe_version.py" "$folder/${name#*|}") || continue
  queries+=("UPDATE File SET Version = '$file_version', Language = '$language' WHERE File = '$id'"
            "DELETE FROM MsiFileHash WHERE File_ = '$id'")
done < <(msiinfo export "$out.tmp" File | tail -n +4 | tr -d '\r' | cut -f1,3)
args=()
for query in "${queries[@]}"; do args+=(-q "$query"); done
msibuild "$out.tmp" -i "$tables/Upgrade.idt" -i "$tables/Environment.idt" "${args[@]}"

packed=$(msiinfo export "$out.tmp" File | tail -n +4 | cut -f3 | sed 's/.*|//' | sort)
present=$(cd "$folder" && find . -type f -printf '%P\n' | sort)
if [ "$packed" != "$present" ]; then
  echo "msi.sh: $out would hold" $packed "but $folder holds" $present >&2
  exit 1
fi
mv "$out.tmp" "$out"
echo "MSI package: $out"
