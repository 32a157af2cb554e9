#!/usr/bin/env bash
# Prints the program's figures in one run: start-up under Wine against an empty dialog program
# built the same way, exe sizes, native cost of a solve and a point query, and accuracy against
# 113-bit precision.  Usage: bench.sh [RUNS] [CASES_PER_PAIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-21}
cases=${2:-100000}
w64=$top/build/win64
w32=$top/build/win32
native=$top/build/native

echo "== Machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/Mem:/{print $2}') GiB;" \
  "$("${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}" --version 2>/dev/null)"

echo
echo "== Exe size (bytes)"
printf '%-8s %12s %14s %8s\n' build Ovanta.exe empty_dialog ratio
for b in win64 win32; do
  o=$(stat -c %s "$top/build/$b/Ovanta.exe"); e=$(stat -c %s "$top/build/$b/empty_dialog.exe")
  printf '%-8s %12d %14d %8.2f\n' "$b" "$o" "$e" "$(echo "$o / $e" | bc -l)"
done

echo
echo "== Start-up to a visible dialog under Wine, $runs paired runs (median)"
dir=$w64/bench-wine
"$top/scripts/wine/setup.sh" "$dir" >/dev/null
trap '"$top/scripts/wine/teardown.sh" "$dir"' EXIT
# shellcheck disable=SC1091
. "$dir/env"
win() { echo "Z:${1//\//\\}"; }
echo "Ovanta.exe against an empty dialog program:"
"$WINE64" "$w64/startup_timer.exe" "$runs" "$(win "$w64/Ovanta.exe")" "Ovanta shot" \
  "$(win "$w64/empty_dialog.exe")" "Empty dialog" | tail -n 1
echo "Ovanta.exe against its own dialog template shown by an empty procedure:"
"$WINE64" "$w64/startup_timer.exe" "$runs" "$(win "$w64/Ovanta.exe")" "Ovanta shot" \
  "$(win "$w64/template_dialog.exe")" "Ovanta shot" | tail -n 1
echo
echo "== GDI calls per full repaint (solved case, two marked points) and GDI objects"
OVANTA_EXE=$w64/Ovanta.exe "$WINE64" "$w64/ovanta_wine_tests.exe" \
  --gtest_filter=PlotPaint.AThousandRepaintsLeakNoGdiObjects 2>&1 | grep -E '^(GDI|GetGui|live)' || true

echo
echo "== Native cost"
"$native/bench_speed" --benchmark_min_time=0.5 2>/dev/null | grep -E '^[A-Z]'
if command -v valgrind >/dev/null; then
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$native/bench_speed" \
    --benchmark_filter=SolveEveryPair --benchmark_min_time=0 2>&1 | grep -E 'Collected' | sed 's/^==[0-9]*==/callgrind, whole benchmark run:/' || true
fi

echo
echo "== Accuracy"
"$native/bench_accuracy" "$cases"
