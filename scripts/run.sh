#!/usr/bin/env bash
# Starts Ovanta.exe under Wine.  Usage: run.sh BUILD_DIR [GUIDE.pdf]
# The program starts in BUILD_DIR/run, beside a copy of the guide, and keeps Tools.rel there.
# With a display, the program opens there. Without one, a virtual display is started, the case
# Vo 20 / angle 45 is solved, and a screenshot is saved; its path is printed.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
exe=$build/Ovanta.exe
mkdir -p "$build/run"
if [ -n "${2:-}" ]; then cp "$2" "$build/run/"; fi
cd "$build/run"
if [ -n "${DISPLAY:-}" ]; then
  exec "${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}" "$exe"
fi
dir=$build/run-wine
"$here/wine/setup.sh" "$dir" >/dev/null
trap '"$here/wine/teardown.sh" "$dir"' EXIT
# shellcheck disable=SC1091
. "$dir/env"
"$WINE64" "$exe" &
shot=$build/artifacts/ovanta-run.png
mkdir -p "$build/artifacts"
"$WINE64" "$build/ovanta_drive.exe" set:100=20 set:101=45 accept "shot:Z:${build//\//\\}\\artifacts\\ovanta-run.bmp"
"${CONVERT:-convert}" "$build/artifacts/ovanta-run.bmp" "$shot"
echo "Ovanta.exe ran on a virtual display ($DISPLAY); the case Vo 20, angle 45 is solved."
echo "Screenshot: $shot"
