#!/usr/bin/env bash
# Checks that each MSI package carries the project's version and the upgrade code that every
# release keeps (under another code, a new package would install beside the old one instead of
# replacing it), that it removes installed packages up to its own version included (a rebuild,
# the other architecture), and that its programs carry their file versions; prints the version
# and upgrade code with the package's size.
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
exit $status
