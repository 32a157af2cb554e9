#!/usr/bin/env bash
# Checks that each MSI package carries the project's version and the upgrade code that every
# release keeps (under another code, a new package would install beside the old one instead of
# replacing it), that it removes installed packages up to its own version included (a rebuild,
# the other architecture), and that its programs carry their file versions; prints the version
# and upgrade code with the package's size. Packages given together (x64 and x86) must not call
# files that differ by one component GUID: Windows Installer counts a component as one thing.
# Usage: check_msi.sh VERSION PACKAGE.msi...
set -euo pipefail
version=$1
shift
upgrade_code='{4471EA78-2967-44BD-BBB3-E382A5B88914}'
status=0
for msi in "$@"; do
  properties=$(msiinfo export "$msi" Property | tr -d '\r')
  product_version=$(sed -n 's/^ProductVersion\t//p' <<<"$properties")
  code=$(sed -n 's/^UpgradeCode\t//p' <<<"$properties")
  echo "$msi: $(stat -c %s "$msi") bytes, ProductVersion $product_version, UpgradeCode $code"
  if [ "$product_version" != "$version" ]; then echo "  not the project's version $version" >&2; status=1; fi
  if [ "$code" != "$upgrade_code" ]; then echo "  not the upgrade code $upgrade_code" >&2; status=1; fi
  if ! msiinfo export "$msi" Upgrade | tr -d '\r' | awk -F '\t' -v v="$version" \
      '$7 == "WIX_UPGRADE_DETECTED" && $3 == v && int($5 / 512) % 2 == 1 { found = 1 } END { exit !found }'; then
    echo "  does not replace an installed package of its own version" >&2; status=1
  fi
  unversioned=$(msiinfo export "$msi" File | tail -n +4 | tr -d '\r' | awk -F '\t' '$3 ~ /\.exe$/ && $5 == "" {print $3}')
  if [ -n "$unversioned" ]; then echo "  programs without a file version:" $unversioned >&2; status=1; fi
done
# Each component GUID with its files' names, sizes and versions.
components() {
  join -t $'\t' <(msiinfo export "$1" Component | tail -n +4 | tr -d '\r' | cut -f1,2 | sort) \
    <(msiinfo export "$1" File | tail -n +4 | tr -d '\r' | awk -F '\t' -v OFS='\t' '{print $2, $3 " " $4 " " $5}' | sort) |
    cut -f2,3 | sort
}
for msi in "$@"; do
  for other in "$@"; do
    [ "$msi" \< "$other" ] || continue
    shared=$(join -t $'\t' <(components "$msi" | cut -f1 | sort -u) <(components "$other" | cut -f1 | sort -u))
    for guid in $shared; do
      if [ "$(components "$msi" | grep -F "$guid")" != "$(components "$other" | grep -F "$guid")" ]; then
        echo "$msi and $other: component $guid holds different files" >&2; status=1
      fi
    done
  done
done
exit $status
