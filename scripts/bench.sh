#!/usr/bin/env bash
# Prints the program's figures in one run: start-up under Wine against an empty dialog program
# built the same way, exe sizes, the GDI calls of a repaint and of a hover move, the frames and
# the CPU of the play, native cost of a solve and a point query, and accuracy against 113-bit
# precision.  Usage: bench.sh [RUNS] [CASES_PER_PAIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-21}
cases=${2:-100000}
w64=$top/build/win64
w32=$top/build/win32
native=$top/build/native

echo "== Machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/Mem:/{print $2}') GiB;" \
  "$(/usr/lib/wine/wine64 --version 2>/dev/null)"

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
echo "== The plot in motion: GDI calls per hover move, frames of the play (in-process, Vo 20 at 45 degrees)"
OVANTA_EXE=$w64/Ovanta.exe "$WINE64" "$w64/ovanta_wine_tests.exe" \
  --gtest_filter='PlotMotionCost.AHoverMoveRedrawsOnlyTheMarker:PlotMotionCost.ThePlayKeepsFiftyFramesASecond' 2>&1 |
  grep -E '^(GDI calls per hover|play of)' || true
echo "CPU while Ovanta.exe plays a 7.8 s shot in real time (Vo 39 at 80 degrees), share of one core:"
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# The Wine server of this set-up: the one whose environment names its prefix.
server=$(for p in $(pgrep wineserver); do
  tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"; done | head -n1)
"$WINE64" "$w64/Ovanta.exe" &
ovanta=$!
"$WINE64" "$w64/ovanta_drive.exe" set:100=39 set:101=80 accept wait:500
pids=("$ovanta" "$(cat "$dir/xvfb.pid")" ${server:+"$server"})
names=(Ovanta.exe Xvfb wineserver)
sample() { local p; for p in "${pids[@]}"; do printf '%s ' "$(cpu_ticks "$p")"; done; date +%s.%N; }
read -r -a idle <<<"$(sample)"
sleep 3
read -r -a idled <<<"$(sample)"
"$WINE64" "$w64/ovanta_drive.exe" key:F5
read -r -a before <<<"$(sample)"
sleep 5
read -r -a after <<<"$(sample)"
n=${#pids[@]}
share() { printf '%.1f' "$(echo "($2 - $1) * 100 / $(getconf CLK_TCK) / ($4 - $3)" | bc -l)"; }
for ((i = 0; i < n; i++)); do
  echo "  ${names[$i]}: $(share "${before[$i]}" "${after[$i]}" "${before[$n]}" "${after[$n]}") % while playing," \
    "$(share "${idle[$i]}" "${idled[$i]}" "${idle[$n]}" "${idled[$n]}") % idle"
done
"$WINE64" "$w64/ovanta_drive.exe" close
wait "$ovanta" || true

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
