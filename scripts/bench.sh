#!/usr/bin/env bash
# Prints the program's figures in one run: start-up under Wine against an empty dialog program
# built the same way, exe sizes, the GDI calls of a repaint and of a hover move, the frames and
# the CPU of the play, native cost of a solve and a point query, the time and memory of
# ovanta-solve on a batch of a million rows, and accuracy against 113-bit precision.
# Everything it prints is kept in build/bench.txt too, which scripts/figures.py reads.
# Usage: bench.sh [RUNS] [CASES_PER_PAIR]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
exec > >(tee "$top/build/bench.txt")
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
echo "== The plot in motion: GDI calls per hover move, frames of the play (in-process, Vo 20 at 45 degrees)"
OVANTA_EXE=$w64/Ovanta.exe "$WINE64" "$w64/ovanta_wine_tests.exe" \
  --gtest_filter='PlotMotionCost.AHoverMoveRedrawsOnlyTheMarker:PlotMotionCost.ThePlayKeepsFiftyFramesASecond' 2>&1 |
  grep -E '^(GDI calls per hover|play of)' || true
echo "CPU while Ovanta.exe plays a 7.8 s shot in real time (Vo 39 at 80 degrees), share of one core:"
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# The Wine server of this set-up: the one whose environment names its prefix.
# (Other runs' servers may come last: a loop that ends in a mismatch is no failure.)
server=$(for p in $(pgrep wineserver); do
  tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p" || true; done | head -n1)
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
echo "== ovanta-solve --batch, native: random cases over the 18 pairs, output to a file"
# Each row gives two of the seven values of a launch from 0..20 m, to four decimals.
rows() {
  awk -v n="$1" 'BEGIN {
    srand(13); g = 9.81; pi = atan2(0, -1)
    split("1 2,1 3,1 4,1 5,1 6,1 7,2 3,2 4,2 5,2 6,2 7,3 4,3 5,3 6,3 7,4 5,5 6,5 7", pairs, ",")
    print "vo,angle,vx,vy0,reach,height,t,y0"
    for (i = 0; i < n; i++) {
      v[1] = 1 + 99 * rand(); v[2] = 5 + 80 * rand(); y0 = 20 * rand()
      v[3] = v[1] * cos(v[2] * pi / 180); v[4] = v[1] * sin(v[2] * pi / 180)
      v[7] = (v[4] + sqrt(v[4] * v[4] + 2 * g * y0)) / g; v[5] = v[3] * v[7]
      v[6] = y0 + v[4] * v[4] / (2 * g)
      split(pairs[1 + int(18 * rand())], p, " ")
      line = ""
      for (c = 1; c <= 7; c++) line = line (c == p[1] || c == p[2] ? sprintf("%.4f", v[c]) : "") ","
      print line sprintf("%.2f", y0)
    }
  }'
}
cli=$native/ovanta-solve
work=$native/bench-cli
mkdir -p "$work"
rows 1000000 >"$work/rows.csv"
for run in 1 2 3; do
  /usr/bin/time -f '%e %M' -o "$work/time$run" "$cli" --batch "$work/rows.csv" >"$work/out.csv"
done
echo "10^6 rows: $(sort -n "$work"/time[123] | sed -n 2p | awk '{print $1 " s (median of 3), peak resident " $2 " KiB"}');" \
  "$(grep -c ',$' "$work/out.csv") solved, $(grep -vc ',$' "$work/out.csv") refused or header"
# Ten times the rows through a pipe, for the memory: it must not grow with the input.
{ cat "$work/rows.csv"; for _ in 2 3 4 5 6 7 8 9 10; do tail -n +2 "$work/rows.csv"; done; } |
  /usr/bin/time -f '%e %M' -o "$work/time10" "$cli" --batch - >/dev/null
echo "10^7 rows from a pipe: $(awk '{print $1 " s, peak resident " $2 " KiB"}' "$work/time10")"
rm -f "$work/rows.csv" "$work/out.csv"
# With air: 10^5 launches of the seven balls from 0..20 m, solved forward, then one random pair
# of each given back, with its ball, as a user's batch would.
awk -v n=100000 'BEGIN { srand(7); print "vo,angle,y0,object"
  split("baseball golf football tennis table-tennis basketball shot-put", b, " ")
  for (i = 0; i < n; i++) printf "%.4f,%.4f,%.2f,%s\n", 5 + 45 * rand(), 5 + 75 * rand(), 20 * rand(), b[1 + int(7 * rand())] }' \
  >"$work/launch.csv"
"$cli" --batch "$work/launch.csv" >"$work/full.csv"
paste -d, "$work/launch.csv" "$work/full.csv" | awk -F, 'NR == 1 { print "vo,angle,vx,vy0,reach,height,t,y0,object"; next }
  $13 != "" { next }
  { srand(NR); split("1 2,1 3,1 4,1 5,1 6,1 7,2 3,2 4,2 5,2 6,2 7,3 4,3 5,3 6,3 7,4 5,5 6,5 7", pairs, ",")
    split(pairs[1 + int(18 * rand())], p, " "); line = ""
    for (c = 1; c <= 7; c++) line = line (c == p[1] || c == p[2] ? sprintf("%.4f", $(c + 4)) : "") ","
    print line $3 "," $4 }' >"$work/air.csv"
/usr/bin/time -f '%U %e %M' -o "$work/time-air" "$cli" --batch "$work/air.csv" >"$work/out.csv"
echo "10^5 rows with air, mixed pairs: $(awk '{print $1 " s of CPU (" $2 " s elapsed), peak resident " $3 " KiB"}' "$work/time-air");" \
  "$(grep -c ',$' "$work/out.csv") solved, $(grep -vc ',$' "$work/out.csv") refused or header"
rm -f "$work/launch.csv" "$work/full.csv" "$work/air.csv" "$work/out.csv"

echo
echo "== Accuracy"
"$native/bench_accuracy" "$cases"

echo
echo "== With air: accuracy, time of a solve and a point question, the integrator against Boost.Odeint's"
"$native/bench_air" "$((cases / 300 > 50 ? cases / 300 : 50))"
