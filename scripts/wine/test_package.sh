#!/usr/bin/env bash
# Unzips a package into a clean folder and runs the package test against it under Wine.
# Usage: test_package.sh WINE_DIR PACKAGE.zip WORK_DIR TESTS.exe
set -euo pipefail
wine_dir=$1 zip=$2 work=$3 tests=$4
rm -rf "$work"
mkdir -p "$work"
(cd "$work" && unzip -q "$zip")
export OVANTA_PACKAGE_DIR
OVANTA_PACKAGE_DIR=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
listing=$(cd "$OVANTA_PACKAGE_DIR" && LC_ALL=C ls | xargs)
[ "$listing" = "Ovanta-ca.pdf Ovanta-es.pdf Ovanta.exe Ovanta.pdf ovanta-solve.exe readme.txt" ] || { echo "FAIL: the zip holds $listing" >&2; exit 1; }
exec "$(dirname "$0")/run.sh" "$wine_dir" "$tests" --gtest_filter='Package.*'
