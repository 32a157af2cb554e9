#!/usr/bin/env bash
# Turns the screenshots the Wine tests saved (BMP) into PNG files beside them, to look at.
# Usage: artifacts_png.sh ARTIFACTS_DIR
set -euo pipefail
shopt -s nullglob
for shot in "$1"/*.bmp; do
  convert "$shot" "${shot%.bmp}.png"
done
echo "Screenshots: $1/*.png"
